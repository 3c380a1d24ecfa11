// The week's news window, the chronicle chart, autosave and 이어하기, driven offscreen as a player
// drives them.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ScreenTestSupport.h"
#include "game/NewWorld.h"
#include "screens/ChronicleChart.h"
#include "screens/FightSetupScreen.h"
#include "screens/GameLogo.h"
#include "screens/GroupSelectMenu.h"
#include "screens/MainGame.h"
#include "screens/MainMenu.h"
#include "screens/News.h"
#include "screens/OpenFile.h"
#include "screens/SaveFile.h"
#include "screens/Screens.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/SavedGames.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

QStringList Items(QWidget* news) {
    QStringList items;
    auto* list = news->findChild<QListWidget*>("NewsList");
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text().trimmed();
    return items;
}

}  // namespace

class NewsScreensTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private:
    std::unique_ptr<test::TempFolder> slots_;

    void Trigger(const char* item) {
        screens_->map()->findChild<QAction*>(QString::fromUtf8(item))->trigger();
        Settle();
    }

  private slots:
    void init() {
        slots_ = std::make_unique<test::TempFolder>();
        StartGame(slots_->path());
        platform_->answer = true;
    }

    void cleanup() {
        StopGame();
        slots_.reset();
    }

    void theNewsFollowsEveryTurnEndWhileItsOptionIsOn() {
        MainGame* map = StartOnMap(0);  // 거지파
        QVERIFY(!screens_->news());
        map->EndTurnClicked();
        News* news = screens_->news();
        QVERIFY(news && news->isVisible());
        QCOMPARE(news->windowTitle(), QString("이번 주 소식"));
        // 종로파 takes 지존파's 강동 and its four people: the only news of the first week.
        QCOMPARE(Items(news),
                 (QStringList{"종로파", "종로파가 종로에서 쳐들어가 지존파의 강동을 빼앗았습니다.",
                              "강동의 민학철이 지존파를 떠나 종로파에 들어갔습니다.",
                              "강동의 은성석이 지존파를 떠나 종로파에 들어갔습니다.",
                              "강동의 황경웅이 지존파를 떠나 종로파에 들어갔습니다.",
                              "강동의 양명길이 지존파를 떠나 종로파에 들어갔습니다."}));

        // 금천's five people leave it: the next week 종로파 walks in, and the player's loss comes
        // before everything else.
        for (int h = 26; h <= 30; ++h)
            world().HumanCity[h] = "관악";
        map->EndTurnClicked();
        QCOMPARE(screens_->news(), news);  // the same window, refilled
        const QStringList items = Items(news);
        QVERIFY(items.size() > 2);
        QCOMPARE(items[0], QString("우리 조직"));
        QCOMPARE(items[1], QString("종로파가 비어 있던 거지파의 금천을 차지했습니다."));
        QVERIFY(items.mid(2).contains("종로파"));

        // 옵션 > 보기 > 이번 주 소식 off: a closed window stays closed at the next turn end.
        QAction* option = map->findChild<QAction*>("옵션_보기_이번주소식");
        QVERIFY(option->isChecked());
        option->trigger();
        QVERIFY(!world().options.news);
        news->close();
        Settle();
        map->EndTurnClicked();
        QVERIFY(!screens_->news());
        // 턴 > 이번 주 소식 still shows it.
        Trigger("턴_이번주소식");
        QVERIFY(screens_->news() && screens_->news()->isVisible());
        QVERIFY(Items(screens_->news()).size() > 1);
        // It is a setting: a new game keeps it.
        map->findChild<QAction*>("기능_종료하기")->trigger();
        Settle();
        map = StartOnMap(2);
        QVERIFY(!map->findChild<QAction*>("옵션_보기_이번주소식")->isChecked());
    }

    // The news opens over whatever else the turn end opened, the defence set-up among them; a
    // week that ends the game shows the ending alone.
    void theNewsComesLastAndNotAfterTheEnd() {
        MainGame* map = StartOnMap(1);  // 지존파, whose 강동 is attacked in the first week
        map->EndTurnClicked();
        QVERIFY(screens_->defence() && screens_->defence()->isVisible());
        News* news = screens_->news();
        QVERIFY(news && news->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(news));
        // Closed, it hands the keys back to the defence.
        news->close();
        Settle();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(screens_->defence()));

        Trigger("기능_종료하기");
        map = StartOnMap(1);
        for (int c = 0; c < kCityCount; ++c)
            world().CityOwnerColor[c] = world().PlayerColor;
        map->EndTurnClicked();
        Settle();
        QVERIFY(!screens_->news() || !screens_->news()->isVisible());
    }

    void theChronicleOpensFromTheMenu() {
        MainGame* map = StartOnMap(3);
        map->EndTurnClicked();
        map->EndTurnClicked();
        Trigger("기능_연대기");
        ChronicleChart* chart = screens_->chronicleChart();
        QVERIFY(chart && chart->isVisible());
        QCOMPARE(chart->windowTitle(), QString("연대기"));
        auto* view = chart->findChild<ChronicleView*>("ChronicleView");
        QVERIFY(view);
        QCOMPARE(session_->chronicle().weeks.size(), std::size_t{3});
        // The pointer reads the week under it, first to last, with every gang's true figure.
        const Chronicle& chronicle = session_->chronicle();
        const auto told = [&](std::size_t week) {
            const ChronicleWeek& entry = chronicle.weeks[week];
            QString text = QString("%1년 %2월 %3주 — ").arg(entry.year).arg(entry.month).arg(entry.week);
            for (int g = 0; g < kGroupCount; ++g) {
                text += QString("%1%2 %3")
                            .arg(g == 0 ? "" : ", ")
                            .arg(QString::fromStdString(world().GroupName[g]))
                            .arg(entry.districts[g]);
            }
            return text;
        };
        QCOMPARE(view->ValueAt(45), told(0));
        QCOMPARE(view->ValueAt(view->width() - 121), told(2));
        QVERIFY(view->ValueAt(5).isEmpty());  // over the scale, not the plot
        QVERIFY(told(0).startsWith("1930년 1월 1주 — "));
        // The chart goes with its game.
        Trigger("기능_종료하기");
        QVERIFY(!screens_->chronicleChart());
    }

    void autosaveAndContinue() {
        MainGame* map = StartOnMap(3);
        QAction* autosave = map->findChild<QAction*>("옵션_자동저장");
        QVERIFY(!autosave->isChecked());  // off in a session that did not turn it on
        autosave->trigger();
        QVERIFY(world().options.autosave);
        map->EndTurnClicked();
        map->EndTurnClicked();
        QVERIFY(QFile::exists(QString::fromStdString(SlotPath(slots_->path(), kAutosaveSlot))));
        const std::string saved = SaveText(world());
        const std::size_t weeks = session_->chronicle().weeks.size();

        // 불러오기 shows the autosave as a sixth entry; 저장하기 never offers it.
        Trigger("기능_불러오기");
        auto* sixth = Control<QPushButton>(screens_->openFile(), "OpenList", kAutosaveSlot);
        QVERIFY(sixth);
        QCOMPARE(sixth->text(), QString("자동저장: 1930년 1월 3주 영웅파"));
        screens_->openFile()->close();
        Trigger("기능_저장하기");
        QVERIFY(!Control<QPushButton>(screens_->saveFile(), "OpenList", kAutosaveSlot));
        screens_->saveFile()->close();

        // Back on the title menu 이어하기 resumes the game where the last turn end left it.
        world().CityMoney[0] = 1;
        Trigger("기능_종료하기");
        MainMenu* menu = screens_->mainMenu();
        auto* resume = menu->findChild<QPushButton*>("Continue");
        QVERIFY(resume && resume->isVisible());
        Click(resume);
        Settle();
        QVERIFY(session_->running());
        QVERIFY(!menu->isVisible());
        QCOMPARE(SaveText(world()), saved);
        QCOMPARE(session_->chronicle().weeks.size(), weeks);
    }

    void continueIsOfferedOnlyWithAnAutosave() {
        MainGame* map = StartOnMap(3);
        map->EndTurnClicked();
        Trigger("기능_종료하기");
        QVERIFY(!screens_->mainMenu()->findChild<QPushButton*>("Continue")->isVisible());
    }
};

QTEST_MAIN(NewsScreensTest)
#include "NewsScreensTest.moc"
