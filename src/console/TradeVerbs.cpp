// buy-arms, sell-arms, move, transport, ally, ally-cancel, aid: the dialogs of 거래, of 이동 and
// 수송, and of 외교. Each line opens its dialog, clicks the given entries, types the amounts and
// presses 확인.
#include <algorithm>
#include <optional>

#include "commands/Aid.h"
#include "commands/Alliances.h"
#include "commands/Amounts.h"
#include "commands/ArmsTrade.h"
#include "commands/Moving.h"
#include "console/Console.h"

namespace golmok {

namespace {

// A list argument: `-` clicks nothing; anything else must be an entry the list holds.
std::optional<int> ReadChoice(const std::string& word, const std::vector<int>& listed,
                              const char* what) {
    if (word == "-") return std::nullopt;
    return ReadListed(word, listed, what);
}

// The words typed into the dialog's amount boxes, from args[first] on; each must be an amount its
// box accepts.
template <std::size_t N>
AmountBoxes<N> ReadBoxes(const Words& args, std::size_t first, const Amounts<N>& most) {
    AmountBoxes<N> boxes;
    for (std::size_t i = 0; i < N; ++i) {
        const std::string& word = args[first + i];
        if (!AcceptTypedAmount(word, most[i])) {
            throw ConsoleError("the amount box does not accept '" + word +
                               "': " + TypedAmountMessage(most[i]));
        }
        boxes[i] = word;
    }
    return boxes;
}

// The line's clicks, made once every word of it has been read, so that an error changes nothing.
void Click(MenuState& menu, std::optional<int> human, std::optional<int> target = std::nullopt) {
    if (human) ChoosePerson(menu, *human);
    if (target) ChooseDestination(menu, *target);
}

void Arms(ConsoleContext& ctx, const Words& args, bool buying) {
    ExpectArgs(args, 4,
               buying ? "buy-arms H SWORDS KNIVES STICKS" : "sell-arms H SWORDS KNIVES STICKS");
    ctx.RequireCommandMenu(Menu::Trade);
    World& w = ctx.world();
    MenuState& m = ctx.menu();
    const std::optional<int> trader = ReadChoice(args[0], ArmsTraders(w, m), "person");
    const ArmsBoxes boxes = ReadBoxes(args, 1, buying ? BuyingBarBases() : SellingBarBases(w, m));
    OpenCommandDialog(m);
    Click(m, trader);
    ctx.Messages((buying ? BuyArms(w, m, trader, boxes) : SellArms(w, m, trader, boxes)).messages);
}

void Move(ConsoleContext& ctx, const Words& args) {
    if (args.size() < 5)
        throw ConsoleError("usage: move TARGET SWORDS KNIVES STICKS MONEY [H ...]");
    ctx.RequireCommandMenu(Menu::Action);
    World& w = ctx.world();
    MenuState& m = ctx.menu();
    const std::vector<int> listed = MovingPeople(w, m);
    // Clicking people in this list selects them without touching SelectedHuman; no person given
    // leaves the list without a current entry.
    std::optional<std::vector<int>> people;
    if (args.size() > 5) {
        people.emplace();
        for (std::size_t i = 5; i < args.size(); ++i) {
            const int h = ReadListed(args[i], listed, "person");
            if (std::find(people->begin(), people->end(), h) != people->end()) {
                throw ConsoleError("person " + args[i] + " is given twice");
            }
            people->push_back(h);
        }
    }
    const std::optional<int> target = ReadChoice(args[0], Destinations(w, m), "district");
    const GoodsBoxes boxes = ReadBoxes(args, 1, GoodsBarBases(w, m));
    OpenCommandDialog(m);
    Click(m, std::nullopt, target);
    ctx.Messages(MovePeople(w, m, people, target, boxes).messages);
}

void Transport(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 6, "transport H TARGET SWORDS KNIVES STICKS MONEY");
    ctx.RequireCommandMenu(Menu::Action);
    World& w = ctx.world();
    MenuState& m = ctx.menu();
    const std::optional<int> escort = ReadChoice(args[0], MovingPeople(w, m), "person");
    const std::optional<int> target = ReadChoice(args[1], Destinations(w, m), "district");
    const GoodsBoxes boxes = ReadBoxes(args, 2, GoodsBarBases(w, m));
    OpenCommandDialog(m);
    Click(m, escort, target);
    ctx.Messages(TransportGoods(w, m, escort, target, boxes).messages);
}

void Ally(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 6, "ally H G SWORDS KNIVES STICKS MONEY");
    ctx.RequireCommandMenu(Menu::Diplomacy);
    World& w = ctx.world();
    MenuState& m = ctx.menu();
    const std::optional<int> envoy = ReadChoice(args[0], Envoys(w, m), "person");
    const std::optional<int> group = ReadChoice(args[1], UnalliedGangs(w), "group");
    const GoodsBoxes boxes = ReadBoxes(args, 2, AllianceBarBases(w, m));
    OpenCommandDialog(m);
    Click(m, envoy);
    ctx.Messages(MakeAlliance(w, m, envoy, group, boxes).messages);
}

void AllyCancel(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "ally-cancel G");
    ctx.RequireCommandMenu(Menu::Diplomacy);
    World& w = ctx.world();
    MenuState& m = ctx.menu();
    const std::optional<int> group = ReadChoice(args[0], AlliedGangs(w), "group");
    ctx.Messages(CancelAlliance(w, m, group).messages);
}

void Aid(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 6, "aid H G SWORDS KNIVES STICKS MONEY");
    ctx.RequireCommandMenu(Menu::Diplomacy);
    World& w = ctx.world();
    MenuState& m = ctx.menu();
    const std::optional<int> envoy = ReadChoice(args[0], Envoys(w, m), "person");
    const std::optional<int> group = ReadChoice(args[1], AlliedGangs(w), "group");
    const GoodsBoxes boxes = ReadBoxes(args, 2, AidBarBases());
    OpenCommandDialog(m);
    Click(m, envoy);
    ctx.Messages(RequestAid(w, m, envoy, group, boxes).messages);
}


}  // namespace

void AddTradeVerbs(VerbTable& verbs) {
    verbs["buy-arms"] = [](ConsoleContext& ctx, const Words& args) { Arms(ctx, args, true); };
    verbs["sell-arms"] = [](ConsoleContext& ctx, const Words& args) { Arms(ctx, args, false); };
    verbs["move"] = Move;
    verbs["transport"] = Transport;
    verbs["ally"] = Ally;
    verbs["ally-cancel"] = AllyCancel;
    verbs["aid"] = Aid;
}

void AddTradeLists(ListTable& lists) {
    lists["buy-arms"] = MenuList(Menu::Trade, ArmsTraders);
    lists["sell-arms"] = MenuList(Menu::Trade, ArmsTraders);
    lists["move"] = MenuList(Menu::Action, MovingPeople);
    lists["move-targets"] = MenuList(Menu::Action, Destinations);
    lists["transport"] = MenuList(Menu::Action, MovingPeople);
    lists["ally"] = MenuList(Menu::Diplomacy, Envoys);
    lists["ally-groups"] = MenuList(Menu::Diplomacy, UnalliedGangs);
    lists["aid-groups"] = MenuList(Menu::Diplomacy, AlliedGangs);
    lists["cancel-groups"] = MenuList(Menu::Diplomacy, AlliedGangs);
}

}  // namespace golmok
