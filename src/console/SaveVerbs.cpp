// save, load, slots: the 저장하기 and 불러오기 dialogs and their five slot buttons.
#include <filesystem>
#include <ostream>
#include <system_error>
#include <utility>

#include "console/Console.h"
#include "world/SavedGames.h"

namespace golmok {

namespace {

void Save(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "save N");
    ctx.RequireMapUnlocked();
    const int slot = ReadIndex(args[0], kSaveSlotCount, "slot");
    // The player's data folder of an installed game may not exist before the first save. If it
    // cannot be made, the save says why.
    std::error_code ignored;
    std::filesystem::create_directories(ctx.folder, ignored);
    // A saved game shows no message; only a failed one does.
    if (auto failure = SaveGame(ctx.world(), ctx.folder, slot)) ctx.Message(*failure);
}

void Load(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "load N");
    // The title menu offers 불러오기 too; on the map it is in a menu the fights freeze.
    if (ctx.session.running()) ctx.RequireMapUnlocked();
    const int slot = ReadIndex(args[0], kSaveSlotCount, "slot");
    World loaded = ctx.world();
    LoadResult result = LoadGame(loaded, ctx.folder, slot);
    if (result.state != SlotState::Game) {
        ctx.Message(result.message);
        return;
    }
    ctx.session.ShowGame(std::move(loaded));
}

void Slots(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "slots");
    for (int slot = 0; slot < kSaveSlotCount; ++slot) {
        ctx.out << "slot " << slot << ' ' << SlotLabel(ctx.folder, slot, ctx.world()) << '\n';
    }
}

}  // namespace

void AddSaveVerbs(VerbTable& verbs) {
    verbs["save"] = Save;
    verbs["load"] = Load;
    verbs["slots"] = Slots;
}

}  // namespace golmok
