// city, panel: the command menu of a district.
#include <ostream>

#include "commands/CommandMenu.h"
#include "console/Console.h"

namespace golmok {

namespace {

void PrintPanel(ConsoleContext& ctx) {
    const MenuState& menu = ctx.menu();
    const Panel& p = menu.panel;
    ctx.out << "panel city=" << menu.SelectedCity << " name=" << p.cityLabel
            << " group=" << p.groupLabel << " population=" << p.rows[0] << " commerce=" << p.rows[1]
            << " money=" << p.rows[2] << " people=" << p.rows[3] << " stick=" << p.rows[4]
            << " sword=" << p.rows[5] << " members=" << p.rows[6] << " knife=" << p.rows[7]
            << " fame=" << p.rows[8] << '\n';
}

void City(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 1, "city D");
    ctx.RequireMapUnlocked();
    // The open dialogs follow the menu to the new district.
    ctx.session.ClickCity(ReadIndex(args[0], kCityCount, "district"));
    PrintPanel(ctx);
}

void ShowPanel(ConsoleContext& ctx, const Words& args) {
    ExpectArgs(args, 0, "panel");
    ctx.RequireGame();
    if (!ctx.menu().panel.open) throw ConsoleError("the command menu is not open (city D)");
    PrintPanel(ctx);
}

}  // namespace

void AddMenuVerbs(VerbTable& verbs) {
    verbs["city"] = City;
    verbs["panel"] = ShowPanel;
}

}  // namespace golmok
