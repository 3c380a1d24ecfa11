// How the windowed game starts: its command line and the application's names, font and Korean
// texts. The whole command line is read before any window exists, so that a refusal needs no
// display: --help and --version are answered, Qt's own options (-platform, -style, ...) are let
// through for QApplication to take, and anything else unknown is refused with status 2.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <variant>

class QApplication;
class QObject;
class QTranslator;

namespace golmok::screens {

// What the game was asked to do.
struct GameOptions {
    QString dir;                // --dir FOLDER: the game folder
    bool startupProbe = false;  // --startup-probe: quit as soon as the first window shows
    bool benchMap = false;      // --bench-map: straight onto the map of a new game as 거지파
    bool benchFight = false;    // --bench-fight: the same, then a fight (implies --bench-map)
};

// The program ends at once: what it prints and its exit status.
struct CommandLineAnswer {
    int exitCode = 0;
    QString out;  // for standard output
    QString err;  // for standard error
};

// Status of a refused command line.
inline constexpr int kUsageError = 2;

// Before the application exists: --help or --version, answered at once; nothing otherwise.
std::optional<CommandLineAnswer> AnswerWithoutWindows(const QStringList& arguments);

// The game's options, or the answer to --help or --version, or the refusal of anything unknown.
// Qt's own options are let through; QApplication takes them afterwards.
std::variant<GameOptions, CommandLineAnswer> ReadGameOptions(const QStringList& arguments);

// What decides whether Qt can reach a display: the variables of the environment (empty when
// unset).
struct DisplayEnvironment {
    QString display;         // $DISPLAY: the X11 display
    QString waylandDisplay;  // $WAYLAND_DISPLAY: the Wayland socket
    QString platform;        // $QT_QPA_PLATFORM: Qt's platforms, tried in order
    static DisplayEnvironment Current();
};

// Before the application exists: the Korean message for standard error when none of the
// platforms Qt would try (-platform on the command line, else $QT_QPA_PLATFORM, else X11 or
// Wayland) has the display it needs; nothing when one may start. Platforms that need no display
// (offscreen, minimal, vnc, ...) and ones the game does not know are left for Qt to judge.
std::optional<QString> NoDisplayMessage(const QStringList& arguments,
                                        const DisplayEnvironment& environment);

// The message above for a display that is named but does not answer.
QString UnreachableDisplayMessage(const DisplayEnvironment& environment);

// QApplication(argc, argv), except that when Qt cannot reach the display it was given, the
// program ends with UnreachableDisplayMessage on standard error and status 1 instead of Qt's
// abort.
std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv);

// The Korean texts of Qt's standard buttons: Qt's own translation from `folder` when it holds
// one (sets `qtFound`), else the game's own for the buttons it shows, 확인, 예, 아니요, 취소.
QTranslator* KoreanButtonTexts(QObject* parent, const QString& folder, bool& qtFound);

// Names, version, font, and the Korean texts of the standard buttons (KoreanButtonTexts from
// Qt's translations folder). Returns false when Qt's own translations could not be found and the
// game's are in use.
bool SetUpApplication(QApplication& app);

}  // namespace golmok::screens
