// How the windowed game starts: its command line and the application's names, font and Korean
// texts. The command line is read in two steps: --help and --version are answered before any
// window exists (no display is needed for them); the rest is read once Qt has taken its own
// options (-platform, -style, ...), and whatever is left unknown is refused.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

class QApplication;

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

// After Qt has taken its own options: the game's options, or the refusal of anything unknown.
std::variant<GameOptions, CommandLineAnswer> ReadGameOptions(const QStringList& arguments);

// Names, version, font, and Qt's own Korean translations so that the standard buttons read 확인,
// 예, 아니요, 취소. Returns false when those translations could not be found.
bool SetUpApplication(QApplication& app);

}  // namespace golmok::screens
