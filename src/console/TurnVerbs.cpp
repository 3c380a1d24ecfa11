// end-turn, money-up, news: the map's 턴 > 종료 and 돈올리기, and what the last turn end did, as
// events or as the news window tells it.
#include <charconv>
#include <ostream>
#include <string>

#include "console/Console.h"
#include "game/TurnCycle.h"
#include "game/TurnNews.h"

namespace golmok {

namespace {

// One line ends at most this many turns: a longer run is a script's mistake that would keep the
// console busy for hours.
constexpr int kMostTurnsALine = 10000;

int ReadTurnCount(const std::string& word) {
    int value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value < 1 ||
        value > kMostTurnsALine) {
        throw ConsoleError("expected a number of turns from 1 to " +
                           std::to_string(kMostTurnsALine) + ", not '" + word + "'");
    }
    return value;
}

void EndTurns(ConsoleContext& ctx, const Words& args) {
    if (args.size() > 1) throw ConsoleError("usage: end-turn [N]");
    const int turns = args.empty() ? 1 : ReadTurnCount(args[0]);
    ctx.RequireMapUnlocked();
    World& w = ctx.world();
    for (int turn = 0; turn < turns; ++turn) {
        // The turns before the calendar's end stay done; the line stops there.
        if (ctx.session.CalendarEnded()) throw ConsoleError(kCalendarEndMessage);
        ctx.Messages(ctx.session.EndTurn(ctx.folder));
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

// One line for each thing the computer gangs did at the last turn end, in the order they did it;
// `news window`: the lines of the news window as the player reads them.
void News(ConsoleContext& ctx, const Words& args) {
    if (args.size() > 1 || (args.size() == 1 && args[0] != "window")) {
        throw ConsoleError("usage: news [window]");
    }
    ctx.RequireGame();
    if (!args.empty()) {
        for (const std::string& line : NewsWindowLines(ctx.world(), ctx.session.weekNews()))
            ctx.out << "window " << line << '\n';
        return;
    }
    for (const TurnEvent& event : ctx.session.news())
        ctx.out << NewsLine(event) << '\n';
}

}  // namespace

void AddTurnVerbs(VerbTable& verbs) {
    verbs["end-turn"] = EndTurns;
    verbs["money-up"] = MoneyUpVerb;
    verbs["news"] = News;
}

}  // namespace golmok
