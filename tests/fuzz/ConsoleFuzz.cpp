// libFuzzer target for the console: any lines, fed to a game loaded from a slot, never crash the
// game, and a line the console refuses (an `error:` line) leaves the world exactly as it was.
//
// Every input starts from the same game, read from its slot once. `save` lines are skipped, so
// that the slot stays as it is, and so is turning 자동저장 on, whose every turn end would wait on
// the disk (the saves have fuzzers and tests of their own). An input ends at most 20 turns in all:
// a long run of turn ends is slow, not wrong.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

#include "console/Console.h"
#include "game/NewWorld.h"

namespace {

using namespace golmok;

// A folder holding slot 0: a game of 거지파 three weeks in.
std::filesystem::path SlotFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "golmok-console-fuzz-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    Session session(BuildNewWorld(GOLMOK_DATA_DIR));
    std::ostringstream out;
    Console console(session, out, pattern);
    for (const char* line : {"new-game 0", "end-turn 3", "save 0"}) {
        if (console.RunLine(line) != Console::LineResult::Done) std::abort();
    }
    return pattern;
}

constexpr int kMostTurns = 20;

// The turns a line ends (0 for any other line), or -1 for a line that is skipped.
int TurnsOf(std::string_view line) {
    std::istringstream words{std::string(line)};
    std::string verb, first, second;
    words >> verb >> first >> second;
    if (verb == "save") return -1;
    if (verb == "option" && first == "autosave" && second != "off") return -1;
    if (verb != "end-turn") return 0;
    if (first.empty()) return 1;
    if (first.size() > 2) return kMostTurns + 1;
    return std::max(1, std::atoi(first.c_str()));
}

// The game of slot 0, loaded once: each input starts from a copy of it.
struct Start {
    Session session;
    std::filesystem::path folder;
};

const Start& LoadedStart() {
    static const Start start = [] {
        const std::filesystem::path folder = SlotFolder();
        Session session(BuildNewWorld(GOLMOK_DATA_DIR));
        std::ostringstream out;
        Console console(session, out, folder);
        if (console.RunLine("load 0") != Console::LineResult::Done || !session.running())
            std::abort();
        return Start{std::move(session), folder};
    }();
    return start;
}

// What one input plays on. It lives from input to input: each input assigns it the start again,
// which reuses the strings' room instead of building a session, a world and a console anew.
struct Table {
    Session session;
    std::ostringstream out;
    Console console;
    // The world as it stood before the line being run: the line's refusal must leave it so.
    World before;

    explicit Table(const Start& start)
        : session(start.session), console(session, out, start.folder), before(session.world()) {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Start& start = LoadedStart();
    static Table table(start);
    Session& session = table.session;
    session = start.session;
    table.before = session.world();
    table.out.str({});

    std::string_view input(reinterpret_cast<const char*>(data), size);
    int turns = 0;
    for (int lines = 0; !input.empty() && lines < 64; ++lines) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        const int lineTurns = TurnsOf(line);
        if (lineTurns < 0 || turns + lineTurns > kMostTurns) continue;
        turns += lineTurns;
        const bool running = session.running();
        const bool fighting = session.fight() != nullptr;
        const Console::LineResult result = table.console.RunLine(line);
        if (result == Console::LineResult::Error) {
            // `before` is the world after the last line that was not refused, so one comparison
            // here checks this line alone.
            if (!(session.world() == table.before) || session.running() != running ||
                (session.fight() != nullptr) != fighting) {
                std::abort();
            }
        } else {
            table.before = session.world();
        }
        if (result == Console::LineResult::GameOver) break;
        // The output is not checked; dropping it keeps a long input from growing the stream.
        table.out.str({});
    }
    return 0;
}
