// What the map window costs the player's machine as it grows: a pointer move across districts, a
// resize and a turn end, each with the repaint it causes, at the map's own size (900 × 564), full
// screen at 100 % (1920 × 1080) and full screen at 200 % on a 3840 × 2160 screen.
//
//   golmok-map-bench            the two sizes at 100 %
//   golmok-map-bench --scale=2  1920 × 1080 logical pixels at 200 % (3840 × 2160 device pixels)
//
// The windows run on Qt's offscreen platform: everything is painted into the window's backing
// store as on a screen, only nothing is shown. Figures are the CPU time of the whole
// program, Qt's helper threads included.
//
//   BM_MapPointerMove     the pointer from one district's middle to the next one's (all 25 in
//                         turn): the hover, the status line and their repaint
//   BM_MapResize          the window four pixels larger or smaller, laid out and repainted, as
//                         each step of a drag
//   BM_MapArtSettled      the map's art rendered for a new size once the size stands still
//   BM_MapTurnEnd         턴 > 종료 from the first week and the map's repaint after it
//   BM_MapAllOwnersChange the map after a turn end that gave every district a new owner
//   BM_ChronicleOpen/W    연대기 opened and painted on a chronicle of W weeks
//   BM_ChroniclePointerMove/W  the pointer moving over it, and the repaint
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/chronicle/ChronicleChart.h"
#include "screens/look/Art.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "session/Session.h"

namespace {

using namespace golmok;
using namespace golmok::screens;

// A desktop that answers at once: no box waits for a player.
class QuietPlatform : public Platform {
  public:
    void Inform(QWidget*, const QString&) override {}
    void InformDetail(QWidget*, const QString&, const QString&) override {}
    bool Ask(QWidget*, const QString&, const QString&) override { return false; }
    bool OpenHomePage() override { return false; }
    void EndProgram() override {}
};

// Everything posted so far handled: the layout, the repaints.
void Flush() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// A game on the map as gang 0, the map shown at `size`, its art rendered for it.
class MapOnScreen {
  public:
    explicit MapOnScreen(QSize size) {
        session_ = std::make_unique<Session>(BuildNewWorld(GOLMOK_DATA_DIR));
        screens_ = std::make_unique<Screens>(*session_, platform_, "/nonexistent/theme.wav");
        screens_->Start();
        for (int k = 0; k < 4; ++k)
            screens_->gameLogo()->TitleStep();
        GroupSelectMenu* select = screens_->ShowGroupSelectMenu();
        select->Choose(0);
        select->Start();
        Flush();
        World& world = session_->world();
        // Nothing opens beside the map after a turn end, nothing is written, and no gang attacks
        // the player in the first weeks: each turn end is the same work.
        world.options.news = false;
        world.options.autosave = false;
        world.options.truce = true;
        map_ = screens_->map();
        map_->move(0, 0);
        map_->resize(size);
        (void)QTest::qWaitForWindowExposed(map_);
        Flush();
        Settle();
        start_ = world;
    }

    MainGame* map() const { return map_; }
    Session& session() { return *session_; }
    const World& start() const { return start_; }

    // The art rendered for the window's present size, as it is once a resize has settled.
    void Settle() {
        for (Picture* picture : map_->findChildren<Picture*>())
            picture->RenderNow();
        map_->update();
        Flush();
    }

