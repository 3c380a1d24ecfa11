// golmok: the windowed game.
//
//   golmok [--dir FOLDER]   plays with the record files, theme.wav and guide.html in FOLDER
//                           and keeps the save slots there; without it a build tree or a copy
//                           reads the folder of the program, an installed game
//                           <prefix>/share/golmok, and both save into the player's data folder
//   golmok --help, --version
// Three switches, left out of --help, serve the whole-program measurements in bench/:
//   --startup-probe         quits once the title's first page has been painted
//   --bench-map             skips the title and opens the map of a new game as 거지파
//   --bench-fight           the same, then 서초's first five go at 도봉 in a turn-based fight
//                           with health bars, which waits for the player's first key
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <variant>

#include "commands/CommandMenu.h"
#include "fight/FightSetup.h"
#include "game/NewWorld.h"
#include "screens/Application.h"
#include "screens/Screens.h"
#include "screens/dialogs/SlotDialog.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "screens/title/GameLogo.h"
#include "session/Session.h"
#include "world/SavedGames.h"
#include "world/Settings.h"
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

// Prints what the command line was answered and gives the exit status.
int Answer(const golmok::screens::CommandLineAnswer& answer) {
    std::fputs(answer.out.toLocal8Bit().constData(), stdout);
    std::fputs(answer.err.toLocal8Bit().constData(), stderr);
    return answer.exitCode;
}

// The folder of the program: a build tree or a portable copy holds the record files there.
std::filesystem::path ProgramFolder(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0);
    return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    // The whole command line is read before Qt looks for a display: --help, --version and a
    // refusal need none.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto read = golmok::screens::ReadGameOptions(arguments);
    if (const auto* answer = std::get_if<golmok::screens::CommandLineAnswer>(&read)) {
        return Answer(*answer);
    }
    const auto& options = std::get<golmok::screens::GameOptions>(read);
    // Without a display QApplication would end the program with Qt's own abort: the game says
    // so itself and exits with status 1.
    if (const auto why = golmok::screens::NoDisplayMessage(
            arguments, golmok::screens::DisplayEnvironment::Current())) {
        std::fputs(why->toLocal8Bit().constData(), stderr);
        return 1;
    }
    const golmok::GameFolders folders = golmok::FindGameFolders(
        options.dir.isEmpty() ? std::filesystem::path()
                              : QFileInfo(options.dir).filesystemAbsoluteFilePath(),
        ProgramFolder(argv[0]));
    const QDir dir(folders.records);

    golmok::IgnoreFileSizeSignal();
    std::string error;
    golmok::World world = golmok::BuildStartWorld(dir.filesystemAbsolutePath(), error);
    if (!error.empty()) {
        const QString why = QString::fromStdString(
            golmok::StartUpError("golmok", dir.filesystemAbsolutePath(), error));
        std::fputs(why.toLocal8Bit().constData(), stderr);
        const auto app = golmok::screens::OpenApplication(argc, argv);
        golmok::screens::SetUpApplication(*app);
        golmok::screens::ShowFailure(why.trimmed());
        return 1;
    }
    // The windows save the game after every turn end unless the player turns it off; the options
    // the player chose last time are in force again.
    world.options.autosave = true;
    const std::filesystem::path settingsFile = golmok::SettingsFile();
    golmok::ReadSettingsFile(settingsFile, world);

    const auto application = golmok::screens::OpenApplication(argc, argv);
    QApplication& app = *application;
    golmok::screens::SetUpApplication(app);
    // The title menu, not the last window, decides when the game ends: windows come and go as
    // the game moves between its screens.
    QApplication::setQuitOnLastWindowClosed(false);

    golmok::Session session(std::move(world));
    // The turn end never waits on the disk: the autosave is written behind it.
    session.SaveInBackground(true);
    golmok::screens::DesktopPlatform platform(dir.absoluteFilePath("guide.html"));
    golmok::screens::Screens screens(session, platform, dir.absoluteFilePath("theme.wav"));
    screens.SetSlotFolder(folders.saves);
    screens.SetSettingsFile(settingsFile);
    screens.Start();
    if (options.benchMap) {
        session.StartNewGame(0);
        screens.ShowMap();
        screens.gameLogo()->hide();
    }
    if (options.benchFight) StartBenchFight(session.world(), screens);
    // The measurement of start-up ends once the title's first page is painted.
    if (options.startupProbe) {
        QObject::connect(screens.gameLogo(), &golmok::screens::GameLogo::firstPainted, &app,
                         &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return app.exec();
}
