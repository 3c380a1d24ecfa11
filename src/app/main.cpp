// golmok: the windowed game.
//
//   golmok [--dir FOLDER]   plays with the record files, theme.wav and guide.html in FOLDER
//                           and keeps the save slots there; without it a build tree or a copy
//                           uses the folder of the program, and an installed game reads
//                           <prefix>/share/golmok and saves into the player's data folder
// Two switches serve the whole-program measurements in bench/:
//   --startup-probe         quits as soon as the first window is on screen
//   --bench-map             skips the title and opens the map of a new game as 거지파
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QMessageBox>
#include <QTimer>

#include "game/NewWorld.h"
#include "game/Session.h"
#include "screens/GameLogo.h"
#include "screens/MainGame.h"
#include "screens/Platform.h"
#include "screens/Screens.h"
#include "screens/SlotDialog.h"
#include "world/RecordFiles.h"
#include "world/SlotFolder.h"

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
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--dir" && i + 1 < args.size()) {
            dirOption = args[++i];
        } else if (args[i] == "--startup-probe") {
            startupProbe = true;
        } else if (args[i] == "--bench-map") {
            benchMap = true;
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
    if (startupProbe) QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
