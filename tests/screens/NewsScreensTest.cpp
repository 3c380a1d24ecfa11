// The week's news window, the chronicle chart, autosave and 이어하기, driven offscreen as a player
// drives them.
#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ScreenTestSupport.h"
#include "game/DistrictOutlook.h"
#include "game/NewWorld.h"
#include "game/NewsFile.h"
#include "screens/Screens.h"
#include "screens/chronicle/ChronicleChart.h"
#include "screens/dialogs/OpenFile.h"
#include "screens/dialogs/SaveFile.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/map/MainGame.h"
#include "screens/map/News.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "screens/title/MainMenu.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/Numbers.h"
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
        // The standings, 지존파's commerce in the player's districts, and 종로파 taking 지존파's
        // 강동 with its four people: the news of the first week.
        QCOMPARE(
            Items(news),
            (QStringList{"우리 조직 거지파 | 지역: 거지파 4, 지존파 3 (-1), 불사파 3, 영웅파 3, "
                         "종로파 4 (+1), 마적파 4, 흑사파 4",
                         "지존파가 우리 구역의 상업을 키웠습니다: 서초 170,052, 관악 74,259, "
                         "금천 34,759, 동작 78,244",
                         "종로파가 종로에서 쳐들어가 지존파의 강동을 빼앗았습니다 (넘어온 "
                         "사람: 민학철, 은성석, 황경웅, 양명길)."}));
        auto* list = news->findChild<QListWidget*>("NewsList");
        QVERIFY(list->item(0)->font().bold());
        QVERIFY(!list->item(1)->font().bold());

        // 금천's five people leave it: the next week 종로파 walks in, before 불사파 takes it from
        // 종로파 in turn. What the rivals took from each other is one line, after the walk-in
        // that left 종로파's 종로 empty for 영웅파.
        for (int h = 26; h <= 30; ++h)
            world().HumanCity[h] = "관악";
        map->EndTurnClicked();
        QCOMPARE(screens_->news(), news);  // the same window, refilled
        const QStringList items = Items(news);
        QVERIFY(items[0].startsWith("우리 조직 거지파 | 지역: 거지파 3 (-1),"));
        const int walkIn =
            items.indexOf("종로파가 비어 있던 거지파의 금천을 차지했습니다 (빈 곳).");
        QVERIFY(walkIn > 0);
        const int retaken =
            items.indexOf("다른 조직끼리 구역 2곳의 주인이 바뀌었습니다: 영웅파가 종로파의 종로 "
                          "(빈 곳); 불사파가 종로파의 금천 (넘어온 사람: 조동규, 염상일, 노만보)");
        QVERIFY(retaken > walkIn);
        QVERIFY(items.contains("조직원 모집: 종로파 40명"));

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

    // The district at a glance: the pointer over a district fills the status line and its
    // tooltip; empty districts and allies are marked; 다음 주 예상 marks what the next turn end
    // attacks, and it does.
    void theMapShowsADistrictAtAGlance() {
        MainGame* map = StartOnMap(0);  // 거지파
        auto* status = map->findChild<QLabel*>("DistrictStatus");
        QVERIFY(status);
        QPushButton* seocho = Control<QPushButton>(map, "Cmd", 7);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(seocho, &enter);
        const QString told = QString::fromStdString(DistrictStatusText(world(), 7, nullptr));
        QCOMPARE(status->text(), told);
        QVERIFY(told.startsWith("서초 · 거지파 (우리) · 사람 11명"));
        QVERIFY(told.contains(QString::fromStdString("돈 " + FormatMoney(world().CityMoney[7]))));
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), seocho->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(seocho, &tip);
        QCOMPARE(seocho->toolTip(), told);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(seocho, &leave);
        QVERIFY(!status->text().startsWith("서초"));
        // The keyboard's way in: the map is told a district by its index.
        map->ShowDistrict(12);
        QVERIFY(status->text().startsWith("관악 · "));
        // The keyboard's district focus moving tells its district.
        map->FocusDistrict(24);
        QVERIFY(status->text().startsWith("강동 · 지존파 · "));

        // 금천 emptied by a move and 흑사파 allied: both are marked.
        for (QPushButton* button :
             {Control<QPushButton>(map, "Cmd", 20), Control<QPushButton>(map, "Cmd", 8)}) {
            QVERIFY(!button->property("empty").toBool());
            QVERIFY(!button->property("ally").toBool());
        }
        for (int h = 26; h <= 30; ++h)
            world().HumanCity[h] = "관악";
        world().GroupAlly[6] = 1;  // 흑사파 holds 도봉 (8)
        map->Refresh();
        QVERIFY(Control<QPushButton>(map, "Cmd", 20)->property("empty").toBool());
        QVERIFY(Control<QPushButton>(map, "Cmd", 8)->property("ally").toBool());
        QVERIFY(!Control<QPushButton>(map, "Cmd", 7)->property("ally").toBool());
        world().GroupAlly[6] = 0;

        // 다음 주 예상: a computer gang will fall upon 지존파's 강동 and walk into the empty 금천.
        QAction* preview = map->findChild<QAction*>("옵션_다음주예상");
        QVERIFY(preview && !preview->isChecked());
        QVERIFY(!Control<QPushButton>(map, "Cmd", 24)->property("threatened").toBool());
        preview->trigger();
        QVERIFY(world().options.preview);
        QCOMPARE(Control<QPushButton>(map, "Cmd", 24)->property("threatened").toBool(), true);
        QCOMPARE(Control<QPushButton>(map, "Cmd", 20)->property("threatened").toBool(), true);
        QCOMPARE(Control<QPushButton>(map, "Cmd", 7)->property("threatened").toBool(), false);
        QVERIFY(Control<QPushButton>(map, "Cmd", 24)->toolTip().contains("다음 주에 공격받습니다"));
        CityTable<bool> marked{};
        for (int c = 0; c < kCityCount; ++c)
            marked[c] = Control<QPushButton>(map, "Cmd", c)->property("threatened").toBool();
        world().options.news = false;
        map->EndTurnClicked();
        CityTable<bool> hit{};
        for (const TurnEvent& e : session_->news()) {
            if (e.kind == TurnEventKind::Taken || e.kind == TurnEventKind::Attack)
                hit[e.city] = true;
        }
        QVERIFY(marked == hit);
        QVERIFY(!world().IsPlayerCity(20));
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
        Trigger("턴_이번주소식");
        const QStringList newsShown = Items(screens_->news());
        QVERIFY(newsShown.size() > 1);
        screens_->news()->close();
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
        // The news of the last turn end comes back with the game.
        Trigger("턴_이번주소식");
        QCOMPARE(Items(screens_->news()), newsShown);
        screens_->news()->close();

        // A slot saved without its news says so, never that nothing happened.
        Trigger("기능_저장하기");
        Click(Control<QPushButton>(screens_->saveFile(), "OpenList", 2));
        Settle();
        QVERIFY(QFile::remove(QString::fromStdString(NewsPath(SlotPath(slots_->path(), 2)))));
        Trigger("기능_불러오기");
        Click(Control<QPushButton>(screens_->openFile(), "OpenList", 2));
        Settle();
        Trigger("턴_이번주소식");
        QCOMPARE(Items(screens_->news()), QStringList{kNewsNotSaved});
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
