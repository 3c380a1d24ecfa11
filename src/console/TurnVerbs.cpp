// end-turn, money-up: the map's 턴 > 종료 and 돈올리기.
#include <charconv>

#include "console/Console.h"
#include "game/TurnCycle.h"

namespace golmok {

namespace {

int ReadTurnCount(const std::string& word) {
    int value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value < 1) {
        throw ConsoleError("expected a number of turns of 1 or more, not '" + word + "'");
    }
    return value;
}

void EndTurns(ConsoleContext& ctx, const Words& args) {
    if (args.size() > 1) throw ConsoleError("usage: end-turn [N]");
    const int turns = args.empty() ? 1 : ReadTurnCount(args[0]);
    ctx.RequireMapUnlocked();
    World& w = ctx.world();
    for (int turn = 0; turn < turns; ++turn) {
        ctx.Messages(ctx.session.EndTurn());
        // An announced attack waits for the defence; a lost last district ends the game, which
        // the line's end-of-game check then announces once.
        if (w.DefenceSetupOpen || CheckGameEnd(w) != GameEnd::Running) break;
    }
}

void MoneyUpVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "money-up");
    // 돈올리기 stays enabled while a fight freezes the map.
    ctx.RequireGame();
    ctx.Messages(MoneyUp(ctx.world()));
}

}  // namespace

void AddTurnVerbs(VerbTable& verbs) {
    verbs["end-turn"] = EndTurns;
    verbs["money-up"] = MoneyUpVerb;
}

}  // namespace golmok