  private:
    QuietPlatform platform_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<Screens> screens_;
    MainGame* map_ = nullptr;
    World start_;
};

QPoint DistrictCentre(MainGame* map, int city) {
    for (QWidget* button : map->findChildren<QWidget*>("Cmd")) {
        if (button->property("index").toInt() == city)
            return button->mapTo(map, button->rect().center());
    }
    return {};
}

void BM_MapPointerMove(benchmark::State& state, QSize size) {
    MapOnScreen game(size);
    QWindow* window = game.map()->windowHandle();
    std::array<QPoint, kCityCount> centres{};
    for (int c = 0; c < kCityCount; ++c)
        centres[c] = DistrictCentre(game.map(), c);
    int city = 0;
    for (auto _ : state) {
        city = (city + 1) % kCityCount;
        QTest::mouseMove(window, centres[city]);
        Flush();
    }
}

void BM_MapResize(benchmark::State& state, QSize size) {
    MapOnScreen game(size);
    bool larger = false;
    for (auto _ : state) {
        larger = !larger;
        game.map()->resize(larger ? size + QSize(4, 4) : size);
        Flush();
    }
}

void BM_MapArtSettled(benchmark::State& state, QSize size) {
    MapOnScreen game(size);
    bool larger = false;
    for (auto _ : state) {
        state.PauseTiming();
        larger = !larger;
        game.map()->resize(larger ? size + QSize(4, 4) : size);
        Flush();
        state.ResumeTiming();
        game.Settle();
    }
}

void BM_MapTurnEnd(benchmark::State& state, QSize size) {
    MapOnScreen game(size);
    for (auto _ : state) {
        state.PauseTiming();
        game.session().world() = game.start();
        state.ResumeTiming();
        game.map()->EndTurnClicked();
        Flush();
    }
}

// The worst a turn end can do to the map: every district changes hands (the owners turn round by
// one gang), so every button is restyled and repainted.
void BM_MapAllOwnersChange(benchmark::State& state, QSize size) {
    MapOnScreen game(size);
    World& world = game.session().world();
    for (auto _ : state) {
        for (Color& owner : world.CityOwnerColor) {
            for (int g = 0; g < kGroupCount; ++g) {
                if (world.GroupColor[g] == owner) {
                    owner = world.GroupColor[(g + 1) % kGroupCount];
                    break;
                }
            }
        }
        game.map()->Refresh();
        Flush();
    }
}

// A chronicle of `weeks` weeks in which the gangs' holdings wander a district at a time.
Chronicle LongChronicle(int weeks) {
    Chronicle chronicle;
    GroupTable<int> held = {4, 4, 4, 4, 3, 3, 3};
    std::uint32_t state = 12345;
    for (int i = 0; i < weeks; ++i) {
        state = state * 1664525U + 1013904223U;
        const int from = static_cast<int>(state >> 8) % kGroupCount;
        const int to = static_cast<int>(state >> 16) % kGroupCount;
        if (held[from] > 0) {
            --held[from];
            ++held[to];
        }
        ChronicleWeek entry;
        entry.year = 1930 + i / 48;
        entry.month = i / 4 % 12 + 1;
        entry.week = i % 4 + 1;
        entry.districts = held;
        chronicle.weeks.push_back(entry);
    }
    return chronicle;
}

// 연대기 opened on a chronicle of `weeks` weeks: built and painted whole.
void BM_ChronicleOpen(benchmark::State& state) {
    const Chronicle chronicle = LongChronicle(static_cast<int>(state.range(0)));
    const World world = BuildNewWorld(GOLMOK_DATA_DIR);
    for (auto _ : state) {
        ChronicleView view(chronicle, world, nullptr);
        view.show();
        (void)QTest::qWaitForWindowExposed(&view);
        view.repaint();
        Flush();
    }
}

// The pointer moving across 연대기's plot a few pixels at a time, and the repaint it asks for.
void BM_ChroniclePointerMove(benchmark::State& state) {
    const Chronicle chronicle = LongChronicle(static_cast<int>(state.range(0)));
    const World world = BuildNewWorld(GOLMOK_DATA_DIR);
    ChronicleView view(chronicle, world, nullptr);
    view.show();
    (void)QTest::qWaitForWindowExposed(&view);
    Flush();
    int x = 60;
    for (auto _ : state) {
        x = x >= 500 ? 60 : x + 7;
        QTest::mouseMove(view.windowHandle(), QPoint(x, 150));
        Flush();
    }
}

// The offscreen platform says at every window that it cannot raise it: not worth the noise.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (text.startsWith("This plugin does not support")) return;
    if (type != QtDebugMsg) fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv) {
    bool doubled = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--scale=2") {
            doubled = true;
            for (int j = i; j + 1 < argc; ++j)
                argv[j] = argv[j + 1];
            --argc;
            break;
        }
    }
    // One screen of 3840 × 2160 device pixels; at 200 % it is 1920 × 1080 logical pixels.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" GOLMOK_BENCH_SCREEN);
    if (doubled) qputenv("QT_SCALE_FACTOR", "2");
    qInstallMessageHandler(Quiet);
    QApplication app(argc, argv);

    const auto sizes =
        doubled ? std::vector<std::pair<QSize, std::string>>{{{1920, 1080}, "3840x2160@2"}}
                : std::vector<std::pair<QSize, std::string>>{{{900, 564}, "900x564"},
                                                             {{1920, 1080}, "1920x1080"}};
    for (const auto& [size, name] : sizes) {
        benchmark::RegisterBenchmark(("BM_MapPointerMove/" + name).c_str(), BM_MapPointerMove, size)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark(("BM_MapResize/" + name).c_str(), BM_MapResize, size)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark(("BM_MapArtSettled/" + name).c_str(), BM_MapArtSettled, size)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark(("BM_MapTurnEnd/" + name).c_str(), BM_MapTurnEnd, size)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark(("BM_MapAllOwnersChange/" + name).c_str(),
                                     BM_MapAllOwnersChange, size)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
    }
    for (auto* chronicle :
         {benchmark::RegisterBenchmark("BM_ChronicleOpen", BM_ChronicleOpen),
          benchmark::RegisterBenchmark("BM_ChroniclePointerMove", BM_ChroniclePointerMove)})
        chronicle->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
