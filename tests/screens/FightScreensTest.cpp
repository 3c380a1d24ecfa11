// The fight screens as a player drives them, offscreen: the attack and defence set-ups, the
// board with its keys and clocks, a fight played to its result, and the field that will not be
// closed while its fight runs.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <array>
#include <memory>

#include "ScreenTestSupport.h"
#include "fight/Fight.h"
#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/fight/FightField.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "screens/title/GroupSelectMenu.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/Numbers.h"
#include "world/SharedRoutines.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

// Clicks the row of `list` that holds `value`.
void ClickRow(QListWidget* list, int value) {
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (item->data(Qt::UserRole).toInt() != value) continue;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        return;
    }
    QFAIL("no such row");
}

// The field draws a cell of 480 twips as 64 pixels.
constexpr int Cell(int twips) {
    return twips * 2 / 15;
}

constexpr int kOwnCity = 7;     // 서초, 거지파's at the start
constexpr int kTargetCity = 8;  // 도봉, 흑사파's

}  // namespace

class FightScreensTest : public QObject, GameOnScreen {
    Q_OBJECT

  private:
    // A fighter who fells anybody with one blow, and one who cannot hurt a fly.
    void MakeStrong(int h) {
        World& w = world();
        w.HumanAttack[h] = w.HumanDefence[h] = w.HumanAgility[h] = w.HumanMorale[h] = 100;
        w.HumanMembers[h] = 1000;
        w.HumanStamina[h] = 100;
    }
    void MakeWeak(int h) {
        world().HumanMembers[h] = 5;
        world().HumanStamina[h] = 50;
    }

    // The target district keeps one weak defender; the others stand in 강서.
    int LoneDefender() {
        int kept = -1;
        for (int h = 0; h < kHumanCount; ++h) {
            if (!world().IsIn(h, kTargetCity)) continue;
            if (kept < 0) {
                kept = h;
                MakeWeak(h);
            } else {
                world().HumanCity[h] = world().CityName[9];
            }
        }
        return kept;
    }

    // Through the attack set-up of 서초 onto the field: the first listed person, made strong,
    // against the lone weak defender of 도봉.
    FightField* AttackWithFirstPerson(const char* mode, int* attacker, int* defender) {
        MainGame* map = StartOnMap(0);
        world().BattleMode = std::string(mode) == "Real" ? BattleMode::Real : BattleMode::Turn;
        world().options.healthBars = true;
        *defender = LoneDefender();
        Click(Control<QPushButton>(map, "Cmd", kOwnCity));
        screens_->gameMenu()->findChild<QAction*>("행동_싸움")->trigger();
        Attack* setup = screens_->attack();
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        *attacker = ll1->item(0)->data(Qt::UserRole).toInt();
        MakeStrong(*attacker);
        ClickRow(ll1, *attacker);
        ClickRow(setup->findChild<QListWidget*>("LL2"), kTargetCity);
        setup->OkClicked();
        Settle();
        return screens_->fightField();
    }

    // Five of the player's people in 서초 against five of 흑사파 in 도봉, nobody else there, on
    // the attacking field.
    FightField* FiveAgainstFive(const QString& mode) {
        MainGame* map = StartOnMap(0);
        world().BattleMode = mode == "Real" ? BattleMode::Real : BattleMode::Turn;
        int mine = 0;
        int theirs = 0;
        for (int h = 0; h < kHumanCount; ++h) {
            World& w = world();
            const bool ours = w.HumanGroup[h] == w.GroupName[0];
            const bool black = w.HumanGroup[h] == w.GroupName[6];
            if (ours && mine < 5) {
                w.HumanCity[h] = w.CityName[kOwnCity];
                ++mine;
            } else if (black && theirs < 5) {
                w.HumanCity[h] = w.CityName[kTargetCity];
                ++theirs;
            } else if (w.IsIn(h, kOwnCity) || w.IsIn(h, kTargetCity)) {
                w.HumanCity[h] = w.CityName[9];
            }
        }
        if (mine != 5 || theirs != 5) return nullptr;
        Click(Control<QPushButton>(map, "Cmd", kOwnCity));
        screens_->gameMenu()->findChild<QAction*>("행동_싸움")->trigger();
        Attack* setup = screens_->attack();
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        if (ll1->count() != 5) return nullptr;
        ClickRow(ll1, ll1->item(0)->data(Qt::UserRole).toInt());
        setup->SelectAllClicked();
        ClickRow(setup->findChild<QListWidget*>("LL2"), kTargetCity);
        setup->OkClicked();
        Settle();
        FightField* field = screens_->fightField();
        if (!field) return nullptr;
        for (const Fighter& f : session_->fight()->enemy) {
            if (!f.present) return nullptr;
        }
        for (const Fighter& f : session_->fight()->player) {
            if (!f.present) return nullptr;
        }
        return field;
    }

