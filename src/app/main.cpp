// golmok: the windowed game.
//
//   golmok [--dir FOLDER]   plays with the record files, theme.wav and guide.html in FOLDER
//                           and keeps the save slots there; without it a build tree or a copy
//                           uses the folder of the program, and an installed game reads
//                           <prefix>/share/golmok and saves into the player's data folder
// Two switches serve the whole-program measurements in bench/:
//   --startup-probe         quits as soon as the first window is on screen
//   --bench-map             skips the title and opens the map of a new game as 거지파
//   --bench-fight           the same, then 서초's first five go at 도봉 in a turn-based fight
//                           with health bars, which waits for the player's first key
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QMessageBox>
#include <QTimer>

#include "commands/CommandMenu.h"
#include "fight/FightSetup.h"
#include "game/NewWorld.h"
#include "session/Session.h"
#include "screens/GameLogo.h"
#include "screens/MainGame.h"
#include "screens/Platform.h"
#include "screens/Screens.h"
#include "screens/SlotDialog.h"
#include "world/RecordFiles.h"
#include "world/SlotFolder.h"

namespace {

// 서초 (거지파's) sends its first five people at 도봉, each with the best weapon the stocks still
// cover, in a turn-based fight with health bars.
void StartBenchFight(golmok::World& world, golmok::screens::Screens& screens) {
    using namespace golmok;
    constexpr int kFrom = 7;
    constexpr int kTarget = 8;
    world.BattleMode = BattleMode::Turn;
    world.options.healthBars = true;
    const FightSetup setup = OpenAttackSetup(world, kFrom);
    SetupChoice choice;
    std::array<double, 3> left = setup.stocks;  // 진검, 사시미, 각목
    static constexpr const char* kBest[] = {"진검", "사시미", "각목"};
    for (int h : setup.people) {
        if (choice.selected.size() == kSlotCount) break;
        for (int k = 0; k < 3; ++k) {
            if (world.HumanMembers[h] <= left[k]) {
                left[k] -= world.HumanMembers[h];
                ChooseFighterWeapon(world, h, kBest[k]);
                break;
            }
        }
        choice.selected.push_back(h);
    }
    choice.personClicked = !choice.selected.empty();
    choice.targetClicked = true;
    SetupOutcome outcome = ConfirmAttack(world, setup, choice, kTarget);
    if (outcome.fight) screens.OpenFightField(std::move(*outcome.fight));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("golmok");
    QApplication::setApplicationDisplayName(golmok::screens::kGameTitle);
    // The desktop entry this window belongs to, for the icon in task bars.
    QApplication::setDesktopFileName("org.golmok.golmok");
    QApplication::setFont(QFont("NanumGothic", 10));
    // The title menu, not the last window, decides when the game ends: windows come and go as
    // the game moves between its screens.
    QApplication::setQuitOnLastWindowClosed(false);

    QString dirOption;
    bool startupProbe = false;
    bool benchMap = false;
    bool benchFight = false;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--dir" && i + 1 < args.size()) {
            dirOption = args[++i];
        } else if (args[i] == "--startup-probe") {
            startupProbe = true;
        } else if (args[i] == "--bench-map") {
            benchMap = true;
        } else if (args[i] == "--bench-fight") {
            benchMap = benchFight = true;
        }
    }
    const golmok::GameFolders folders = golmok::FindGameFolders(
        dirOption.isEmpty() ? std::filesystem::path()
                            : QFileInfo(dirOption).filesystemAbsoluteFilePath(),
        QFileInfo(QCoreApplication::applicationDirPath()).filesystemAbsoluteFilePath());
    const QDir dir(folders.records);

    golmok::World world;
    try {
        world = golmok::BuildNewWorld(dir.filesystemAbsolutePath());
    } catch (const golmok::RecordFileError& error) {
        QMessageBox::critical(nullptr, golmok::screens::kGameTitle,
                              QString::fromUtf8(error.what()));
        return 1;
    }
    golmok::Session session(std::move(world));
    golmok::screens::DesktopPlatform platform(dir.absoluteFilePath("guide.html"));
    golmok::screens::Screens screens(session, platform, dir.absoluteFilePath("theme.wav"));
    screens.SetSlotFolder(folders.saves);
    screens.Start();
    if (benchMap) {
        session.StartNewGame(0);
        screens.ShowMap();
        screens.gameLogo()->hide();
    }
    if (benchFight) StartBenchFight(session.world(), screens);
    if (startupProbe) QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
