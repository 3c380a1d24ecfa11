// What cannot be taken back is asked first, offscreen: 해고, 동맹취소, an 이동 that leaves the
// district empty, saving over a kept game and closing the map by its title bar each put a question;
// 아니요 changes nothing, 예 goes ahead. A command that would be refused anyway asks nothing, and
// neither does one that loses nothing.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "ScreenTestSupport.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/dialogs/SaveFile.h"
#include "screens/map/MainGame.h"
#include "screens/title/MainMenu.h"
#include "support/TestWorld.h"
#include "world/SavedGames.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

constexpr int kBeggars = 0;  // 거지파
constexpr int kSeocho = 7;   // 거지파's, eleven people
constexpr int kGwanak = 12;  // 거지파's too
constexpr int kHeroes = 3;   // 영웅파

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void ClickRow(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    ClickRow(list, list->row(found.first()));
}

}  // namespace

class QuestionsTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private:
    MainGame* map_ = nullptr;

    CommandDialog* Open(const char* item, const char* dialog) {
        QAction* action = screens_->gameMenu()->findChild<QAction*>(QString::fromUtf8(item));
        if (!action) return nullptr;
        action->trigger();
        return screens_->dialog(QString::fromUtf8(dialog));
    }

    // The world as a slot holds it: what a question answered 아니요 must leave alone.
    std::string Saved() { return SaveText(world()); }

    // 이동 from 서초 to 관악 with the first `movers` people of the list selected (all with -1).
    CommandDialog* MoveFromSeocho(int movers) {
        CommandDialog* move = Open("행동_이동", "MoveCity");
        if (!move) return nullptr;
        auto* people = move->findChild<QListWidget*>("LL1");
        if (movers < 0) {
            Click(move->findChild<QPushButton*>("Command3"));  // 모두 선택
        } else {
            for (int row = 0; row < movers; ++row)
                ClickRow(people, row);
        }
        ClickRow(move->findChild<QListWidget*>("LL2"), "관악");
        return move;
    }

  private slots:
    void init() {
        StartGameWithSlots();
        platform_->answer = false;  // each test answers for itself
        map_ = StartOnMap(kBeggars);
        QTest::mouseClick(Control<QPushButton>(map_, "Cmd", kSeocho), Qt::LeftButton);
        platform_->informed.clear();
    }

    void cleanup() { StopGame(); }

    // Each command that loses something: the question, then 아니요 keeps everything as it was and
    // the dialog open, 예 carries the command out.
    void eachLossIsAskedFirst_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("title");
        QTest::newRow("해고") << 0 << "해고";
        QTest::newRow("동맹취소") << 1 << "동맹취소";
        QTest::newRow("이동 that empties 서초") << 2 << "이동";
        QTest::newRow("저장하기 over a kept game") << 3 << "저장하기";
    }

    void eachLossIsAskedFirst() {
        QFETCH(int, which);
        QFETCH(QString, title);
        // Sets up the command and returns its 확인; `done` says whether it was carried out.
        std::function<void()> confirm;
        std::function<bool()> done;
        QWidget* window = nullptr;
        int dismissed = -1;
        switch (which) {
            case 0: {
                auto* dismiss = Open("인사_해고", "Dismiss");
                QVERIFY(dismiss);
                auto* list = dismiss->findChild<QListWidget*>("LL");
                ClickRow(list, 0);
                dismissed = list->item(0)->data(Qt::UserRole).toInt();
                confirm = [dismiss] { dismiss->Confirm(); };
                done = [this, dismissed] { return world().HumanCity[dismissed] == "백수동네"; };
                window = dismiss;
                break;
            }
            case 1: {
                world().GroupAlly[kHeroes] = 1;
                auto* cancel = Open("외교_동맹취소", "AllyCancel");
                QVERIFY(cancel);
                ClickRow(cancel->findChild<QListWidget*>("LL"), "영웅파");
                confirm = [cancel] { cancel->Confirm(); };
                done = [this] { return world().GroupAlly[kHeroes] == 0; };
                window = cancel;
                break;
            }
            case 2: {
                auto* move = MoveFromSeocho(-1);
                QVERIFY(move);
                confirm = [move] { move->Confirm(); };
                done = [this] { return world().HumansIn(kSeocho).empty(); };
                window = move;
                break;
            }
            case 3: {
                QVERIFY(!SaveGame(world(), slotFolder_->path(), 0));
                world().CityMoney[kSeocho] += 1;  // the game on the map differs from the slot
                SaveFile* save = screens_->ShowSaveFile();
                auto* slot = Control<QPushButton>(save, "OpenList", 0);
                QVERIFY(slot);
                confirm = [slot] { Click(slot); };
                done = [this] {
                    World kept = world();
                    LoadGame(kept, slotFolder_->path(), 0);
                    return kept == world();
                };
                window = save;
                break;
            }
            default:
                QFAIL("no such case");
        }
        const std::string before = Saved();
        platform_->answer = false;
        confirm();
        QCOMPARE(platform_->asked.size(), 1);
        QVERIFY2(platform_->asked.first().startsWith(title + "|"),
                 qPrintable(platform_->asked.first()));
        QVERIFY(!done());
        QCOMPARE(Saved(), before);
        QVERIFY(platform_->informed.isEmpty());
        QVERIFY(window->isVisible());

        platform_->answer = true;
        confirm();
        QCOMPARE(platform_->asked.size(), 2);
        QVERIFY(done());
    }

    // No question where nothing is lost: a refusal says why at once, a move that leaves somebody
    // behind and a save into an empty slot go ahead.
    void nothingLostAsksNothing() {
        auto* dismiss = Open("인사_해고", "Dismiss");
        QVERIFY(dismiss);
        dismiss->Confirm();
        QCOMPARE(platform_->informed, QStringList{"사람을 선택해주세요."});
        dismiss->close();

        const std::size_t inSeocho = world().HumansIn(kSeocho).size();
        const std::size_t inGwanak = world().HumansIn(kGwanak).size();
        CommandDialog* move = MoveFromSeocho(1);
        QVERIFY(move);
        move->Confirm();
        QCOMPARE(world().HumansIn(kSeocho).size(), inSeocho - 1);
        QCOMPARE(world().HumansIn(kGwanak).size(), inGwanak + 1);

        Click(Control<QPushButton>(screens_->ShowSaveFile(), "OpenList", 1));
        QVERIFY(platform_->asked.isEmpty());
        World kept = world();
        QCOMPARE(LoadGame(kept, slotFolder_->path(), 1).state, SlotState::Game);
    }

    // The title bar's close button leaves the game as 종료하기 does: after the same question.
    void closingTheMapAsksAsQuittingDoes() {
        platform_->answer = false;
        QVERIFY(!map_->close());
        QCOMPARE(platform_->asked, QStringList{QString(kQuitTitle) + "|" + kQuitQuestion});
        QVERIFY(map_->isVisible());
        QVERIFY(session_->running());

        platform_->answer = true;
        QVERIFY(map_->close());
        Settle();
        QVERIFY(!screens_->map());
        QVERIFY(screens_->mainMenu()->isVisible());

        // 종료하기 answered 예 asks once, not a second time as the map closes.
        platform_->asked.clear();
        MainGame* map = StartOnMap(kBeggars);
        map->findChild<QAction*>("기능_종료하기")->trigger();
        Settle();
        QCOMPARE(platform_->asked.size(), 1);
        QVERIFY(!screens_->map());
    }
};

QTEST_MAIN(QuestionsTest)
#include "QuestionsTest.moc"
