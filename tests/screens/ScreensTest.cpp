// The windows as a player drives them, offscreen: title pages, the title menu, the choice of a
// gang, the map's menus and shortcuts, leaving a game and the endings.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "ScreenTestSupport.h"
#include "fight/Fight.h"
#include "game/NewWorld.h"
#include "screens/Music.h"
#include "screens/Screens.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/look/Art.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "screens/title/Credit.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "screens/title/MainMenu.h"
#include "screens/title/PicturePrint.h"
#include "screens/title/help.h"
#include "screens/title/infor.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/Settings.h"
#include "world/SharedRoutines.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

QAction* Item(QWidget* map, const char* name) {
    return map->findChild<QAction*>(QString::fromUtf8(name));
}

QMenu* MenuOf(QWidget* map, const char* name) {
    return map->findChild<QMenu*>(QString::fromUtf8(name));
}

}  // namespace

class ScreensTest : public QObject, GameOnScreen {
    Q_OBJECT

  private slots:
    void init() { StartGame(); }
    void cleanup() { StopGame(); }

    void titlePagesAdvanceByKeyAndClickAlike_data() {
        QTest::addColumn<QString>("inputs");  // k = a key press, c = a click on the picture
        QTest::newRow("keys") << "kkkk";
        QTest::newRow("clicks") << "cccc";
        QTest::newRow("mixed") << "kcck";
    }

    void titlePagesAdvanceByKeyAndClickAlike() {
        QFETCH(QString, inputs);
        GameLogo* logo = screens_->gameLogo();
        QWidget* image = logo->findChild<QWidget*>("Image1");
        QVERIFY(image);
        const int height = logo->height();
        const char* pages[] = {"title1", "title2", "title3"};
        for (int k = 0; k < 4; ++k) {
            if (inputs[k] == 'k') {
                QTest::keyClick(logo, Qt::Key_Space);
            } else {
                Click(image);
            }
            if (k < 3) {
                QCOMPARE(static_cast<Picture*>(image)->name(), QString(pages[k]));
                QCOMPARE(logo->width(), PictureSize(pages[k]).width());
                QCOMPARE(logo->height(), height);
                // Laid out once the first page is painted, hidden until the last.
                QVERIFY(!screens_->mainMenu() || !screens_->mainMenu()->isVisible());
            }
        }
        QVERIFY(screens_->mainMenu()->isVisible());
        QVERIFY(!logo->isVisible());
        QCOMPARE(logo->titlePage(), 5);
        // The labels stay on every page; the second one has turned into a black shadow.
        auto* label2 = logo->findChild<QLabel*>("Label2");
        QVERIFY(label2->styleSheet().contains("black"));
    }

