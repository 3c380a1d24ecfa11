// libFuzzer target for the console: any lines, fed to a game loaded from a slot, never crash the
// game, and a line the console refuses (an `error:` line) leaves the world exactly as it was.
//
// `save` lines are skipped, so that every input starts from the same slot, and `end-turn` with
// more than 20 turns is skipped, since a long run of turn ends is slow, not wrong.
#include <unistd.h>

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

bool Skipped(std::string_view line) {
    std::istringstream words{std::string(line)};
    std::string verb, count;
    words >> verb >> count;
    if (verb == "save") return true;
    return verb == "end-turn" && !count.empty() &&
           (count.size() > 2 || std::atoi(count.c_str()) > 20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const World start = BuildNewWorld(GOLMOK_DATA_DIR);
    static const std::filesystem::path folder = SlotFolder();
    Session session(start);
    std::ostringstream out;
    Console console(session, out, folder);
    if (console.RunLine("load 0") != Console::LineResult::Done || !session.running()) std::abort();

    std::string_view input(reinterpret_cast<const char*>(data), size);
    for (int lines = 0; !input.empty() && lines < 64; ++lines) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        if (Skipped(line)) continue;
        const World before = session.world();
        const bool running = session.running();
        const bool fighting = session.fight() != nullptr;
        const Console::LineResult result = console.RunLine(line);
        if (result == Console::LineResult::Error &&
            (!(session.world() == before) || session.running() != running ||
             (session.fight() != nullptr) != fighting)) {
            std::abort();
        }
        if (result == Console::LineResult::GameOver) break;
    }
    return 0;
}
