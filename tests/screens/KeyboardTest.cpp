// The keyboard as good as the mouse, offscreen: in every kind of list (people, districts, gangs,
// lists of several choices) moving the current entry with the keys is a click on it, and 확인
// acts on the entry shown as chosen; Tab goes through a window's controls in order; Enter is 확인
// and Esc 취소 wherever the game allows it.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ScreenTestSupport.h"
#include "fight/Fight.h"
#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/map/MainGame.h"
#include "screens/title/GroupSelectMenu.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

constexpr int kBeggars = 0;  // 거지파
constexpr int kSeocho = 7;   // 거지파's, nine people with 번개손 first
constexpr int kGwanak = 12;  // 거지파's too
constexpr int kDongdaemun = 1;
constexpr int kNowon = 15;

// The world value a choice in the list sets.
// Person and District: the menu's SelectedHuman or SelectedTargetCity; Hostility: the figure shows
// the chosen gang's hostility; Shown: the figure is filled.
enum class Sets { Person, District, Hostility, Shown };

QListWidgetItem* RowOf(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void ClickItem(QListWidget* list, QListWidgetItem* item) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// A key pressed where the keyboard is: the focused control of the active window.
void Press(Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY2(focused, "nothing has the keyboard");
    QTest::keyClick(focused, key);
}

QString Focused() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString("(none)");
}

void Activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

QStringList SelectedTexts(QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected()) texts << list->item(row)->text();
    }
    return texts;
}

}  // namespace

class KeyboardTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private:
    MainGame* map_ = nullptr;

    void ClickDistrict(int city) {
        QTest::mouseClick(Control<QPushButton>(map_, "Cmd", city), Qt::LeftButton);
    }

    void Trigger(const char* item) {
        QAction* action = screens_->gameMenu()->findChild<QAction*>(QString::fromUtf8(item));
        QVERIFY(action);
        action->trigger();
    }

    // The attack set-up of 서초 with 번개손 clicked, active and ready for keys.
    Attack* AttackWithBoss() {
        Trigger("행동_싸움");
        Attack* setup = screens_->attack();
        Activate(setup);
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        ClickItem(ll1, RowOf(ll1, "번개손"));
        return setup;
    }

    // The value of the world that a click on an entry of this kind sets.
    int ChosenValue(Sets kind) {
        switch (kind) {
            case Sets::Person:
                return menu().SelectedHuman;
            case Sets::District:
                return menu().SelectedTargetCity;
            case Sets::Hostility:
            case Sets::Shown:
                break;
        }
        return -1;
    }

  private slots:
    void init() {
        StartGame();
        map_ = StartOnMap(kBeggars);
        ClickDistrict(kSeocho);
        platform_->informed.clear();
    }

    void cleanup() { StopGame(); }

    // The attack that went to the wrong district: a target chosen with the keys counts, and
    // 확인 attacks the district the list shows selected, whatever 이동 or an earlier click left.
    void theAttackGoesWhereTheListShows_data() {
        QTest::addColumn<bool>("moveFirst");   // 이동, click 관악, 취소, before 맞짱
        QTest::addColumn<QString>("clicked");  // a target clicked before the keys ("" for none)
        QTest::addColumn<int>("target");       // where the arrows stop
        QTest::newRow("이동 left 관악 behind") << true << QString() << kDongdaemun;
        QTest::newRow("a click on 종로, then the arrows") << false << QString("종로") << kNowon;
    }

    void theAttackGoesWhereTheListShows() {
        QFETCH(bool, moveFirst);
        QFETCH(QString, clicked);
        QFETCH(int, target);
        if (moveFirst) {
            Trigger("행동_이동");
            CommandDialog* move = screens_->dialog("MoveCity");
            auto* destinations = move->findChild<QListWidget*>("LL2");
            ClickItem(destinations, RowOf(destinations, "관악"));
            QCOMPARE(menu().SelectedTargetCity, kGwanak);
            Click(move->findChild<QWidget*>("Command2"));
            Settle();
            QVERIFY(!screens_->dialog("MoveCity"));
        }
        Attack* setup = AttackWithBoss();
        auto* ll2 = setup->findChild<QListWidget*>("LL2");
        if (clicked.isEmpty()) {
            // 번개손 clicked, then Tab, Tab: the weapon, then the target list.
            Press(Qt::Key_Tab);
            QCOMPARE(Focused(), QString("Combo1"));
            Press(Qt::Key_Tab);
        } else {
            ClickItem(ll2, RowOf(ll2, clicked));
            QCOMPARE(menu().SelectedTargetCity, 0);
        }
        QCOMPARE(Focused(), QString("LL2"));
        const QString wanted = QString::fromStdString(world().CityName[target]);
        for (int presses = 0; presses < ll2->count(); ++presses) {
            if (ll2->currentItem() && ll2->currentItem()->text() == wanted) break;
            Press(Qt::Key_Down);
            // What the list shows chosen is always the one entry the keys are on.
            QCOMPARE(SelectedTexts(ll2), QStringList{ll2->currentItem()->text()});
        }
        QCOMPARE(ll2->currentItem()->text(), wanted);
        QCOMPARE(menu().SelectedTargetCity, target);
        Click(setup->findChild<QWidget*>("Command1"));
        Settle();
        const Fight* fight = session_->fight();
        QVERIFY2(fight, qPrintable(platform_->informed.join(" / ")));
        QCOMPARE(fight->city, target);
        QCOMPARE(fight->player[0].human, menu().SelectedHuman);
        QCOMPARE(QString::fromStdString(world().HumanName[fight->player[0].human]),
                 QString("번개손"));
    }

    // Each kind of list: the arrows, Home and End move the current entry, and each move is a
    // click: the entry is selected alone and the world holds the choice.
    void keysChooseInEveryKindOfList_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("figure");  // a Skill label the click fills (-1: none)
        const auto row = [](const char* name, const char* item, const char* dialog,
                            const char* list, Sets kind, int figure) {
            QTest::newRow(name) << QString(item) << QString(dialog) << QString(list)
                                << static_cast<int>(kind) << figure;
        };
        row("people of 돈걷기", "도시_돈걷기", "GiveMeMoney", "LL", Sets::Person, 0);
        row("people of 해고", "인사_해고", "Dismiss", "LL", Sets::Person, -1);
        row("people of 인물정보", "정보_인물정보", "HumanInfo", "LL", Sets::Shown, 0);
        row("traders of 무기매입", "거래_무기매입", "ArmsBuy", "LL", Sets::Person, 1);
        row("scouts of 행동대장 스카웃", "인사_행동대장모집", "Scout", "LL1", Sets::Person, 11);
        row("escorts of 수송", "행동_수송", "Transport", "LL1", Sets::Person, 0);
        row("envoys of 동맹", "외교_동맹", "AllyOk", "LL1", Sets::Person, 0);
        row("districts of 수송", "행동_수송", "Transport", "LL2", Sets::District, -1);
        row("districts of 이동", "행동_이동", "MoveCity", "LL2", Sets::District, -1);
        row("districts of 행동대장 스카웃", "인사_행동대장모집", "Scout", "LL3", Sets::Shown, -1);
        row("gangs of 동맹", "외교_동맹", "AllyOk", "LL2", Sets::Hostility, 2);
        row("gangs of 원조", "외교_원조", "AllyHelp", "LL2", Sets::Hostility, 2);
        row("gangs of 조직정보", "정보_조직정보", "GroupInfo", "LL", Sets::Shown, 1);
    }

    void keysChooseInEveryKindOfList() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        QFETCH(QString, list);
        QFETCH(int, kind);
        QFETCH(int, figure);
        if (dialog == "AllyHelp") world().GroupAlly[3] = world().GroupAlly[5] = 1;
        Trigger(item.toUtf8().constData());
        CommandDialog* window = screens_->dialog(dialog);
        QVERIFY(window);
        Activate(window);
        auto* entries = window->findChild<QListWidget*>(list);
        QVERIFY(entries->count() >= 2);
        entries->setFocus(Qt::TabFocusReason);
        // The focus alone chooses nothing.
        QVERIFY(entries->selectedItems().isEmpty());

        const auto expectChosen = [&](int row) {
            QCOMPARE(entries->currentRow(), row);
            QCOMPARE(entries->selectedItems(), QList<QListWidgetItem*>{entries->item(row)});
            const int value = entries->item(row)->data(Qt::UserRole).toInt();
            const Sets sets = static_cast<Sets>(kind);
            if (sets == Sets::Person || sets == Sets::District) {
                QCOMPARE(ChosenValue(sets), value);
            }
            if (sets == Sets::Hostility) {
                QCOMPARE(Control<QLabel>(window, "Skill", figure)->text(),
                         QString::number(world().GroupHostility[value]));
            }
            if (figure >= 0) QVERIFY(!Control<QLabel>(window, "Skill", figure)->text().isEmpty());
        };
        Press(Qt::Key_Down);
        expectChosen(0);
        Press(Qt::Key_Down);
        expectChosen(1);
        Press(Qt::Key_End);
        expectChosen(entries->count() - 1);
        Press(Qt::Key_Up);
        expectChosen(entries->count() - 2);
        Press(Qt::Key_Home);
        expectChosen(0);
    }

    // A list of several choices: the keys move onto a person and show him as a click does, and
    // Space puts him in or takes him out; 확인 sends exactly those shown selected.
    void fightersAreShownByTheKeysAndSentBySpace() {
        Attack* setup = AttackWithBoss();  // 번개손 clicked: selected
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        auto* combo = setup->findChild<QComboBox*>("Combo1");
        Press(Qt::Key_Down);
        const int second = ll1->currentItem()->data(Qt::UserRole).toInt();
        QCOMPARE(menu().SelectedHuman, second);  // shown as by a click
        QCOMPARE(Control<QLabel>(setup, "Skill", 3)->text(),
                 QString::number(world().HumanAttack[second]));
        QVERIFY(!ll1->currentItem()->isSelected());  // but not sent out
        // The weapon chosen now is the shown person's, whoever another window chose since.
        menu().SelectedHuman = 0;
        combo->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Down);
        QCOMPARE(QString::fromStdString(world().HumanWeapon[second]), QString("각목"));
        QCOMPARE(QString::fromStdString(world().HumanWeapon[0]), QString("주먹"));
        Press(Qt::Key_Up);
        QCOMPARE(QString::fromStdString(world().HumanWeapon[second]), QString("주먹"));
        ll1->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Space);
        QCOMPARE(SelectedTexts(ll1), (QStringList{"번개손", ll1->currentItem()->text()}));
        Press(Qt::Key_Down);
        Press(Qt::Key_Space);
        Press(Qt::Key_Space);  // in and out again
        QCOMPARE(SelectedTexts(ll1).size(), 2);
        auto* ll2 = setup->findChild<QListWidget*>("LL2");
        ClickItem(ll2, RowOf(ll2, "도봉"));
        Click(setup->findChild<QWidget*>("Command1"));
        Settle();
        const Fight* fight = session_->fight();
        QVERIFY2(fight, qPrintable(platform_->informed.join(" / ")));
        QCOMPARE(QString::fromStdString(world().HumanName[fight->player[0].human]),
                 QString("번개손"));
        QCOMPARE(fight->player[1].human, second);
        QCOMPARE(fight->player[2].human, -1);
    }

    // 이동's people: the keys point at the list as a click does, Space selects, and Enter moves
    // those selected to the district the keys chose.
    void moversAreChosenByTheKeys() {
        Trigger("행동_이동");
        CommandDialog* move = screens_->dialog("MoveCity");
        Activate(move);
        auto* people = move->findChild<QListWidget*>("LL1");
        people->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Down);
        Press(Qt::Key_Down);
        Press(Qt::Key_Space);
        const int mover = people->currentItem()->data(Qt::UserRole).toInt();
        auto* destinations = move->findChild<QListWidget*>("LL2");
        destinations->setFocus(Qt::TabFocusReason);
        while (destinations->currentItem() == nullptr ||
               destinations->currentItem()->text() != "관악") {
            Press(Qt::Key_Down);
        }
        Press(Qt::Key_Return);
        QCOMPARE(world().HumanCity[mover], world().CityName[kGwanak]);
        QCOMPARE(world().HumanCity[people->item(0)->data(Qt::UserRole).toInt()],
                 world().CityName[kSeocho]);
    }

    // Enter is 확인 wherever the focus is but on another button, which Enter presses instead;
    // Esc is 취소.
    void enterConfirmsAndEscCancels() {
        Trigger("도시_돈걷기");
        CommandDialog* collect = screens_->dialog("GiveMeMoney");
        Activate(collect);
        auto* list = collect->findChild<QListWidget*>("LL");
        list->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Down);
        Press(Qt::Key_Down);
        const int collector = list->currentItem()->data(Qt::UserRole).toInt();
        const double money = world().CityMoney[kSeocho];
        Press(Qt::Key_Enter);
        QCOMPARE(platform_->informed, QStringList{"돈이 걷혀졌습니다."});
        QVERIFY(world().CityMoney[kSeocho] > money);
        QVERIFY(!world().HumanCanAct[collector]);
        QVERIFY(world().HumanCanAct[list->item(0)->data(Qt::UserRole).toInt()]);
        Settle();
        QVERIFY(!screens_->dialog("GiveMeMoney"));

        // Enter on the focused 취소 presses 취소: nothing happens but the closing.
        Trigger("도시_돈걷기");
        collect = screens_->dialog("GiveMeMoney");
        Activate(collect);
        list = collect->findChild<QListWidget*>("LL");
        list->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Down);
        collect->findChild<QWidget*>("Command2")->setFocus(Qt::TabFocusReason);
        const World before = world();
        Press(Qt::Key_Return);
        Settle();
        QVERIFY(!screens_->dialog("GiveMeMoney"));
        QVERIFY(world() == before);

        // Esc: 취소.
        Trigger("도시_상업개발");
        CommandDialog* develop = screens_->dialog("Trade");
        Activate(develop);
        develop->findChild<QListWidget*>("LL")->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Down);
        Press(Qt::Key_Escape);
        Settle();
        QVERIFY(!screens_->dialog("Trade"));
        QVERIFY(world() == before);

        // The attack set-up: Enter is its 확인, Esc its 취소.
        Attack* setup = AttackWithBoss();
        Press(Qt::Key_Return);
        QCOMPARE(platform_->informed.last(), QString("도시를 선택해주세요."));
        Press(Qt::Key_Escape);
        Settle();
        QVERIFY(!screens_->attack());
        Q_UNUSED(setup);

        // F10 opens the command menu's first menu with its first item lit; the arrows and Enter
        // choose a command.
        ClickDistrict(kSeocho);
        Activate(screens_->gameMenu());
        QTest::keyClick(screens_->gameMenu(), Qt::Key_F10);
        QMenu* action = screens_->gameMenu()->findChild<QMenu*>("행동");
        QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(action));
        QCOMPARE(action->activeAction(), action->actions().first());
        const int healRow = static_cast<int>(action->actions().indexOf(
            screens_->gameMenu()->findChild<QAction*>("행동_치료")));
        for (int k = 0; k < healRow; ++k)
            QTest::keyClick(action, Qt::Key_Down);
        QTest::keyClick(action, Qt::Key_Return);
        Settle();
        QVERIFY(screens_->dialog("Heal"));
        screens_->dialog("Heal")->close();
        Settle();

        // The command menu itself: Enter is its 확인, and Esc closes it as well.
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            ClickDistrict(kSeocho);
            Activate(screens_->gameMenu());
            Press(key);
            Settle();
            QVERIFY(!screens_->gameMenu());
        }
    }

    // F10's menus go round: Left from the first menu reaches the last item of the bar (the map's
    // 돈올리기, which opens no menu) and goes on past it; Right from the last comes back to the
    // first.
    void theMenuBarsGoRound() {
        const auto lit = [](QWidget* window) {
            QMenuBar* bar = window->findChild<QMenuBar*>();
            return bar->activeAction() ? bar->activeAction()->text() : QString("(none)");
        };
        const auto open = [] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return popup ? popup->title() : QString("(none)");
        };
        // As the keyboard goes: to the open menu, else to what holds the keyboard.
        const auto press = [](Qt::Key key) {
            QWidget* popup = QApplication::activePopupWidget();
            QWidget* target = popup ? popup : QApplication::focusWidget();
            QVERIFY(target);
            QTest::keyClick(target, key);
        };
        // The command menu's six menus go round.
        ClickDistrict(kSeocho);
        Activate(screens_->gameMenu());
        QTest::keyClick(screens_->gameMenu(), Qt::Key_F10);
        QTRY_COMPARE(open(), QString("행동"));
        press(Qt::Key_Left);
        QTRY_COMPARE(open(), QString("도시"));
        press(Qt::Key_Right);
        QTRY_COMPARE(open(), QString("행동"));
        press(Qt::Key_Escape);
        QTRY_COMPARE(open(), QString("(none)"));
        screens_->gameMenu()->close();

        // The map's bar, 돈올리기 included.
        Activate(map_);
        QTest::keyClick(map_, Qt::Key_F10);
        QTRY_COMPARE(open(), QString("턴"));
        press(Qt::Key_Left);
        QTRY_COMPARE(lit(map_), QString("돈올리기"));
        QCOMPARE(open(), QString("(none)"));
        press(Qt::Key_Left);
        QTRY_COMPARE(open(), QString("도움말"));
        press(Qt::Key_Right);
        QTRY_COMPARE(lit(map_), QString("돈올리기"));
        press(Qt::Key_Right);
        QTRY_COMPARE(open(), QString("턴"));
        press(Qt::Key_Escape);
        QTRY_COMPARE(open(), QString("(none)"));
        press(Qt::Key_Escape);  // the bar, still lit, lets go of the keyboard
        QTRY_COMPARE(lit(map_), QString("(none)"));
        // Enter on 돈올리기, lit by the keys, adds the money as its shortcut does.
        QTest::keyClick(map_, Qt::Key_F10);
        QTRY_COMPARE(open(), QString("턴"));
        press(Qt::Key_Left);
        QTRY_COMPARE(lit(map_), QString("돈올리기"));
        press(Qt::Key_Return);
        QCOMPARE(platform_->informed.last(), QString("돈이 올라갔습니다."));
        QCOMPARE(lit(map_), QString("(none)"));
    }

    // The defence cannot be called off: Esc leaves it where it is; Enter is still its 확인.
    void theDefenceIgnoresEsc() {
        DefenceAnnouncedFor(kSeocho);
        Defence* defence = screens_->defence();
        QVERIFY(defence);
        Activate(defence);
        auto* ll1 = defence->findChild<QListWidget*>("LL1");
        ll1->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Escape);
        Settle();
        QCOMPARE(screens_->defence(), defence);
        QVERIFY(defence->isVisible());
        Press(Qt::Key_Down);
        Press(Qt::Key_Space);
        const int first = ll1->item(0)->data(Qt::UserRole).toInt();
        Press(Qt::Key_Return);
        Settle();
        QVERIFY2(session_->fight(), qPrintable(platform_->informed.join(" / ")));
        QCOMPARE(session_->fight()->player[0].human, first);
    }

    // Tab goes through each window's controls in the order the player reads them, 확인 and 취소
    // included.
    void tabGoesThroughTheControlsInOrder_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("chain");  // from the first list, once round
        QTest::newRow("동맹") << "외교_동맹"
                              << "AllyOk" << QStringList{"LL1",   "LL2",   "Text1",    "Text1",
                                                         "Text1", "Text1", "Command1", "Command2"};
        QTest::newRow("행동대장 스카웃")
            << "인사_행동대장모집"
            << "Scout" << QStringList{"LL1", "LL3", "LL2", "Text1", "Command1", "Command2"};
        QTest::newRow("맞짱") << "행동_싸움"
                              << "Attack"
                              << QStringList{"LL1",      "Combo1",   "LL2",     "Command3",
                                             "Command1", "Command2", "Command4"};
    }

    void tabGoesThroughTheControlsInOrder() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        QFETCH(QStringList, chain);
        Trigger(item.toUtf8().constData());
        QWidget* window = dialog == "Attack" ? static_cast<QWidget*>(screens_->attack())
                                             : screens_->dialog(dialog);
        QVERIFY(window);
        Activate(window);
        auto* first = window->findChild<QListWidget*>(chain.first());
        if (dialog == "Attack") {
            ClickItem(first, first->item(0));  // the weapon shows once a person is clicked
        }
        first->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (qsizetype k = 0; k < chain.size(); ++k) {
            visited << Focused();
            Press(Qt::Key_Tab);
        }
        QCOMPARE(visited, chain);
        QCOMPARE(Focused(), chain.first());  // and round again
    }

  private:
    // 흑사파 comes from 도봉 to `city`, as a turn end announces it: the defence set-up is open.
    void DefenceAnnouncedFor(int city) {
        screens_->gameMenu()->close();
        Settle();
        AnnounceAttack(8, city);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
