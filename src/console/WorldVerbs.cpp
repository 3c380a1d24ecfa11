// show, dump, ownership, outlook: the world as lines of name=value.
#include <optional>
#include <ostream>

#include "console/Console.h"
#include "game/DistrictOutlook.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

const char* Bool(bool value) {
    return value ? "True" : "False";
}
std::string Num(double value) {
    return FormatNumber(value);
}

void PrintHuman(std::ostream& out, const World& w, int h) {
    out << "human " << h << " name=" << w.HumanName[h] << " group=" << w.HumanGroup[h]
        << " rank=" << w.HumanRank[h] << " city=" << w.HumanCity[h]
        << " loyalty=" << Num(w.HumanLoyalty[h]) << " attack=" << Num(w.HumanAttack[h])
        << " defence=" << Num(w.HumanDefence[h]) << " charm=" << Num(w.HumanCharm[h])
        << " agility=" << Num(w.HumanAgility[h]) << " stamina=" << Num(w.HumanStamina[h])
        << " intelligence=" << Num(w.HumanIntelligence[h])
        << " leadership=" << Num(w.HumanLeadership[h]) << " members=" << Num(w.HumanMembers[h])
        << " morale=" << Num(w.HumanMorale[h]) << " canact=" << Bool(w.HumanCanAct[h])
        << " weapon=" << w.HumanWeapon[h] << " attackparty=" << Bool(w.HumanInAttackParty[h])
        << " defenceparty=" << Bool(w.HumanInDefenceParty[h]) << '\n';
}

void PrintCity(std::ostream& out, const World& w, int c) {
    out << "city " << c << " name=" << w.CityName[c] << " owner=" << w.OwnerOf(c).value_or(-1)
        << " color=" << w.CityOwnerColor[c] << " population=" << Num(w.CityPopulation[c])
        << " commerce=" << Num(w.CityCommerce[c]) << " money=" << Num(w.CityMoney[c])
        << " sword=" << Num(w.CitySword[c]) << " knife=" << Num(w.CityKnife[c])
        << " stick=" << Num(w.CityStick[c]) << " count=" << Num(w.CityHumanCount[c])
        << " total=" << Num(w.CityMemberTotal[c]) << '\n';
}

void PrintGroup(std::ostream& out, const World& w, int g) {
    out << "group " << g << " name=" << w.GroupName[g] << " color=" << w.GroupColor[g]
        << " boss=" << w.GroupBossName[g] << " fame=" << Num(w.GroupFame[g])
        << " ally=" << Num(w.GroupAlly[g]) << " hostility=" << Num(w.GroupHostility[g]) << '\n';
}

void PrintGame(std::ostream& out, const World& w) {
    out << "game year=" << w.Year << " month=" << w.Month << " week=" << w.Week
        << " player=" << w.PlayerGroupIndex << " playername=" << w.PlayerGroupName
        << " playercolor=" << w.PlayerColor << " battlemode=" << BattleModeName(w.BattleMode)
        << " attackfrom=" << w.AttackFromCity << " attackto=" << w.AttackToCity
        << " maplocked=" << Bool(w.MapLocked) << '\n';
}

void Show(ConsoleContext& ctx, const Words& args) {
    const World& w = ctx.world();
    if (args.size() == 1 && args[0] == "game") return PrintGame(ctx.out, w);
    ExpectArgs(args, 2, "show human H | show city D | show group G | show game");
    if (args[0] == "human")
        return PrintHuman(ctx.out, w, ReadIndex(args[1], kHumanCount, "person"));
    if (args[0] == "city") return PrintCity(ctx.out, w, ReadIndex(args[1], kCityCount, "district"));
    if (args[0] == "group") return PrintGroup(ctx.out, w, ReadIndex(args[1], kGroupCount, "group"));
    throw ConsoleError("show what: human, city, group or game");
}

void Dump(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "dump");
    const World& w = ctx.world();
    PrintGame(ctx.out, w);
    for (int g = 0; g < kGroupCount; ++g)
        PrintGroup(ctx.out, w, g);
    for (int c = 0; c < kCityCount; ++c)
        PrintCity(ctx.out, w, c);
    for (int h = 0; h < kHumanCount; ++h)
        PrintHuman(ctx.out, w, h);
}

void Ownership(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "ownership");
    const World& w = ctx.world();
    int held[kGroupCount] = {};
    for (int c = 0; c < kCityCount; ++c) {
        if (auto owner = w.OwnerOf(c)) ++held[*owner];
    }
    ctx.out << "ownership";
    for (int count : held)
        ctx.out << ' ' << count;
    ctx.out << '\n';
}

// One line per district: what the map's tooltip tells, and with 다음 주 예상 on whether the next
// turn end falls upon it.
void Outlook(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "outlook");
    ctx.RequireGame();
    const World& w = ctx.world();
    std::optional<NextWeekPreview> preview;
    if (w.options.preview) preview = PreviewNextTurnEnd(w);
    for (int c = 0; c < kCityCount; ++c)
        ctx.out << OutlookLine(w, c, preview ? &*preview : nullptr) << '\n';
}

}  // namespace

void AddWorldVerbs(VerbTable& verbs) {
    verbs["show"] = Show;
    verbs["dump"] = Dump;
    verbs["ownership"] = Ownership;
    verbs["outlook"] = Outlook;
}

}  // namespace golmok
