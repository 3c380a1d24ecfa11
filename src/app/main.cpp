// golmok: the windowed game.
//
//   golmok [--dir FOLDER]   plays with the record files, theme.wav and guide.html in FOLDER
//                           (by default the folder of the program) and keeps the save slots
//                           there; without it an installed game keeps them in the player's
//                           data folder
// Two switches serve the whole-program measurements in bench/:
//   --startup-probe         quits as soon as the first window is on screen
//   --bench-map             skips the title and opens the map of a new game as 거지파
#include <QApplication>
#include <QDir>
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("golmok");
    QApplication::setApplicationDisplayName(golmok::screens::kGameTitle);
    QApplication::setFont(QFont("NanumGothic", 10));
    // The title menu, not the last window, decides when the game ends: windows come and go as
    // the game moves between its screens.
    QApplication::setQuitOnLastWindowClosed(false);

    QString folder = QCoreApplication::applicationDirPath();
    QString dirOption;
    bool startupProbe = false;
    bool benchMap = false;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--dir" && i + 1 < args.size()) {
            dirOption = args[++i];
            folder = dirOption;
        } else if (args[i] == "--startup-probe") {
            startupProbe = true;
        } else if (args[i] == "--bench-map") {
            benchMap = true;
        }
    }
    const QDir dir(folder);

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
    screens.SetSlotFolder(
        golmok::screens::GameSlotFolder(dirOption, QCoreApplication::applicationDirPath()));
    screens.Start();
    if (benchMap) {
        session.StartNewGame(0);
        screens.ShowMap();
        screens.gameLogo()->hide();
    }
    if (startupProbe) QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