    void titleMenuHighlightsTheEntryUnderTheMouse() {
        MainMenu* menu = screens_->ShowMainMenu();
        MouseMove(Control<QWidget>(menu, "Button1", 1));
        MouseMove(Control<QWidget>(menu, "Button1", 3));
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(Control<QWidget>(menu, "Button2", k)->isVisible(), k == 3);
            QCOMPARE(Control<QWidget>(menu, "Button1", k)->isVisible(), k != 3);
            QCOMPARE(Control<QWidget>(menu, "Button2", k)->pos(),
                     Control<QWidget>(menu, "Button1", k)->pos());
        }
    }

    // The keys light the entries as the mouse does, and Enter chooses the lit one.
    void titleMenuByTheKeys() {
        MainMenu* menu = screens_->ShowMainMenu();
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        const auto lit = [menu] {
            int shown = -1;
            for (int k = 0; k < 4; ++k) {
                if (Control<QWidget>(menu, "Button2", k)->isVisible()) shown = k;
            }
            return shown;
        };
        // As on a desktop, 안내서 보기 holds the keyboard focus: the keys still reach the menu.
        Control<QWidget>(menu, "Command1")->setFocus();
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        press(Qt::Key_Return);  // nothing lit: nothing chosen
        QVERIFY(!screens_->groupSelectMenu());
        press(Qt::Key_Up);
        QCOMPARE(lit(), 3);
        press(Qt::Key_Down);
        QCOMPARE(lit(), 3);  // the last entry stays lit
        for (int k = 0; k < 3; ++k)
            press(Qt::Key_Up);
        QCOMPARE(lit(), 0);
        press(Qt::Key_Return);
        QVERIFY(screens_->groupSelectMenu() && screens_->groupSelectMenu()->isVisible());
    }

    void quittingFromTheTitleMenuAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }

    void quittingFromTheTitleMenuAsksFirst() {
        QFETCH(bool, yes);
        platform_->answer = yes;
        MainMenu* menu = screens_->ShowMainMenu();
        const World before = world();
        MouseMove(Control<QWidget>(menu, "Button1", 3));
        Click(Control<QWidget>(menu, "Button2", 3));
        QCOMPARE(platform_->asked, QStringList{"종료하기|종료하시겠습니까?"});
        QCOMPARE(platform_->ends, yes ? 1 : 0);
        QVERIFY(menu->isVisible());
        QVERIFY(world() == before);
    }

    void choosingAGangWritesThePlayerAndTheEmblem() {
        screens_->ShowMainMenu();
        GroupSelectMenu* select = screens_->ShowGroupSelectMenu();
        // Top to bottom: 0, 3, 2, 5, 1, 4, 6.
        QList<QWidget*> emblems = select->findChildren<QWidget*>("GroupSelect");
        std::sort(emblems.begin(), emblems.end(),
                  [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
        QList<int> order;
        for (QWidget* emblem : emblems)
            order << emblem->property("index").toInt();
        QCOMPARE(order, (QList<int>{0, 3, 2, 5, 1, 4, 6}));
        // The pictures that serve as buttons say what they are.
        QCOMPARE(Control<QWidget>(select, "GroupSelect", 2)->accessibleName(), QString("불사파"));
        QCOMPARE(select->findChild<QWidget*>("Command1")->accessibleName(), QString("시작"));
        QCOMPARE(screens_->mainMenu()->findChild<QWidget*>("Button2")->accessibleName(),
                 QString("새 게임"));

        Click(Control<QWidget>(select, "GroupSelect", 5));
        Click(Control<QWidget>(select, "GroupSelect", 2));
        QCOMPARE(world().PlayerGroupIndex, 2);
        QCOMPARE(world().PlayerGroupName, std::string("불사파"));
        QCOMPARE(world().PlayerColor, Color{0xFFFF00});
        for (int g = 0; g < kGroupCount; ++g) {
            QCOMPARE(Control<QWidget>(select, "GroupSelect2", g)->isVisible(), g == 2);
        }

        Click(select->findChild<QWidget*>("Command1"));
        Settle();
        QCOMPARE(platform_->informed, QStringList{"도움말을 꼭 보십시오."});
        MainGame* map = screens_->map();
        QVERIFY(map && map->isVisible());
        QCOMPARE(map->findChild<Picture*>("GroupLogo")->name(), QString("emblem2_on"));
        QVERIFY(!screens_->groupSelectMenu());
        QVERIFY(!screens_->mainMenu()->isVisible());
        QVERIFY(session_->running());
        QCOMPARE(world().PlayerGroupIndex, 2);
    }

    void backKeepsTheGangClickedLast() {
        GroupSelectMenu* select = screens_->ShowGroupSelectMenu();
        Click(Control<QWidget>(select, "GroupSelect", 3));
        Click(select->findChild<QWidget*>("Command2"));
        Settle();
        QVERIFY(!screens_->groupSelectMenu());
        QCOMPARE(world().PlayerGroupIndex, 3);
        QVERIFY(!session_->running());
        // A later selection opens with nothing highlighted, and Start plays the recorded gang.
        select = screens_->ShowGroupSelectMenu();
        for (int g = 0; g < kGroupCount; ++g) {
            QVERIFY(!Control<QWidget>(select, "GroupSelect2", g)->isVisible());
        }
        select->Start();
        QCOMPARE(world().PlayerGroupName, std::string("영웅파"));
        QCOMPARE(screens_->map()->findChild<Picture*>("GroupLogo")->name(), QString("emblem3_on"));
    }

    // The keys choose as the clicks do: Down from nothing takes the top gang, Up and Down move
    // along the column and stop at its ends; Esc goes back, Enter starts.
    void theKeysChooseAGang() {
        GroupSelectMenu* select = screens_->ShowGroupSelectMenu();
        const auto press = [&select](Qt::Key key) {
            select->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(select));
            QTest::keyClick(select, key);
        };
        press(Qt::Key_Down);
        QCOMPARE(world().PlayerGroupIndex, 0);
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QCOMPARE(world().PlayerGroupIndex, 2);  // 0, 3, 2 from the top
        for (int g = 0; g < kGroupCount; ++g) {
            QCOMPARE(Control<QWidget>(select, "GroupSelect2", g)->isVisible(), g == 2);
        }
        for (int k = 0; k < 10; ++k)
            press(Qt::Key_Up);
        QCOMPARE(world().PlayerGroupIndex, 0);
        press(Qt::Key_Escape);
        Settle();
        QVERIFY(!screens_->groupSelectMenu());

        select = screens_->ShowGroupSelectMenu();
        press(Qt::Key_Up);
        QCOMPARE(world().PlayerGroupIndex, 6);  // the bottom gang
        press(Qt::Key_Return);
        Settle();
        QVERIFY(session_->running());
        QCOMPARE(world().PlayerGroupName, std::string("흑사파"));
    }

    void theMapPaintsTheOwnersAndOpensTheDistrict() {
        MainGame* map = StartOnMap(4);  // 종로파 holds 종로, 용산 and 중구
        QPushButton* jongno = Control<QPushButton>(map, "Cmd", 0);
        QCOMPARE(jongno->text(), QString("종로"));
        QCOMPARE(jongno->geometry(), QRect(320, 232, 41, 24));
        QVERIFY(jongno->styleSheet().contains("#00ff00"));
        QVERIFY(Control<QPushButton>(map, "Cmd", 8)->styleSheet().contains("#0000ff"));
        // Not by colour alone: each district carries its owner's letter, and says his name.
        QCOMPARE(Control<QLabel>(map, "OwnerMark", 0)->text(), QString("종"));
        QCOMPARE(Control<QLabel>(map, "OwnerMark", 8)->text(), QString("흑"));
        QCOMPARE(jongno->accessibleName(), QString("종로, 종로파 구역"));
        world().SetOwner(8, 4);
        map->Refresh();
        QCOMPARE(Control<QLabel>(map, "OwnerMark", 8)->text(), QString("종"));

        world().SetOwner(8, 6);
        map->Refresh();
        Click(Control<QPushButton>(map, "Cmd", 8));  // 도봉, 흑사파's
        QVERIFY(screens_->gameMenu()->isVisible());
        QCOMPARE(menu().SelectedCity, 8);
        QVERIFY(!menu().SelectedCityIsOwn);
        QCOMPARE(screens_->gameMenu()->findChild<QLabel*>("Citylabel")->text(), QString("도봉"));
        // The menu belongs to the map: the window manager keeps it above the map.
        QCOMPARE(screens_->gameMenu()->windowHandle()->transientParent(), map->windowHandle());
        // Its picture button says what it does.
        QCOMPARE(screens_->gameMenu()->findChild<QWidget*>("Command1")->accessibleName(),
                 QString("확인"));
        Click(jongno);
        QCOMPARE(menu().SelectedCity, 0);
        QVERIFY(menu().SelectedCityIsOwn);
        QCOMPARE(screens_->gameMenu()->findChild<QLabel*>("GroupLabel")->text(), QString("종로파"));
    }

    void theMenuShowsTheSettingsAndTheirShortcuts() {
        MainGame* map = StartOnMap(0);
        struct Check {
            const char* item;
            bool checked;
        };
        for (const Check& check :
             {Check{"옵션_전투_리얼타임", false}, Check{"옵션_전투_턴", true},
              Check{"옵션_음악_배경음악", true}, Check{"옵션_보기_알림상자", false},
              Check{"옵션_보기_체력막대바", true}, Check{"옵션_초반휴전", false},
              Check{"옵션_강한조직", false}}) {
            QVERIFY2(Item(map, check.item)->isChecked() == check.checked, check.item);
        }
        struct Shortcut {
            const char* item;
            const char* caption;
            QKeySequence keys;
        };
        for (const Shortcut& s :
             {Shortcut{"턴_종료", "종료", QKeySequence(Qt::CTRL | Qt::Key_T)},
              Shortcut{"기능_저장하기", "저장하기", QKeySequence(Qt::CTRL | Qt::Key_S)},
              Shortcut{"기능_불러오기", "불러오기", QKeySequence(Qt::CTRL | Qt::Key_O)},
              Shortcut{"기능_종료하기", "종료하기", QKeySequence(Qt::CTRL | Qt::Key_X)},
              Shortcut{"돈올리기", "돈올리기", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F6)}}) {
            QVERIFY2(Item(map, s.item), s.item);
            QCOMPARE(Item(map, s.item)->text(), QString(s.caption));
            QCOMPARE(Item(map, s.item)->shortcut(), s.keys);
        }

        Item(map, "옵션_전투_리얼타임")->trigger();
        QVERIFY(world().BattleMode == BattleMode::Real);
        QVERIFY(!Item(map, "옵션_전투_턴")->isChecked());
        Item(map, "옵션_보기_알림상자")->trigger();
        Item(map, "옵션_보기_체력막대바")->trigger();
        Item(map, "옵션_음악_배경음악")->trigger();
        QVERIFY(world().options.notices);
        QVERIFY(!world().options.healthBars);
        QVERIFY(!world().options.music);
        QVERIFY(!screens_->music().playing());
        QCOMPARE(Item(map, "옵션_초반휴전")->text(), QString("초반 휴전"));
        QCOMPARE(Item(map, "옵션_강한조직")->text(), QString("강한 조직"));
        Item(map, "옵션_초반휴전")->trigger();
        Item(map, "옵션_강한조직")->trigger();
        QVERIFY(world().options.truce);
        QVERIFY(world().options.strongGangs);
        Item(map, "옵션_강한조직")->trigger();
        QVERIFY(!world().options.strongGangs);
        QCOMPARE(Item(map, "옵션_살아있는세계")->text(), QString("살아있는 세계"));
        QVERIFY(!Item(map, "옵션_살아있는세계")->isChecked());
        Item(map, "옵션_살아있는세계")->trigger();
        QVERIFY(world().options.living);
        Item(map, "옵션_음악_배경음악")->trigger();
        QVERIFY(screens_->music().playing());

        // The settings outlive the game: the next game's menu shows them as they were left.
        platform_->answer = true;
        map->close();
        Settle();
        map = StartOnMap(1);
        QVERIFY(Item(map, "옵션_전투_리얼타임")->isChecked());
        QVERIFY(Item(map, "옵션_보기_알림상자")->isChecked());
        QVERIFY(!Item(map, "옵션_보기_체력막대바")->isChecked());
        QVERIFY(Item(map, "옵션_초반휴전")->isChecked());
        QVERIFY(!Item(map, "옵션_강한조직")->isChecked());
        QVERIFY(Item(map, "옵션_살아있는세계")->isChecked());
        QVERIFY(world().options.truce);
        QVERIFY(world().options.living);
    }

    // What the player chooses in the menu is written to the settings file at once, and the next
    // start reads it back (through the core's reader, as the console's --settings does).
    void optionsChosenInOneRunAreInForceInTheNext() {
        test::TempFolder config;
        const std::filesystem::path file = config.path() / "golmok" / "golmok.ini";
        screens_->SetSettingsFile(file);
        world().options.autosave = true;  // as the windows start
        MainGame* map = StartOnMap(0);
        for (const char* item : {"옵션_전투_리얼타임", "옵션_보기_알림상자", "옵션_보기_체력막대바",
                                 "옵션_음악_배경음악", "옵션_보기_이번주소식", "옵션_자동저장",
                                 "옵션_초반휴전", "옵션_강한조직"}) {
            Item(map, item)->trigger();
        }
        const Options chosen = world().options;
        QVERIFY(chosen.notices && !chosen.healthBars && !chosen.music && !chosen.news &&
                !chosen.autosave);
        QVERIFY(chosen.truce && chosen.strongGangs);
        QVERIFY(world().BattleMode == BattleMode::Real);
        QVERIFY(std::filesystem::is_regular_file(file));

        // The next start: a fresh world with the windows' defaults, then the file.
        StopGame();
        StartGame();
        world().options.autosave = true;
        QVERIFY(!(world().options == chosen));
        ReadSettingsFile(file, world());
        QVERIFY(world().options == chosen);
        QVERIFY(world().BattleMode == BattleMode::Real);
        map = StartOnMap(2);
        QVERIFY(Item(map, "옵션_전투_리얼타임")->isChecked());
        QVERIFY(!Item(map, "옵션_보기_체력막대바")->isChecked());
        QVERIFY(!Item(map, "옵션_자동저장")->isChecked());
        QVERIFY(Item(map, "옵션_강한조직")->isChecked());

        // Switching back is kept too.
        screens_->SetSettingsFile(file);
        Item(map, "옵션_전투_턴")->trigger();
        Item(map, "옵션_강한조직")->trigger();
        World next = world();
        next.options = Options{};
        next.BattleMode = BattleMode::Real;
        ReadSettingsFile(file, next);
        QVERIFY(next.BattleMode == BattleMode::Turn);
        QVERIFY(!next.options.strongGangs && next.options.truce);
    }

    void ctrlTEndsTheWeek_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("week");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("next week") << 1930 << 1 << 1 << QStringList{"1930", "1", "2"};
        QTest::newRow("next month") << 1930 << 3 << 4 << QStringList{"1930", "4", "1"};
        QTest::newRow("next year") << 1930 << 12 << 4 << QStringList{"1931", "1", "1"};
    }

    void ctrlTEndsTheWeek() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, week);
        QFETCH(QStringList, shown);
        MainGame* map = StartOnMap(0);
        world().Year = year;
        world().Month = month;
        world().Week = week;
        PressShortcut(map, QKeyCombination(Qt::ControlModifier, Qt::Key_T));
        QStringList labels;
        for (int i = 0; i < 3; ++i)
            labels << Control<QLabel>(map, "Skill", i)->text();
        QCOMPARE(labels, shown);
        QVERIFY(screens_->map());  // the game goes on
    }

    void aLockedMapRefusesEverythingButMoneyUp() {
        MainGame* map = StartOnMap(0);
        LockMap(world());
        map->Refresh();
        PressShortcut(map, QKeyCombination(Qt::ControlModifier, Qt::Key_T));
        QCOMPARE(world().Week, 1);
        for (const char* menu : {"턴", "옵션", "기능", "도움말"}) {
            QVERIFY2(!MenuOf(map, menu)->menuAction()->isEnabled(), menu);
        }
        QVERIFY(!Control<QPushButton>(map, "Cmd", 7)->isEnabled());
        const double before = world().CityMoney[7];  // 서초, 거지파's
        PressShortcut(map, QKeyCombination(Qt::ShiftModifier | Qt::ControlModifier, Qt::Key_F6));
        QCOMPARE(world().CityMoney[7], before + 10000000);
        QCOMPARE(platform_->informed.last(), QString("돈이 올라갔습니다."));

        UnlockMap(world());
        map->Refresh();
        QVERIFY(Control<QPushButton>(map, "Cmd", 7)->isEnabled());
        QVERIFY(MenuOf(map, "턴")->menuAction()->isEnabled());
    }

    void anAnnouncedAttackNeverLeavesTheMapFrozen() {
        MainGame* map = StartOnMap(0);
        // As a turn end leaves the world when a computer gang attacks: map locked, defence
        // set-up open.
        LockMap(world());
        world().DefenceSetupOpen = true;
        screens_->DefenceAnnounced();
        QVERIFY(!world().MapLocked);
        QVERIFY(!world().DefenceSetupOpen);
        QVERIFY(Control<QPushButton>(map, "Cmd", 7)->isEnabled());
        QVERIFY(MenuOf(map, "턴")->menuAction()->isEnabled());
    }

    void anAnnouncedAttackOpensTheDefence() {
        MainGame* map = StartOnMap(0);
        // 흑사파 comes from 도봉 to the player's 서초, as a turn end announces it.
        world().AttackFromCity = 8;
        world().AttackToCity = 7;
        LockMap(world());
        world().DefenceSetupOpen = true;
        screens_->DefenceAnnounced();
        Defence* defence = screens_->defence();
        QVERIFY(defence && defence->isVisible());
        // Everybody in 서초 is listed, whatever his state; the map waits for the fight.
        auto* ll1 = defence->findChild<QListWidget*>("LL1");
        QCOMPARE(ll1->count(), static_cast<int>(world().HumansIn(7).size()));
        QVERIFY(world().MapLocked);
        QVERIFY(!Control<QPushButton>(map, "Cmd", 7)->isEnabled());
    }

    void leavingTheMap_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("left");
        QTest::addColumn<int>("questions");
        QTest::newRow("quit answered no") << "no" << false << 1;
        QTest::newRow("quit answered yes") << "yes" << true << 1;
        // The title bar's close button asks the same question.
        QTest::newRow("window closed, answered no") << "close no" << false << 1;
        QTest::newRow("window closed, answered yes") << "close yes" << true << 1;
    }

    void leavingTheMap() {
        QFETCH(QString, how);
        QFETCH(bool, left);
        QFETCH(int, questions);
        MainGame* map = StartOnMap(0);
        Click(Control<QPushButton>(map, "Cmd", 7));
        platform_->answer = how.endsWith("yes");
        if (how.startsWith("close")) {
            map->close();
        } else {
            Item(map, "기능_종료하기")->trigger();
        }
        Settle();
        QCOMPARE(platform_->asked.size(), questions);
        QCOMPARE(screens_->map() == nullptr, left);
        QCOMPARE(screens_->gameMenu() == nullptr, left);
        QCOMPARE(screens_->mainMenu()->isVisible(), left);
        QCOMPARE(session_->running(), !left);
        QCOMPARE(platform_->ends, 0);
    }

    void aSecondGameStartsFromAFreshWorld() {
        MainGame* map = StartOnMap(0);
        map->EndTurnClicked();
        world().CityMoney[7] = 1;
        platform_->answer = true;
        map->close();
        Settle();
        StartOnMap(6);
        QCOMPARE(world().Week, 1);
        QCOMPARE(world().PlayerGroupName, std::string("흑사파"));
        QVERIFY(world().CityMoney[7] != 1);
    }

    void theGameEndsOnceWithItsEndingScreen_data() {
        QTest::addColumn<bool>("victory");
        QTest::addColumn<QString>("inputs");  // k = key, c = click on the picture
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("victory by keys") << true << "kk" << QStringList{"victory1", "victory2"};
        QTest::newRow("victory by clicks") << true << "cc" << QStringList{"victory1", "victory2"};
        QTest::newRow("defeat") << false << "k" << QStringList{"defeat"};
    }

    void theGameEndsOnceWithItsEndingScreen() {
        QFETCH(bool, victory);
        QFETCH(QString, inputs);
        QFETCH(QStringList, pages);
        MainGame* map = StartOnMap(0);
        for (int c = 0; c < kCityCount; ++c)
            world().SetOwner(c, victory ? 0 : 1);
        map->EndTurnClicked();
        Settle();
        const QString message = victory ? "당신의 조직은 서울의 모든 지역들을 장악했습니다."
                                        : "당신은 조직은 망했습니다.";
        QCOMPARE(platform_->informed.count(message), 1);
        QVERIFY(!screens_->map());
        QVERIFY(!screens_->mainMenu()->isVisible());
        PicturePrint* ending = screens_->ending();
        QVERIFY(ending && ending->isVisible());
        QCOMPARE(ending->windowTitle(), QString("THE END"));
        auto* joke = ending->findChild<QLabel*>("Label1");
        QCOMPARE(joke->isVisible(), victory);
        if (victory) QVERIFY(ending->height() > PictureSize("victory1").height() + joke->height());

        // Nothing else announces the end a second time.
        screens_->OwnersChanged();
        QCOMPARE(platform_->informed.count(message), 1);

        for (int k = 0; k < inputs.size(); ++k) {
            QCOMPARE(ending->pictureShown(), pages[k]);
            QCOMPARE(platform_->ends, 0);
            if (inputs[k] == 'k') {
                QTest::keyClick(ending, Qt::Key_Return);
            } else {
                Click(ending->findChild<QWidget*>("Image1"));
            }
            if (k + 1 < inputs.size()) QVERIFY(!joke->isVisible());
        }
        QCOMPARE(platform_->ends, 1);
    }

    void helpAndInformationScreensExistOnce() {
        MainGame* map = StartOnMap(0);
        Item(map, "도움말_도움말")->trigger();
        QWidget* first = screens_->helpScreen();
        Click(map->findChild<QPushButton*>("Command2"));  // the map's 도움말 button
        QCOMPARE(static_cast<QWidget*>(screens_->helpScreen()), first);
        QCOMPARE(first->windowTitle(), QString("도움말"));
        QVERIFY(first->findChild<QPlainTextEdit*>("Text1")->toPlainText().startsWith(
            "맞짱방법\n\n맞짱을 까고 있는 상태에서\n"));
        Item(map, "도움말_정보")->trigger();
        Item(map, "도움말_제작팀소개")->trigger();
        QCOMPARE(screens_->inforScreen()->windowTitle(), QString("정보"));
        QCOMPARE(screens_->credit()->windowTitle(), QString("제작팀소개"));
        // The map's 안내서 보기 shows the guide in the help screen; its own button hands it to
        // the browser.
        first->close();
        Settle();
        Click(map->findChild<QPushButton*>("Command1"));
        QVERIFY(screens_->helpScreen());
        QCOMPARE(platform_->homePages, 0);
        platform_->informed.clear();
        Click(screens_->helpScreen()->findChild<QPushButton*>("Command1"));
        QCOMPARE(platform_->homePages, 1);
        QVERIFY(platform_->informed.isEmpty());
        // Without a browser the player is told so, and where the guide is to be read.
        platform_->browser = false;
        Click(screens_->helpScreen()->findChild<QPushButton*>("Command1"));
        QCOMPARE(platform_->informed, QStringList{QString::fromUtf8(kNoBrowser)});
    }
};

QTEST_MAIN(ScreensTest)
#include "ScreensTest.moc"
