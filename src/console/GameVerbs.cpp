// new-game, quit, option: the title menu and the map's menus.
#include "console/Console.h"

namespace golmok {

namespace {

void NewGame(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "new-game G");
    if (ctx.session.running()) throw ConsoleError("a game is running; quit it first");
    int group = ReadIndex(args[0], kGroupCount, "group");
    ctx.Messages(ctx.session.StartNewGame(group));
}

void Quit(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "quit");
    ctx.RequireMapUnlocked();
    ctx.Message(kQuitQuestion);  // answered Yes
    ctx.session.QuitToTitle();
}

void Option(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(
        args, 2,
        "option notices|healthbars|music|autosave|truce|strong|living|preview|forecast on|off, "
        "option battle turn|real");
    ctx.RequireMapUnlocked();
    World& w = ctx.world();
    const std::string& name = args[0];
    if (name == "battle") {
        if (args[1] == "turn") {
            w.BattleMode = BattleMode::Turn;
        } else if (args[1] == "real") {
            w.BattleMode = BattleMode::Real;
        } else {
            throw ConsoleError("expected turn or real, not '" + args[1] + "'");
        }
    } else if (name == "notices") {
        w.options.notices = ReadOnOff(args[1]);
    } else if (name == "healthbars") {
        w.options.healthBars = ReadOnOff(args[1]);
    } else if (name == "music") {
        w.options.music = ReadOnOff(args[1]);
    } else if (name == "autosave") {
        w.options.autosave = ReadOnOff(args[1]);
    } else if (name == "truce") {
        w.options.truce = ReadOnOff(args[1]);
    } else if (name == "strong") {
        w.options.strongGangs = ReadOnOff(args[1]);
    } else if (name == "preview") {
        w.options.preview = ReadOnOff(args[1]);
    } else if (name == "forecast") {
        w.options.forecast = ReadOnOff(args[1]);
    } else if (name == "living") {
        w.options.living = ReadOnOff(args[1]);
    } else {
        throw ConsoleError("no option '" + name + "'");
    }
}

}  // namespace

void AddGameVerbs(VerbTable& verbs) {
    verbs["new-game"] = NewGame;
    verbs["quit"] = Quit;
    verbs["option"] = Option;
}

}  // namespace golmok