    // The damage figures on the board by the index of the piece they stand over (the player's
    // slots 0..4, the computer's 5..9), with their text, for those showing.
    static QMap<int, QString> Figures(FightField* field) {
        QMap<int, QString> shown;
        for (DamageFigure* figure : field->findChildren<DamageFigure*>("Damage")) {
            if (figure->isVisible()) shown[figure->property("index").toInt()] = figure->text();
        }
        return shown;
    }

    // The rows of a test run in both battle modes.
    static void BothModes() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("Real") << "Real";
        QTest::newRow("Turn") << "Turn";
    }

    // Stamina of the ten fighters, the player's slots first.
    std::array<double, 10> Staminas() {
        std::array<double, 10> stamina{};
        const Fight* running = session_->fight();
        for (int k = 0; k < 10; ++k) {
            const Fighter& f = (k < 5 ? running->player : running->enemy)[k % 5];
            stamina[k] = f.human >= 0 ? world().HumanStamina[f.human] : 0;
        }
        return stamina;
    }

  private slots:
    void init() { StartGame(); }
    void cleanup() { StopGame(); }

    void attackSetupRefusesWhatCannotGoOut_data() {
        QTest::addColumn<bool>("clickPerson");
        QTest::addColumn<bool>("clickTarget");
        QTest::addColumn<QString>("weapon");
        QTest::addColumn<QString>("message");
        QTest::newRow("nobody clicked") << false << true << "주먹" << kChoosePerson;
        QTest::newRow("no target") << true << false << "주먹"
                                   << "도시를 선택해주세요.";
        QTest::newRow("no swords") << true << true << "진검"
                                   << "진검 갯수가 모자릅니다.";
    }

    void attackSetupRefusesWhatCannotGoOut() {
        QFETCH(bool, clickPerson);
        QFETCH(bool, clickTarget);
        QFETCH(QString, weapon);
        QFETCH(QString, message);
        MainGame* map = StartOnMap(0);
        Click(Control<QPushButton>(map, "Cmd", kOwnCity));
        world().CitySword[kOwnCity] = 0;
        Attack* setup = screens_->ShowAttack();
        QVERIFY(setup && setup->isVisible());
        QCOMPARE(Control<QLabel>(setup, "Skill", 0)->text(), QString("0"));
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        auto* combo = setup->findChild<QComboBox*>("Combo1");
        QVERIFY(!combo->isVisible());
        const int h = ll1->item(0)->data(Qt::UserRole).toInt();
        if (clickPerson) {
            ClickRow(ll1, h);
            QVERIFY(combo->isVisible());
            QCOMPARE(Control<QLabel>(setup, "Skill", 6)->text(),
                     QString::number(world().HumanMembers[h]));
            combo->setCurrentText(weapon);
            emit combo->activated(combo->currentIndex());
            QCOMPARE(QString::fromStdString(world().HumanWeapon[h]), weapon);
        }
        if (clickTarget) ClickRow(setup->findChild<QListWidget*>("LL2"), kTargetCity);
        setup->OkClicked();
        QCOMPARE(platform_->informed.last(), message);
        QVERIFY(setup->isVisible());
        QVERIFY(!screens_->fightField());
        QVERIFY(!world().MapLocked);
    }

    void anEmptyDistrictIsTakenWithoutAFight() {
        MainGame* map = StartOnMap(0);
        for (int h = 0; h < kHumanCount; ++h) {
            if (world().IsIn(h, kTargetCity)) world().HumanCity[h] = world().CityName[9];
        }
        Click(Control<QPushButton>(map, "Cmd", kOwnCity));
        screens_->gameMenu()->findChild<QAction*>("행동_싸움")->trigger();
        Attack* setup = screens_->attack();
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        const int h = ll1->item(0)->data(Qt::UserRole).toInt();
        ClickRow(ll1, h);
        ClickRow(setup->findChild<QListWidget*>("LL2"), kTargetCity);
        setup->OkClicked();
        QVERIFY(!screens_->fightField());
        QVERIFY(setup->isVisible());
        QCOMPARE(world().OwnerOf(kTargetCity).value(), 0);
        QVERIFY(world().IsIn(h, kTargetCity));
        QCOMPARE(Control<QPushButton>(map, "Cmd", kTargetCity)->styleSheet(),
                 Control<QPushButton>(map, "Cmd", kOwnCity)->styleSheet());
    }

    void anAttackIsFoughtWithTheKeysToItsEnd() {
        int attacker = -1;
        int defender = -1;
        FightField* field = AttackWithFirstPerson("Turn", &attacker, &defender);
        QVERIFY(field);
        QCOMPARE(field->objectName(), QString("AttackGround"));
        QVERIFY(field->isVisible());
        QVERIFY(!screens_->attack());
        QVERIFY(!screens_->gameMenu());
        QVERIFY(world().MapLocked);
        QVERIFY(!Control<QPushButton>(screens_->map(), "Cmd", 0)->isEnabled());
        QVERIFY(!field->timer2().isActive());  // the computer answers keys, not a clock

        auto* me = Control<QWidget>(field, "YI", 0);
        auto* him = Control<QWidget>(field, "CI", 0);
        QCOMPARE(Control<QLabel>(field, "Skill", 0)->text(), QString("도봉"));
        QVERIFY(me->isVisible() && him->isVisible());
        // A piece names its fighter and his strength.
        const QString hisName = QString::fromStdString(world().HumanName[defender]);
        QCOMPARE(him->toolTip(),
                 QString("%1 — 체력 %2, 조직원 %3")
                     .arg(hisName, QString::fromStdString(FormatNumber(world().HumanStamina[defender])),
                          QString::fromStdString(FormatNumber(world().HumanMembers[defender]))));
        QVERIFY(!Control<QWidget>(field, "YI", 1)->isVisible());
        QCOMPARE(static_cast<Piece*>(me)->border(), Piece::Border::Raised);
        auto* bar = Control<QProgressBar>(field, "YPB1", 0);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->maximum(), 550);  // Int((100 + 1000) / 2)
        QCOMPARE(bar->y(), me->y() + me->height() - bar->height());

        // The running fight cannot be closed.
        field->close();
        QVERIFY(field->isVisible());
        QVERIFY(session_->fight());

        // Right off the left edge is refused and costs nothing; four steps down each get an answer.
        QTest::keyClick(field, Qt::Key_Left);
        QCOMPARE(him->pos(), QPoint(0, Cell(4320)));
        for (int step = 1; step <= 4; ++step) {
            QTest::keyClick(field, Qt::Key_Down);
            QCOMPARE(me->pos(), QPoint(0, Cell(480 * step)));
        }
        // He walked up to meet me: 3840, 3360, 2880, 2400.
        QCOMPARE(him->pos(), QPoint(0, Cell(2400)));

        // A shows the weapon on my cell; two steps down, the second one refused.
        QTest::keyClick(field, Qt::Key_A);
        auto* aim = Control<QWidget>(field, "ArmorI", 0);
        QVERIFY(aim->isVisible());
        QCOMPARE(aim->pos(), me->pos());
        QTest::keyClick(field, Qt::Key_Down);
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(aim->pos(), QPoint(0, Cell(2400)));
        platform_->informed.clear();
        const double health = world().HumanStamina[attacker];

        QTest::keyClick(field, Qt::Key_Return);
        Settle();
        // The result, then what it came to: he fell, joined us, and 도봉 is ours.
        const QString name = QString::fromStdString(world().HumanName[defender]);
        QCOMPARE(platform_->informed,
                 (QStringList{kFightWon, QString("쓰러진 우리 편: 없음\n쓰러진 상대 편: ") + name +
                                             "\n거지파로 넘어간 사람: " + name +
                                             "\n도봉은 이제 거지파의 구역입니다."}));
        // His answer before he fell did no harm: five members hit for nothing.
        QCOMPARE(world().HumanStamina[attacker], health);
        QCOMPARE(world().HumanStamina[defender], 0.0);
        QVERIFY(!screens_->fightField());
        QVERIFY(!session_->fight());
        QVERIFY(!world().MapLocked);
        QCOMPARE(world().OwnerOf(kTargetCity).value(), 0);
        auto* target = Control<QPushButton>(screens_->map(), "Cmd", kTargetCity);
        QVERIFY(target->isEnabled());
        QVERIFY(target->styleSheet().contains(Control<QPushButton>(screens_->map(), "Cmd", kOwnCity)
                                                  ->styleSheet()
                                                  .section(';', 0, 0)));
    }

    void theBoardSaysWhichSideIsWhose() {
        int attacker = -1;
        int defender = -1;
        FightField* field = AttackWithFirstPerson("Turn", &attacker, &defender);
        QVERIFY(field);
        const QWidget* board = field->findChild<QWidget*>("Image1");
        // Ours over the player's gang, theirs over 흑사파, each in words and the map's colour.
        struct Side {
            int index;
            const char* words;
            const char* gang;
            const char* colour;
        };
        const Side sides[] = {{0, "우리 편 (위)", "거지파", "#ff8000"},
                              {1, "상대 편 (아래)", "흑사파", "#0000ff"}};
        for (const Side& side : sides) {
            auto* words = Control<QLabel>(field, "Side", side.index);
            auto* name = Control<QLabel>(field, "Skill", side.index + 1);
            auto* swatch = Control<QLabel>(field, "Swatch", side.index);
            QVERIFY(words && name && swatch);
            QCOMPARE(words->text(), QString(side.words));
            QCOMPARE(name->text(), QString(side.gang));
            QVERIFY(words->isVisible() && swatch->isVisible());
            QVERIFY2(swatch->styleSheet().contains(side.colour), qPrintable(swatch->styleSheet()));
            // Beside the board, the words right over the name, the colour just left of it.
            QVERIFY(words->x() >= board->width() && swatch->x() >= board->width());
            QVERIFY(words->geometry().bottom() <= name->y() + 16);
            QVERIFY(swatch->geometry().right() < name->x());
            QVERIFY(qAbs(swatch->geometry().center().y() - name->geometry().center().y()) <= 1);
        }
    }

    void theActiveMarkFollowsTheActiveFighter() {
        FightField* field = FiveAgainstFive("Turn");
        QVERIFY(field);
        const auto marks = [field] {
            QList<Piece::Border> borders;
            for (int i = 0; i < kSlotCount; ++i)
                borders << static_cast<Piece*>(Control<QWidget>(field, "YI", i))->border();
            return borders;
        };
        using B = Piece::Border;
        QCOMPARE(marks(), (QList<B>{B::Raised, B::Flat, B::Flat, B::Flat, B::Flat}));
        QTest::keyClick(field, Qt::Key_Down);  // a step passes the turn
        QCOMPARE(marks(), (QList<B>{B::Flat, B::Raised, B::Flat, B::Flat, B::Flat}));
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(marks(), (QList<B>{B::Flat, B::Flat, B::Raised, B::Flat, B::Flat}));
        // The mark is a ring of lamplight round the piece, where a resting fighter shows his
        // own picture: it stands out on any cell.
        const auto ringAt = [field](int slot) {
            const QImage piece = Control<QWidget>(field, "YI", slot)->grab().toImage();
            const qreal ratio = piece.devicePixelRatio();
            const QColor left = piece.pixelColor(QPoint(5, 32) * ratio);
            const QColor top = piece.pixelColor(QPoint(32, 5) * ratio);
            return left.red() > 240 && left.green() > 190 && left.blue() < 110 && top.red() > 240 &&
                   top.green() > 190 && top.blue() < 110;
        };
        QVERIFY(ringAt(2));
        QVERIFY(!ringAt(0));
    }

    void aBlowShowsWhatItTookOverTheStruckPiece_data() { BothModes(); }

    // The player's blow by the keys in a turn-based fight (and the answer), the computer's by
    // its clock in a real-time one: each struck piece shows what its fighter lost, until the
    // figure's clock takes it away.
    void aBlowShowsWhatItTookOverTheStruckPiece() {
        QFETCH(QString, mode);
        int attacker = -1;
        int defender = -1;
        FightField* field = AttackWithFirstPerson(qPrintable(mode), &attacker, &defender);
        QVERIFY(field);
        // A defender who takes blows without falling, and gives some back.
        world().HumanStamina[defender] = 5000;
        world().HumanMembers[defender] = 1000;
        world().HumanWeapon[defender] = "진검";
        auto* me = Control<QWidget>(field, "YI", 0);
        auto* him = Control<QWidget>(field, "CI", 0);
        const double myStamina = world().HumanStamina[attacker];
        const double hisStamina = world().HumanStamina[defender];
        if (mode == "Turn") {
            for (int step = 0; step < 4; ++step)
                QTest::keyClick(field, Qt::Key_Down);
            QVERIFY(Figures(field).isEmpty());  // nobody struck yet
            QTest::keyClick(field, Qt::Key_A);
            QTest::keyClick(field, Qt::Key_Down);
            QTest::keyClick(field, Qt::Key_Return);
        } else {
            for (int k = 0; k < 8; ++k)
                field->ComputerTick();
            QVERIFY(Figures(field).isEmpty());
            field->ComputerTick();
        }
        QVERIFY(world().HumanStamina[attacker] < myStamina);
        QMap<int, QString> expected;
        expected[0] =
            "-" + QString::fromStdString(FormatNumber(myStamina - world().HumanStamina[attacker]));
        if (mode == "Turn") {
            QVERIFY(world().HumanStamina[defender] < hisStamina);
            expected[5] = "-" + QString::fromStdString(
                                    FormatNumber(hisStamina - world().HumanStamina[defender]));
        }
        QCOMPARE(Figures(field), expected);
        // Each over the piece it struck.
        for (auto [index, piece] : {std::pair{0, me}, std::pair{5, him}}) {
            auto* figure = Control<DamageFigure>(field, "Damage", index);
            if (figure->isVisible())
                QVERIFY(piece->geometry().contains(figure->geometry().center()));
        }
        QVERIFY(field->damageTimer().isActive());
        QVERIFY(field->damageTimer().isSingleShot());
        // The hit marks go with the weapon's clock; the figures stay to be read.
        field->HideTick();
        QCOMPARE(Figures(field), expected);
        field->HideDamage();
        QVERIFY(Figures(field).isEmpty());
    }

    // At the fast pace every tick that strikes shows that tick's blows and no older ones.
    void theFastPaceShowsEachTicksBlows() {
        FightField* field = FiveAgainstFive("Real");
        QVERIFY(field);
        QTest::keyClick(field, Qt::Key_F3);  // 빠르게
        QVERIFY(field->fastPace());
        int checked = 0;
        for (int n = 0; n < 1000 && screens_->fightField(); ++n) {
            const auto before = Staminas();
            field->AutoTick();
            if (!screens_->fightField()) break;
            const auto after = Staminas();
            const QMap<int, QString> shown = Figures(field);
            bool anyHurt = false;
            for (int k = 0; k < 10; ++k)
                anyHurt = anyHurt || after[k] < before[k];
            if (!anyHurt) continue;
            // The hit marks stand where the figures do: this tick's blows alone.
            QList<int> marked;
            for (QWidget* mark : field->findChildren<QWidget*>("Hit")) {
                if (mark->isVisible()) marked << mark->property("index").toInt();
            }
            std::sort(marked.begin(), marked.end());
            QCOMPARE(marked, shown.keys());
            for (int k = 0; k < 10; ++k) {
                const Fight& running = *session_->fight();
                // A fallen man's figure shows the blows that felled him, not the stamina he had.
                if (!(k < 5 ? running.player : running.enemy)[k % 5].present) continue;
                if (after[k] < before[k]) {
                    QCOMPARE(shown.value(k),
                             "-" + QString::fromStdString(FormatNumber(before[k] - after[k])));
                    ++checked;
                } else {
                    // Nothing left over from an earlier tick; a blow for nothing says 0.
                    QVERIFY2(!shown.contains(k) || shown.value(k) == "0",
                             qPrintable(QString("%1: %2").arg(k).arg(shown.value(k))));
                }
            }
        }
        QVERIFY(checked > 0);
    }

    void theClocksFollowTheBattleMode_data() { BothModes(); }

    void theClocksFollowTheBattleMode() {
        QFETCH(QString, mode);
        int attacker = -1;
        int defender = -1;
        FightField* field =
            AttackWithFirstPerson(mode == "Real" ? "Real" : "Turn", &attacker, &defender);
        QVERIFY(field);
        const bool real = mode == "Real";
        QCOMPARE(field->timer2().isActive(), real);
        if (real) QCOMPARE(field->timer2().interval(), 200);
        // A tick of the computer's clock moves his fighter one cell toward mine.
        field->ComputerTick();
        QCOMPARE(Control<QWidget>(field, "CI", 0)->pos(), QPoint(0, Cell(3840)));
        // Nobody strikes yet: nothing waits to be hidden.
        QVERIFY(!field->timer3().isActive());
    }

    void aComputerStrikeShowsItsWeaponUntilTheClockHidesIt() {
        int attacker = -1;
        int defender = -1;
        FightField* field = AttackWithFirstPerson("Real", &attacker, &defender);
        QVERIFY(field);
        // Give the defender a sword and some bite, and bring him next to me.
        world().HumanWeapon[defender] = "진검";
        world().HumanMembers[defender] = 500;
        for (int k = 0; k < 8; ++k)
            field->ComputerTick();
        QCOMPARE(Control<QWidget>(field, "CI", 0)->pos(), QPoint(0, Cell(480)));
        const double before = world().HumanStamina[attacker];
        field->ComputerTick();
        QVERIFY(world().HumanStamina[attacker] < before);
        auto* sword = Control<QWidget>(field, "ArmorI2", 3);
        QVERIFY(sword->isVisible());
        QCOMPARE(sword->pos(), QPoint(0, 0));
        QVERIFY(field->timer3().isActive());
        QCOMPARE(field->timer3().interval(), 100);
        field->HideTick();
        QVERIFY(!sword->isVisible());
    }

    void anAnnouncedAttackIsDefendedThroughTheDefenceScreen_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("strongDefence");
        QTest::newRow("won, turn by turn") << "Turn" << true;
        QTest::newRow("lost, turn by turn") << "Turn" << false;
        QTest::newRow("won, real time") << "Real" << true;
    }

    void anAnnouncedAttackIsDefendedThroughTheDefenceScreen() {
        QFETCH(QString, mode);
        QFETCH(bool, strongDefence);
        MainGame* map = StartOnMap(0);
        world().BattleMode = mode == "Real" ? BattleMode::Real : BattleMode::Turn;
        // 흑사파 comes from 도봉 to the player's 서초, as a turn end announces it.
        world().AttackFromCity = kTargetCity;
        world().AttackToCity = kOwnCity;
        LockMap(world());
        world().DefenceSetupOpen = true;
        for (auto& weapon : world().HumanWeapon)
            weapon = "주먹";
        for (int h = 0; h < kHumanCount; ++h) {
            const bool defender = world().IsIn(h, kOwnCity);
            if (!defender && !world().IsIn(h, kTargetCity)) continue;
            defender == strongDefence ? MakeStrong(h) : MakeWeak(h);
        }
        screens_->DefenceAnnounced();
        Defence* setup = screens_->defence();
        QVERIFY(setup && setup->isVisible());
        QVERIFY(!setup->findChild<QListWidget*>("LL2"));

        // No way out but the fight: closing and the cancel picture leave it open, and the
        // picture says so.
        setup->close();
        Click(setup->findChild<QWidget*>("Command2"));
        QVERIFY(setup->isVisible());
        QCOMPARE(platform_->informed.last(), QString::fromUtf8(kDefenceMustBeChosen));
        setup->OkClicked();
        QCOMPARE(platform_->informed.last(), kChoosePerson);

        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        setup->SelectAllClicked();
        QCOMPARE(setup->findChild<QPushButton*>("Command3")->text(), QString("모두 해제"));
        setup->SelectAllClicked();
        QVERIFY(ll1->selectedItems().isEmpty());
        ClickRow(ll1, ll1->item(0)->data(Qt::UserRole).toInt());
        setup->OkClicked();
        Settle();
        QVERIFY(!screens_->defence());
        FightField* field = screens_->fightField();
        QVERIFY(field);
        QCOMPARE(field->objectName(), QString("DefenceGround"));
        // Defending, the player's gang is still ours, on top; the attackers' below.
        QCOMPARE(Control<QLabel>(field, "Side", 0)->text(), QString("우리 편 (위)"));
        QCOMPARE(Control<QLabel>(field, "Skill", 1)->text(),
                 QString::fromStdString(world().GroupName[0]));
        QCOMPARE(Control<QLabel>(field, "Skill", 2)->text(),
                 QString::fromStdString(world().GroupName[6]));
        QVERIFY(!map->findChild<QPushButton*>("Cmd")->isEnabled());

        // The player hands his side over by its key; it walks to the attackers and beats them.
        platform_->informed.clear();
        QTest::keyClick(field, Qt::Key_F2);
        QVERIFY(field->autoTimer().isActive());
        QCOMPARE(field->findChild<QPushButton*>("AutoBattle")->text(), QString("직접 싸움 (F2)"));
        // Keys are not heeded while the side fights by itself.
        const Fight before = *session_->fight();
        QTest::keyClick(field, Qt::Key_Down);
        QVERIFY(*session_->fight() == before);
        // The computer's clock, when it has one, ticks between the side's own turns.
        for (int n = 0; n < 400 && screens_->fightField(); ++n) {
            field->AutoTick();
            if (mode == "Real" && screens_->fightField()) field->ComputerTick();
        }
        Settle();
        QVERIFY(!screens_->fightField());
        QCOMPARE(platform_->informed.size(), 2);
        QCOMPARE(platform_->informed[0], strongDefence ? kFightWon : kFightLost);
        QVERIFY(platform_->informed[1].endsWith(strongDefence
                                                    ? "서초는 이제 거지파의 구역입니다."
                                                    : "서초는 이제 흑사파의 구역입니다."));
        QVERIFY(!world().MapLocked);
        QVERIFY(!world().DefenceSetupOpen);
        // A lost defence hands 서초 to 흑사파, and the map shows it.
        QCOMPARE(world().OwnerOf(kOwnCity).value(), strongDefence ? 0 : 6);
        auto* own = Control<QPushButton>(map, "Cmd", kOwnCity);
        auto* from = Control<QPushButton>(map, "Cmd", kTargetCity);
        QVERIFY(own->isEnabled());
        QCOMPARE(own->styleSheet() == from->styleSheet(), !strongDefence);
    }

    // Five against five fought by itself: the normal pace moves one round every 200 ms; the fast
    // pace ends the fight within 5 s of its clock and with the very result the slow one gets.
    void theFastPaceEndsAFiveAgainstFiveFightInTime_data() { BothModes(); }

    void theFastPaceEndsAFiveAgainstFiveFightInTime() {
        QFETCH(QString, mode);
        FightField* field = FiveAgainstFive(mode);
        QVERIFY(field);
        // What the fight comes to when it is played out by the rules alone.
        World expectedWorld = world();
        Fight expectedFight = *session_->fight();
        PlayOutFight(expectedWorld, expectedFight);
        QVERIFY(expectedFight.over());

        field->ToggleAutoBattle();
        QCOMPARE(field->autoTimer().interval(), 200);
        QVERIFY(!field->timer2().isActive());  // both sides move on the one clock
        QTest::keyClick(field, Qt::Key_F3);    // 빠르게, by its key
        QVERIFY(field->fastPace());
        QCOMPARE(field->findChild<QPushButton*>("FastPace")->text(), QString("천천히 (F3)"));
        const int interval = field->autoTimer().interval();
        int ticks = 0;
        while (screens_->fightField() && ticks < 10000) {
            field->AutoTick();
            ++ticks;
        }
        Settle();
        QVERIFY(!screens_->fightField());
        QVERIFY2(ticks * interval <= 5000,
                 qPrintable(QString("%1 ticks of %2 ms").arg(ticks).arg(interval)));
        QVERIFY(world().HumanGroup == expectedWorld.HumanGroup);
        QVERIFY(world().HumanMembers == expectedWorld.HumanMembers);
        QVERIFY(world().HumanStamina == expectedWorld.HumanStamina);
        QVERIFY(world().CityOwnerColor == expectedWorld.CityOwnerColor);
    }

    void leavingTheGameTakesARunningFightAway() {
        int attacker = -1;
        int defender = -1;
        QVERIFY(AttackWithFirstPerson("Turn", &attacker, &defender));
        platform_->answer = true;  // 예 to leaving the game
        screens_->map()->close();
        Settle();
        QVERIFY(!screens_->fightField());
        QVERIFY(!session_->fight());
    }
};

QTEST_MAIN(FightScreensTest)
#include "FightScreensTest.moc"
