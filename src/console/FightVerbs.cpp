// attack, defend, key, tick, field, auto, forecast: fights from their set-up to their result.
#include <algorithm>
#include <charconv>
#include <ostream>
#include <utility>

#include "console/Console.h"
#include "fight/FightSetup.h"
#include "fight/Forecast.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

const char* Bool(bool value) {
    return value ? "True" : "False";
}

struct Armed {
    int human;
    std::string weapon;
};

// The H:WEAPON words of a set-up line, checked against the people the screen lists.
std::vector<Armed> ReadFighters(const Words& words, const std::vector<int>& listed) {
    std::vector<Armed> fighters;
    for (const std::string& word : words) {
        const std::size_t colon = word.find(':');
        if (colon == std::string::npos) throw ConsoleError("expected H:WEAPON, not '" + word + "'");
        Armed armed{ReadListed(word.substr(0, colon), listed, "person"), word.substr(colon + 1)};
        if (std::find(kWeaponNames.begin(), kWeaponNames.end(), armed.weapon) ==
            kWeaponNames.end()) {
            throw ConsoleError("no weapon '" + armed.weapon + "' (주먹, 각목, 사시미, 진검)");
        }
        for (const Armed& earlier : fighters) {
            if (earlier.human == armed.human) throw ConsoleError("person " + word + " given twice");
        }
        fighters.push_back(std::move(armed));
    }
    return fighters;
}

// Clicks each person and chooses his weapon; all of them end up selected.
SetupChoice ClickFighters(World& world, MenuState& menu, const std::vector<Armed>& fighters) {
    SetupChoice choice;
    for (const Armed& armed : fighters) {
        ChoosePerson(menu, armed.human);
        ChooseFighterWeapon(world, menu.SelectedHuman, armed.weapon);
        choice.selected.push_back(armed.human);
    }
    choice.personClicked = !fighters.empty();
    return choice;
}

void PrintFighter(std::ostream& out, const World& w, const char* side, int slot, const Fighter& f) {
    out << side << ' ' << slot << " human=" << f.human << " present=" << Bool(f.present);
    if (f.human >= 0) {
        out << " x=" << f.shown.x << " y=" << f.shown.y << " weapon=" << w.HumanWeapon[f.human]
            << " stamina=" << FormatNumber(w.HumanStamina[f.human])
            << " members=" << FormatNumber(w.HumanMembers[f.human]);
    }
    out << '\n';
}

void PrintField(ConsoleContext& ctx, const Fight& fight) {
    const World& w = ctx.world();
    ctx.out << "field side=" << (fight.side == FightSide::Attack ? "attack" : "defence")
            << " mode=" << (fight.realTime ? "Real" : "Turn") << " turn=" << fight.PlayerTurnSlot
            << " enemyturn=" << fight.EnemyTurnSlot << " aiming=" << Bool(fight.Aiming) << '\n';
    for (int i = 0; i < kSlotCount; ++i)
        PrintFighter(ctx.out, w, "player", i, fight.player[i]);
    for (int i = 0; i < kSlotCount; ++i)
        PrintFighter(ctx.out, w, "enemy", i, fight.enemy[i]);
    if (fight.Aiming) {
        const WeaponPiece& aim = fight.playerWeapons[fight.AimWeapon];
        ctx.out << "aim weapon=" << kWeaponNames[fight.AimWeapon] << " x=" << aim.shown.x
                << " y=" << aim.shown.y << '\n';
    }
}

Fight& RunningFight(ConsoleContext& ctx) {
    ctx.RequireGame();
    Fight* fight = ctx.session.fight();
    if (!fight) throw ConsoleError("no fight is running");
    return *fight;
}

// What an event of the field showed, then the death and result passes that the field's 1 ms
// clock runs before the next event can arrive. A result closes the fight.
void FinishEvent(ConsoleContext& ctx, std::vector<std::string> messages) {
    Fight& fight = *ctx.session.fight();
    if (!fight.over()) {
        for (std::string& text : SettleDeaths(ctx.world(), fight))
            messages.push_back(std::move(text));
    }
    ctx.Messages(messages);
    if (fight.over()) {
        ctx.out << "fight over\n";
        ctx.session.CloseFight();
    }
}

void StartOrRefuse(ConsoleContext& ctx, SetupOutcome outcome) {
    ctx.Messages(outcome.outcome.messages);
    if (!outcome.fight) return;
    ctx.session.StartFight(std::move(*outcome.fight));
    PrintField(ctx, *ctx.session.fight());
    FinishEvent(ctx, {});
}

void Attack(ConsoleContext& ctx, const Words& args) {
    if (args.empty()) throw ConsoleError("usage: attack TARGET [H:WEAPON ...]");
    ctx.RequireCommandMenu(Menu::Action);
    World& w = ctx.world();
    MenuState& m = ctx.menu();
    const FightSetup listed = AttackSetupOf(w, m.SelectedCity);
    const bool targetClicked = args[0] != "-";
    const int target = targetClicked ? ReadListed(args[0], listed.targets, "district") : -1;
    const std::vector<Armed> fighters =
        ReadFighters(Words(args.begin() + 1, args.end()), listed.people);

    const FightSetup setup = OpenAttackSetup(w, m.SelectedCity);
    SetupChoice choice = ClickFighters(w, m, fighters);
    if (targetClicked) ChooseTargetCity(m, target);
    choice.targetClicked = targetClicked;
    StartOrRefuse(ctx, ConfirmAttack(w, setup, choice, m.SelectedTargetCity));
}

