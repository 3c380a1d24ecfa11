// save, load, slots: the 저장하기 and 불러오기 dialogs and their five slot buttons.
#include <filesystem>
#include <ostream>
#include <system_error>
#include <utility>

#include "console/Console.h"
#include "world/SavedGames.h"

namespace golmok {

namespace {

// `load auto`: the slot the game saves itself into after every turn end.
constexpr const char* kAutosaveWord = "auto";

void Save(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "save N");
    ctx.RequireMapUnlocked();
    if (args[0] == kAutosaveWord) throw ConsoleError("the autosave slot cannot be saved over");
    const int slot = ReadIndex(args[0], kSaveSlotCount, "slot");
    // A saved game shows no message; only a failed one does, or one that kept a file it could
    // not read.
    ctx.Messages(ctx.session.SaveTo(ctx.folder, slot));
}

void Load(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "load N|auto");
    // The title menu offers 불러오기 too; on the map it is in a menu the fights freeze.
    if (ctx.session.running()) ctx.RequireMapUnlocked();
    const int slot =
        args[0] == kAutosaveWord ? kAutosaveSlot : ReadIndex(args[0], kSaveSlotCount, "slot");
    LoadResult result = ctx.session.LoadFrom(ctx.folder, slot);
    ctx.Messages(result.notices);
    if (result.state != SlotState::Game) ctx.Message(result.message);
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
