// How the windowed game starts: its command line and the application's names, font and Korean
// texts. The whole command line is read before any window exists, so that a refusal needs no
// display: --help and --version are answered, Qt's own options (-platform, -style, ...) are let
// through for QApplication to take, and anything else unknown is refused with status 2.
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

// The game's options, or the answer to --help or --version, or the refusal of anything unknown.
// Qt's own options are let through; QApplication takes them afterwards.
std::variant<GameOptions, CommandLineAnswer> ReadGameOptions(const QStringList& arguments);

// Names, version, font, and Qt's own Korean translations so that the standard buttons read 확인,
// 예, 아니요, 취소. Returns false when those translations could not be found.
bool SetUpApplication(QApplication& app);

}  // namespace golmok::screens
