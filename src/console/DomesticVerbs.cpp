// The domestic, personnel and information commands of the command menu: 훈련, 치료, 재편성,
// 조직원 스카웃, 상업개발, 돈걷기, 포상, 해고, 행동대장 스카웃 and 조직정보, with their lists.
//
// Each line opens its dialog, clicks what it names, types its amounts and presses OK; whatever
// the game answers, the dialog counts as closed afterwards. Only 재편성, which has no OK, stays
// open between lines until reorg-close.
#include <optional>
#include <ostream>
#include <string>

#include "commands/Commerce.h"
#include "commands/Information.h"
#include "commands/PrizeDismissal.h"
#include "commands/Recruiting.h"
#include "commands/Scouting.h"
#include "commands/Training.h"
#include "console/Console.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

// A person argument: `-` clicks nothing in the list.
Chosen ReadChosen(const std::string& word, const std::vector<int>& listed, const char* what) {
    if (word == "-") return std::nullopt;
    return ReadListed(word, listed, what);
}

// What is typed into an amount box that takes whole numbers from 0 to `most`.
double ReadAmount(const std::string& word, double most) {
    if (auto amount = AcceptTypedAmount(word, most)) return *amount;
    throw ConsoleError("the amount box does not take '" + word + "': " + TypedAmountMessage(most));
}

// A whole number of 0 or more, where the box has no upper bound of its own.
double ReadWhole(const std::string& word) {
    if (auto amount = ParseWholeAmount(word)) return *amount;
    throw ConsoleError("the amount box does not take '" + word + "': a whole number of 0 or more");
}

// Opens a dialog, clicks `human` in its list (if anybody) and shows what OK answers.
template <class Operation>
void PressOk(ConsoleContext& ctx, Chosen human, Operation ok) {
    World& w = ctx.world();
    OpenCommandDialog(w);
    if (human) ChoosePerson(w, *human);
    ctx.Messages(ok(w).messages);
}

void TrainVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "train H");
    ctx.RequireCommandMenu(Menu::Action);
    const Chosen h = ReadChosen(args[0], TrainList(ctx.world()), "person");
    PressOk(ctx, h, [&](World& w) { return Train(w, h); });
}

void HealVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "heal H");
    ctx.RequireCommandMenu(Menu::Action);
    const Chosen h = ReadChosen(args[0], HealList(ctx.world()), "person");
    PressOk(ctx, h, [&](World& w) { return Heal(w, h); });
}

void ReorgVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 2, "reorg H N");
    ctx.RequireCommandMenu(Menu::Action);
    World& w = ctx.world();
    // An open dialog keeps the list it was opened with.
    const Chosen h = ReadChosen(args[0], w.reorg.open ? w.reorg.people : ReorgList(w), "person");
    const double typed = ReadWhole(args[1]);
    if (!w.reorg.open) OpenReorganizing(w);
    // Typing with nobody clicked in this dialog changes nobody.
    if (h) {
        ChooseForReorganizing(w, *h);
        ctx.Messages(Reorganize(w, *h, typed).messages);
    }
    ctx.out << "reorg pool=" << FormatNumber(w.reorg.ReorgPool)
            << " members=" << (h ? FormatNumber(w.HumanMembers[*h]) : "") << '\n';
}

void ReorgCloseVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "reorg-close");
    ctx.RequireGame();
    if (!ctx.world().reorg.open) throw ConsoleError("the 재편성 dialog is not open");
    CloseReorganizing(ctx.world());
}

void RecruitVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 2, "recruit H AMOUNT");
    ctx.RequireCommandMenu(Menu::Action);
    const Chosen h = ReadChosen(args[0], RecruitList(ctx.world()), "person");
    // Without a person the bar has no base: any whole number goes, and OK asks for a person.
    const double amount =
        h ? ReadAmount(args[1], RecruitMost(ctx.world(), *h)) : ReadWhole(args[1]);
    PressOk(ctx, h, [&](World& w) { return Recruit(w, h, amount); });
}

void DevelopVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 2, "develop H AMOUNT");
    ctx.RequireCommandMenu(Menu::City);
    const Chosen h = ReadChosen(args[0], DevelopList(ctx.world()), "person");
    const double amount = ReadAmount(args[1], DevelopMost(ctx.world()));
    PressOk(ctx, h, [&](World& w) { return DevelopCommerce(w, h, amount); });
}

void CollectVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "collect H");
    ctx.RequireCommandMenu(Menu::City);
    const Chosen h = ReadChosen(args[0], CollectList(ctx.world()), "person");
    PressOk(ctx, h, [&](World& w) { return CollectMoney(w, h); });
}

void PrizeVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 2, "prize H AMOUNT");
    ctx.RequireCommandMenu(Menu::Personnel);
    const Chosen h = ReadChosen(args[0], PrizeList(ctx.world()), "person");
    const double amount = ReadAmount(args[1], PrizeMost(ctx.world()));
    PressOk(ctx, h, [&](World& w) { return GivePrize(w, h, amount); });
}

void DismissVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "dismiss H");
    ctx.RequireCommandMenu(Menu::Personnel);
    const Chosen h = ReadChosen(args[0], DismissList(ctx.world()), "person");
    PressOk(ctx, h, [&](World& w) { return DismissPerson(w, h); });
}

// Every target the dialog can list: the targets of every district it lists.
std::vector<int> AllScoutTargets(const World& w) {
    std::vector<int> targets;
    for (int d : ScoutDistricts(w)) {
        for (int t : ScoutTargets(w, d))
            targets.push_back(t);
    }
    return targets;
}

void ScoutVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 3, "scout S T AMOUNT");
    ctx.RequireCommandMenu(Menu::Personnel);
    const World& world = ctx.world();
    const Chosen s = ReadChosen(args[0], ScoutList(world), "scout");
    const Chosen t = ReadChosen(args[1], AllScoutTargets(world), "target");
    // The target's district is clicked first, then the target in it.
    const std::optional<int> district =
        t ? world.CityIndexOf(world.HumanCity[*t]) : std::optional<int>();
    const double bribe = ReadAmount(args[2], ScoutMost(world));
    PressOk(ctx, s, [&](World& w) { return Scout(w, s, t, district, bribe); });
}

std::string Figure(const std::optional<double>& label) {
    return label ? FormatNumber(*label) : std::string();
}

void GroupInfoVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "info-group G");
    ctx.RequireCommandMenu(Menu::Info);
    const int g = ReadListed(args[0], GroupInfoList(ctx.world()), "group");
    const GroupFigures f = GroupInfoFigures(ctx.world(), g);
    ctx.out << "groupinfo money=" << Figure(f.money) << " fame=" << FormatNumber(f.fame)
            << " boss=" << f.boss << " people=" << Figure(f.people)
            << " members=" << Figure(f.members) << " sword=" << Figure(f.sword)
            << " knife=" << Figure(f.knife) << " stick=" << Figure(f.stick) << '\n';
}

// A list of a dialog of `menu` that takes no argument.
template <Listing (*list)(const World&)>
Lister MenuList(Menu menu) {
    return [menu](ConsoleContext& ctx, const Words& args) {
        ExpectArgs(args, 0, "list DIALOG");
        ctx.RequireCommandMenu(menu);
        return list(ctx.world());
    };
}

Listing ScoutTargetsList(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "list scout-targets D");
    ctx.RequireCommandMenu(Menu::Personnel);
    const int d = ReadListed(args[0], ScoutDistricts(ctx.world()), "district");
    return ScoutTargetsListing(ctx.world(), d);
}

}  // namespace

void AddDomesticVerbs(VerbTable& verbs) {
    verbs["train"] = TrainVerb;
    verbs["heal"] = HealVerb;
    verbs["reorg"] = ReorgVerb;
    verbs["reorg-close"] = ReorgCloseVerb;
    verbs["recruit"] = RecruitVerb;
    verbs["develop"] = DevelopVerb;
    verbs["collect"] = CollectVerb;
    verbs["prize"] = PrizeVerb;
    verbs["dismiss"] = DismissVerb;
    verbs["scout"] = ScoutVerb;
    verbs["info-group"] = GroupInfoVerb;
}

void AddDomesticLists(ListTable& lists) {
    lists["train"] = MenuList<TrainListing>(Menu::Action);
    lists["heal"] = MenuList<HealListing>(Menu::Action);
    lists["reorg"] = MenuList<ReorgListing>(Menu::Action);
    lists["recruit"] = MenuList<RecruitListing>(Menu::Action);
    lists["develop"] = MenuList<DevelopListing>(Menu::City);
    lists["collect"] = MenuList<CollectListing>(Menu::City);
    lists["prize"] = MenuList<PrizeListing>(Menu::Personnel);
    lists["dismiss"] = MenuList<DismissListing>(Menu::Personnel);
    lists["scout"] = MenuList<ScoutListing>(Menu::Personnel);
    lists["scout-districts"] = MenuList<ScoutDistrictsListing>(Menu::Personnel);
    lists["scout-targets"] = ScoutTargetsList;
    lists["info"] = MenuList<PersonInfoListing>(Menu::Info);
}

}  // namespace golmok