void Defend(ConsoleContext& ctx, const Words& args) {
    ctx.RequireGame();
    World& w = ctx.world();
    MenuState& m = ctx.menu();
    if (!w.DefenceSetupOpen) throw ConsoleError("no attack is announced: no defence to set up");
    const FightSetup setup = DefenceSetupOf(w);
    const std::vector<Armed> fighters = ReadFighters(args, setup.people);
    const SetupChoice choice = ClickFighters(w, m, fighters);
    StartOrRefuse(ctx, ConfirmDefence(w, setup, choice));
}

// A key by its virtual key code (any code 0 or more) or by the name of one the field knows.
FightKey ReadKey(const std::string& word) {
    static constexpr std::pair<const char*, FightKey> kNamed[] = {
        {"left", FightKey::Left}, {"up", FightKey::Up}, {"right", FightKey::Right},
        {"down", FightKey::Down}, {"a", FightKey::A},   {"enter", FightKey::Enter},
        {"esc", FightKey::Esc}};
    for (const auto& [name, key] : kNamed) {
        if (word == name) return key;
    }
    int code = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), code);
    if (ec != std::errc{} || end != word.data() + word.size() || code < 0) {
        throw ConsoleError("no key code '" + word + "'");
    }
    return FightKey{code};
}

void Key(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "key K");
    Fight& fight = RunningFight(ctx);
    const FightKey key = ReadKey(args[0]);
    FinishEvent(ctx, PressKey(ctx.world(), fight, key));
}

void Tick(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "tick");
    Fight& fight = RunningFight(ctx);
    if (!fight.realTime) throw ConsoleError("the computer's clock only runs in real-time fights");
    FinishEvent(ctx, ComputerAct(ctx.world(), fight));
}

// 자동 싸움 (F2) on the open fight: the rest of it in the steps the field's pace runs, each step
// printed as the field would show it.
void Auto(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "auto");
    Fight& fight = RunningFight(ctx);
    HandOver(fight);
    for (int n = 0; n < kAutoStepsMax && ctx.session.fight() && !fight.over(); ++n) {
        std::vector<std::string> messages = AutoStep(ctx.world(), fight);
        HideEnemyWeapons(fight);
        FinishEvent(ctx, std::move(messages));
    }
}

// 싸움 예상 for the line `attack` or `defend` would be, played on copies: nothing changes.
void Forecast(ConsoleContext& ctx, const Words& args) {
    if (args.empty() || (args[0] != "attack" && args[0] != "defend")) {
        throw ConsoleError(
            "usage: forecast attack TARGET [H:WEAPON ...] | forecast defend "
            "[H:WEAPON ...]");
    }
    World w = ctx.world();
    MenuState m = ctx.menu();
    if (args[0] == "attack") {
        if (args.size() < 2) throw ConsoleError("usage: forecast attack TARGET [H:WEAPON ...]");
        ctx.RequireCommandMenu(Menu::Action);
        const FightSetup listed = AttackSetupOf(w, m.SelectedCity);
        const bool targetClicked = args[1] != "-";
        const int target = targetClicked ? ReadListed(args[1], listed.targets, "district") : -1;
        const std::vector<Armed> fighters =
            ReadFighters(Words(args.begin() + 2, args.end()), listed.people);
        const FightSetup setup = OpenAttackSetup(w, m.SelectedCity);
        SetupChoice choice = ClickFighters(w, m, fighters);
        if (targetClicked) ChooseTargetCity(m, target);
        choice.targetClicked = targetClicked;
        ctx.out << ForecastLine(ForecastAttack(w, setup, choice, m.SelectedTargetCity)) << '\n';
        return;
    }
    ctx.RequireGame();
    if (!w.DefenceSetupOpen) throw ConsoleError("no attack is announced: no defence to set up");
    const FightSetup setup = DefenceSetupOf(w);
    const std::vector<Armed> fighters =
        ReadFighters(Words(args.begin() + 1, args.end()), setup.people);
    const SetupChoice choice = ClickFighters(w, m, fighters);
    ctx.out << ForecastLine(ForecastDefence(w, setup, choice)) << '\n';
}

void ShowField(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "field");
    PrintField(ctx, RunningFight(ctx));
}

}  // namespace

void AddFightVerbs(VerbTable& verbs) {
    verbs["attack"] = Attack;
    verbs["defend"] = Defend;
    verbs["key"] = Key;
    verbs["tick"] = Tick;
    verbs["field"] = ShowField;
    verbs["auto"] = Auto;
    verbs["forecast"] = Forecast;
}

void AddFightLists(ListTable& lists) {
    lists["attack"] = [](ConsoleContext& ctx, const Words& args) {
        ExpectArgs(args, 0, "list attack");
        ctx.RequireCommandMenu(Menu::Action);
        FightSetup setup = AttackSetupOf(ctx.world(), ctx.menu().SelectedCity);
        return Listing{std::move(setup.people), std::move(setup.whyNoPeople)};
    };
    lists["attack-targets"] = [](ConsoleContext& ctx, const Words& args) {
        ExpectArgs(args, 0, "list attack-targets");
        ctx.RequireCommandMenu(Menu::Action);
        FightSetup setup = AttackSetupOf(ctx.world(), ctx.menu().SelectedCity);
        return Listing{std::move(setup.targets), std::move(setup.whyNoTargets)};
    };
    lists["defend"] = [](ConsoleContext& ctx, const Words& args) {
        ExpectArgs(args, 0, "list defend");
        ctx.RequireGame();
        if (!ctx.world().DefenceSetupOpen) throw ConsoleError("no defence set-up is open");
        FightSetup setup = DefenceSetupOf(ctx.world());
        return Listing{std::move(setup.people), std::move(setup.whyNoPeople)};
    };
}

}  // namespace golmok
