// libFuzzer target for the slot loader: any bytes either load as a sound game or are refused with
// a message and leave the running world exactly as it was.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/NewWorld.h"
#include "world/SavedGames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace golmok;
    static const World base = BuildNewWorld(GOLMOK_DATA_DIR);
    World world = base;
    const LoadResult result =
        ReadSaveBytes(std::string_view(reinterpret_cast<const char*>(data), size), world);
    if (result.state != SlotState::Game) {
        if (!(world == base) || result.message.empty()) std::abort();
        return 0;
    }
    // What loads saves again, and reads back as itself.
    World again = base;
    if (ReadSaveText(SaveText(world), again).state != SlotState::Game || !(again == world)) {
        std::abort();
    }
    return 0;
}
