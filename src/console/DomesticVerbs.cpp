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
    MenuState& m = ctx.menu();
    OpenCommandDialog(m);
    if (human) ChoosePerson(m, *human);
    ctx.Messages(ok(w, m).messages);
}

void TrainVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "train H");
    ctx.RequireCommandMenu(Menu::Action);
    const Chosen h = ReadChosen(args[0], TrainList(ctx.world(), ctx.menu()), "person");
    PressOk(ctx, h, [&](World& w, MenuState& m) { return Train(w, m, h); });
}

void HealVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "heal H");
    ctx.RequireCommandMenu(Menu::Action);
    const Chosen h = ReadChosen(args[0], HealList(ctx.world(), ctx.menu()), "person");
    PressOk(ctx, h, [&](World& w, MenuState& m) { return Heal(w, m, h); });
}

void ReorgVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 2, "reorg H N");
    ctx.RequireCommandMenu(Menu::Action);
    World& w = ctx.world();
    MenuState& m = ctx.menu();
    // An open dialog keeps the list it was opened with.
    const Chosen h = ReadChosen(args[0], m.reorg.open ? m.reorg.people : ReorgList(w, m), "person");
    const double typed = ReadWhole(args[1]);
    if (!m.reorg.open) OpenReorganizing(w, m);
    // Typing with nobody clicked in this dialog changes nobody.
    if (h) {
        ChooseForReorganizing(w, m, *h);
        ctx.Messages(Reorganize(w, m, *h, typed).messages);
    }
    ctx.out << "reorg pool=" << FormatNumber(m.reorg.ReorgPool)
            << " members=" << (h ? FormatNumber(w.HumanMembers[*h]) : "") << '\n';
}

void ReorgCloseVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "reorg-close");
    ctx.RequireGame();
    if (!ctx.menu().reorg.open) throw ConsoleError("the 재편성 dialog is not open");
    CloseReorganizing(ctx.menu());
}

void RecruitVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 2, "recruit H AMOUNT");
    ctx.RequireCommandMenu(Menu::Action);
    const Chosen h = ReadChosen(args[0], RecruitList(ctx.world(), ctx.menu()), "person");
    // Without a person the bar has no base: any whole number goes, and OK asks for a person.
    const double amount =
        h ? ReadAmount(args[1], RecruitMost(ctx.world(), *h)) : ReadWhole(args[1]);
    PressOk(ctx, h, [&](World& w, MenuState& m) { return Recruit(w, m, h, amount); });
}

void DevelopVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 2, "develop H AMOUNT");
    ctx.RequireCommandMenu(Menu::City);
    const Chosen h = ReadChosen(args[0], DevelopList(ctx.world(), ctx.menu()), "person");
    const double amount = ReadAmount(args[1], DevelopMost(ctx.world(), ctx.menu()));
    PressOk(ctx, h, [&](World& w, MenuState& m) { return DevelopCommerce(w, m, h, amount); });
}

void CollectVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "collect H");
    ctx.RequireCommandMenu(Menu::City);
    const Chosen h = ReadChosen(args[0], CollectList(ctx.world(), ctx.menu()), "person");
    PressOk(ctx, h, [&](World& w, MenuState& m) { return CollectMoney(w, m, h); });
}

void PrizeVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 2, "prize H AMOUNT");
    ctx.RequireCommandMenu(Menu::Personnel);
    const Chosen h = ReadChosen(args[0], PrizeList(ctx.world(), ctx.menu()), "person");
    const double amount = ReadAmount(args[1], PrizeMost(ctx.world(), ctx.menu()));
    PressOk(ctx, h, [&](World& w, MenuState& m) { return GivePrize(w, m, h, amount); });
}

void DismissVerb(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "dismiss H");
    ctx.RequireCommandMenu(Menu::Personnel);
    const Chosen h = ReadChosen(args[0], DismissList(ctx.world(), ctx.menu()), "person");
    PressOk(ctx, h, [&](World& w, MenuState& m) { return DismissPerson(w, m, h); });
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
    const MenuState& menu = ctx.menu();
    const Chosen s = ReadChosen(args[0], ScoutList(world, menu), "scout");
    const Chosen t = ReadChosen(args[1], AllScoutTargets(world), "target");
    // The target's district is clicked first, then the target in it.
    const std::optional<int> district =
        t ? world.CityIndexOf(world.HumanCity[*t]) : std::optional<int>();
    const double bribe = ReadAmount(args[2], ScoutMost(world, menu));
    PressOk(ctx, s, [&](World& w, MenuState& m) { return Scout(w, m, s, t, district, bribe); });
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

std::vector<int> ScoutTargetsList(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "list scout-targets D");
    ctx.RequireCommandMenu(Menu::Personnel);
    const int d = ReadListed(args[0], ScoutDistricts(ctx.world()), "district");
    return ScoutTargets(ctx.world(), d);
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
    lists["train"] = MenuList(Menu::Action, TrainList);
    lists["heal"] = MenuList(Menu::Action, HealList);
    lists["reorg"] = MenuList(Menu::Action, ReorgList);
    lists["recruit"] = MenuList(Menu::Action, RecruitList);
    lists["develop"] = MenuList(Menu::City, DevelopList);
    lists["collect"] = MenuList(Menu::City, CollectList);
    lists["prize"] = MenuList(Menu::Personnel, PrizeList);
    lists["dismiss"] = MenuList(Menu::Personnel, DismissList);
    lists["scout"] = MenuList(Menu::Personnel, ScoutList);
    lists["scout-districts"] = MenuList(Menu::Personnel, ScoutDistricts);
    lists["scout-targets"] = ScoutTargetsList;
    lists["info"] = MenuList(Menu::Info, PersonInfoList);
}

}  // namespace golmok
