// A whole game without the mouse, offscreen: the map's district focus, the title menu with
// 이어하기, the fight set-ups after 모두 선택, the keys that did nothing before (Ctrl+T over the
// command menu, the save slots, the windows that only close, the guide, F10), each as a player
// presses them.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>
#include <functional>
#include <memory>
#include <set>

#include "ScreenTestSupport.h"
#include "fight/Fight.h"
#include "screens/Screens.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/dialogs/OpenFile.h"
#include "screens/dialogs/SaveFile.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/map/MainGame.h"
#include "screens/title/Credit.h"
#include "screens/title/MainMenu.h"
#include "screens/title/help.h"
#include "screens/title/infor.h"
#include "support/TestWorld.h"
#include "world/SavedGames.h"
#include "world/Tables.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

constexpr int kBeggars = 0;  // 거지파
constexpr int kSeocho = 7;   // 거지파's

void Activate(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// A key pressed where the keyboard is: the focused control of the active window.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY2(focused, "nothing has the keyboard");
    QTest::keyClick(focused, key, modifiers);
}

QString Focused() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString("(none)");
}

int CentreX(int c) {
    return kDistricts[c].left + kDistricts[c].width / 2;
}
int CentreY(int c) {
    return kDistricts[c].top + kDistricts[c].height / 2;
}

}  // namespace

class KeysEverywhereTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private:
    // How many entries of the title menu show marked: lit pictures, and 이어하기 lit or focused.
    static int Marked(MainMenu* menu) {
        int marked = 0;
        for (QWidget* lit : menu->findChildren<QWidget*>("Button2"))
            marked += lit->isVisibleTo(menu) ? 1 : 0;
        auto* resume = menu->findChild<QPushButton*>("Continue");
        auto* guide = menu->findChild<QPushButton*>("Command1");
        if (resume->isVisibleTo(menu) && (resume->property("lit").toBool() || resume->hasFocus()))
            ++marked;
        marked += guide->hasFocus() ? 1 : 0;
        return marked;
    }

  private slots:
    void init() { StartGameWithSlots(); }
    void cleanup() { StopGame(); }

    // From any district the four arrows lead, step by step, to every other one, and each step
    // goes the way of its arrow.
    void theArrowsReachEveryDistrict() {
        const int ways[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (int start = 0; start < kCityCount; ++start) {
            std::set<int> reached{start};
            std::vector<int> todo{start};
            while (!todo.empty()) {
                const int from = todo.back();
                todo.pop_back();
                for (const auto& way : ways) {
                    const int to = DistrictToward(from, way[0], way[1]);
                    if (to == from) continue;
                    if (way[0] != 0) QVERIFY(way[0] * (CentreX(to) - CentreX(from)) > 0);
                    if (way[1] != 0) QVERIFY(way[1] * (CentreY(to) - CentreY(from)) > 0);
                    if (reached.insert(to).second) todo.push_back(to);
                }
            }
            QCOMPARE(static_cast<int>(reached.size()), kCityCount);
        }
        // The nearest that way wins: nothing lies beyond the edge, so the focus stays.
        int westmost = 0;
        for (int c = 1; c < kCityCount; ++c) {
            if (CentreX(c) < CentreX(westmost)) westmost = c;
        }
        QCOMPARE(DistrictToward(westmost, -1, 0), westmost);
    }

    // The map's district focus: on the player's first district at the start, moved by the
    // arrows (and told to whoever follows it), opened by Enter or Space as a click opens it,
    // marked only while the map holds the keyboard; Tab goes on to the side buttons.
    void theMapHasADistrictFocus() {
        MainGame* map = StartOnMap(kBeggars);
        Activate(map);
        int first = -1;
        for (int c = 0; c < kCityCount && first < 0; ++c) {
            if (world().IsPlayerCity(c)) first = c;
        }
        QCOMPARE(map->focusedDistrict(), first);
        QCOMPARE(Focused(), QString("Image1"));
        auto* mark = map->findChild<QWidget*>("DistrictFocus");
        QVERIFY(mark && mark->isVisible());
        const QRect button = Control<QPushButton>(map, "Cmd", first)->geometry();
        QVERIFY(mark->geometry().contains(button));

        QSignalSpy followed(map, &MainGame::districtFocused);
        Press(Qt::Key_Right);
        const int east = DistrictToward(first, 1, 0);
        QCOMPARE(map->focusedDistrict(), east);
        QCOMPARE(followed.size(), 1);
        QCOMPARE(followed.first().first().toInt(), east);
        QVERIFY(mark->geometry().contains(Control<QPushButton>(map, "Cmd", east)->geometry()));

        for (Qt::Key open : {Qt::Key_Return, Qt::Key_Space}) {
            Activate(map);
            Press(open);
            GameMenu* menu = screens_->gameMenu();
            QVERIFY(menu);
            QCOMPARE(menu_().SelectedCity, east);
            menu->close();
            Settle();
        }

        // A click moves the focus too, so the keys go on from where the mouse was.
        QTest::mouseClick(Control<QPushButton>(map, "Cmd", kSeocho), Qt::LeftButton);
        QCOMPARE(map->focusedDistrict(), kSeocho);
        screens_->gameMenu()->close();
        Settle();

        Activate(map);
        Press(Qt::Key_Tab);
        QCOMPARE(Focused(), QString("Command1"));
        QVERIFY(!mark->isVisible());  // one mark at a time: the button's focus now
        Press(Qt::Key_Tab);
        QCOMPARE(Focused(), QString("Command2"));
        Press(Qt::Key_Backtab);
        Press(Qt::Key_Backtab);
        QCOMPARE(Focused(), QString("Image1"));
        QVERIFY(mark->isVisible());

        // A frozen map opens nothing.
        LockMapForTest();
        Press(Qt::Key_Return);
        QVERIFY(!screens_->gameMenu());
    }

    // The title menu: Up and Down go through 이어하기 and the four entries, Enter chooses what is
    // lit, and never are two things marked at once.
    void theTitleMenuByKeysWithContinue() {
        MainGame* map = StartOnMap(kBeggars);
        QVERIFY(!SaveGame(world(), slotFolder_->path(), kAutosaveSlot));
        map->findChild<QAction*>("기능_종료하기")->trigger();
        Settle();
        MainMenu* menu = screens_->mainMenu();
        QVERIFY(menu->isVisible());
        auto* resume = menu->findChild<QPushButton*>("Continue");
        QVERIFY(resume->isVisible());
        Activate(menu);
        QCOMPARE(menu->lit(), -1);
        QCOMPARE(Marked(menu), 0);

        struct Step {
            Qt::Key key;
            int lit;
        };
        const Step steps[] = {{Qt::Key_Down, MainMenu::kContinueEntry},
                              {Qt::Key_Down, 0},
                              {Qt::Key_Down, 1},
                              {Qt::Key_Up, 0},
                              {Qt::Key_Up, MainMenu::kContinueEntry},
                              {Qt::Key_Up, MainMenu::kContinueEntry}};
        for (const Step& step : steps) {
            Press(step.key);
            QCOMPARE(menu->lit(), step.lit);
            QCOMPARE(Marked(menu), 1);
            QCOMPARE(resume->hasFocus(), step.lit == MainMenu::kContinueEntry);
        }
        // Tab onto 안내서 보기 puts the entries out; Tab on round to 이어하기 lights it.
        Press(Qt::Key_Tab);
        QCOMPARE(Focused(), QString("Command1"));
        QCOMPARE(menu->lit(), -1);
        QCOMPARE(Marked(menu), 1);
        Press(Qt::Key_Tab);
        QCOMPARE(menu->lit(), MainMenu::kContinueEntry);
        QCOMPARE(Marked(menu), 1);

        Press(Qt::Key_Return);
        Settle();
        QVERIFY(session_->running());
        QVERIFY(!menu->isVisible());
    }

    // After 모두 선택, 확인 (here Enter on the list the keyboard went back to) sends everybody
    // selected, and never presses 모두 해제.
    void selectAllThenEnterSendsEverybody() {
        MainGame* map = StartOnMap(kBeggars);
        QTest::mouseClick(Control<QPushButton>(map, "Cmd", kSeocho), Qt::LeftButton);
        // Three of 서초 may still act; the others have acted this week.
        std::vector<int> able;
        for (int h : world().HumansIn(kSeocho)) {
            if (able.size() < 3 && world().HumanMembers[h] > 0 && world().HumanStamina[h] > 0) {
                able.push_back(h);
            } else {
                world().HumanCanAct[h] = false;
            }
        }
        screens_->gameMenu()->findChild<QAction*>("행동_싸움")->trigger();
        Attack* setup = screens_->attack();
        QVERIFY(setup);
        Activate(setup);
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        QCOMPARE(ll1->count(), 3);
        auto* ll2 = setup->findChild<QListWidget*>("LL2");
        ll2->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Down);  // the first district of another gang
        const int target = ll2->currentItem()->data(Qt::UserRole).toInt();
        auto* selectAll = setup->findChild<QPushButton*>("Command3");
        selectAll->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Space);
        QCOMPARE(selectAll->text(), QString("모두 해제"));
        QCOMPARE(Focused(), QString("LL1"));
        QVERIFY(ll1->currentItem() == nullptr);  // nobody pointed at, everybody selected
        Press(Qt::Key_Return);
        Settle();
        const Fight* fight = session_->fight();
        QVERIFY2(fight, qPrintable(platform_->informed.join(" / ")));
        QCOMPARE(fight->city, target);
        for (std::size_t i = 0; i < able.size(); ++i)
            QCOMPARE(fight->player[i].human, able[i]);
        QCOMPARE(fight->player[3].human, -1);
    }

    // Ctrl+T and the map's other shortcuts work while the command menu holds the keyboard.
    void theMapShortcutsWorkOverTheCommandMenu() {
        MainGame* map = StartOnMap(kBeggars);
        QTest::mouseClick(Control<QPushButton>(map, "Cmd", kSeocho), Qt::LeftButton);
        GameMenu* menu = screens_->gameMenu();
        const int week = world().Week;
        PressShortcut(menu, QKeyCombination(Qt::ControlModifier, Qt::Key_T));
        QCOMPARE(world().Week, week + 1);
        PressShortcut(screens_->gameMenu(), QKeyCombination(Qt::ControlModifier, Qt::Key_S));
        QVERIFY(screens_->saveFile() && screens_->saveFile()->isVisible());
    }

    // 저장하기 and 불러오기: the keyboard starts on the first slot, Enter chooses the focused one,
    // the arrows go from slot to slot, Esc closes.
    void theSlotsTakeEnterAndCloseByEsc() {
        StartOnMap(kBeggars);
        SaveFile* save = screens_->ShowSaveFile();
        Activate(save);
        QCOMPARE(Focused(), QString("OpenList"));
        Press(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget()->property("index").toInt(), 1);
        Press(Qt::Key_Return);
        World kept = world();
        QCOMPARE(LoadGame(kept, slotFolder_->path(), 1).state, SlotState::Game);
        QCOMPARE(Control<QPushButton>(save, "OpenList", 1)->text(),
                 QString::fromStdString(SlotLabel(slotFolder_->path(), 1, world())));
        Press(Qt::Key_Escape);
        Settle();
        QVERIFY(!screens_->saveFile());

        world().CityMoney[kSeocho] = 12345;
        OpenFile* open = screens_->ShowOpenFile();
        Activate(open);
        Press(Qt::Key_Down);
        Press(Qt::Key_Return);
        Settle();
        QVERIFY(world().CityMoney[kSeocho] != 12345);  // slot 1 loaded
        QVERIFY(!screens_->openFile());

        screens_->ShowOpenFile();
        Activate(screens_->openFile());
        Press(Qt::Key_Escape);
        Settle();
        QVERIFY(!screens_->openFile());
    }

    // 도움말, 정보 and 제작팀소개 close by Esc and by Enter; the guide scrolls by Page Down at
    // once.
    void theReadingWindowsCloseByEscAndEnter_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("key");
        for (int window = 0; window < 3; ++window) {
            static const char* kNames[] = {"도움말", "정보", "제작팀소개"};
            QTest::addRow("%s by Esc", kNames[window]) << window << int(Qt::Key_Escape);
            QTest::addRow("%s by Enter", kNames[window]) << window << int(Qt::Key_Return);
        }
    }

    void theReadingWindowsCloseByEscAndEnter() {
        QFETCH(int, window);
        QFETCH(int, key);
        const std::function<QWidget*()> open[] = {
            [this] { return static_cast<QWidget*>(screens_->ShowHelp()); },
            [this] { return static_cast<QWidget*>(screens_->ShowInfor()); },
            [this] { return static_cast<QWidget*>(screens_->ShowCredit()); }};
        const std::function<QWidget*()> current[] = {
            [this] { return static_cast<QWidget*>(screens_->helpScreen()); },
            [this] { return static_cast<QWidget*>(screens_->inforScreen()); },
            [this] { return static_cast<QWidget*>(screens_->credit()); }};
        QWidget* shown = open[window]();
        Activate(shown);
        if (window == 0) {
            QCOMPARE(Focused(), QString("Guide"));
            auto* guide = shown->findChild<QTextBrowser*>("Guide");
            QCOMPARE(guide->verticalScrollBar()->value(), 0);
            Press(Qt::Key_PageDown);
            QVERIFY(guide->verticalScrollBar()->value() > 0);
        }
        Press(static_cast<Qt::Key>(key));
        Settle();
        QVERIFY(!current[window]());
    }

  private:
    MenuState& menu_() { return menu(); }
    void LockMapForTest() {
        world().MapLocked = true;
        screens_->map()->Refresh();
    }
};

QTEST_MAIN(KeysEverywhereTest)
#include "KeysEverywhereTest.moc"
