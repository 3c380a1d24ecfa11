// golmok-console: plays the game from typed or scripted lines. Every verb calls the same operation
// the windows call; the console only reads the line's words and prints what the windows show.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "commands/CommandMenu.h"
#include "commands/Listing.h"
#include "session/Session.h"

namespace golmok {

// A line the console cannot carry out; printed as "error: WHY" and nothing changes.
class ConsoleError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct ConsoleContext {
    Session& session;
    std::ostream& out;
    std::filesystem::path folder;  // the folder of the save slots

    World& world() { return session.world(); }
    MenuState& menu() { return session.menu(); }
    void Message(const std::string& text);
    void Messages(const std::vector<std::string>& texts);

    // State checks of the verbs; each throws ConsoleError.
    void RequireGame() const;         // a game is on the map
    void RequireMapUnlocked() const;  // a game is on the map and no fight freezes it
    // A district command: the command menu is open (`city D`), the map is not frozen and `menu`
    // is enabled in the selected district.
    void RequireCommandMenu(Menu menu) const;
};

using Words = std::vector<std::string>;
using Verb = std::function<void(ConsoleContext&, const Words& args)>;
using VerbTable = std::map<std::string, Verb, std::less<>>;

// `list DIALOG [ARG]`: what the list of a dialog would hold if it were opened now (indexes of
// people, districts or groups, in list order); `why-empty DIALOG [ARG]`: the line the dialog
// shows when that list is empty. Each area adds the lists of its dialogs.
using Lister = std::function<Listing(ConsoleContext&, const Words& args)>;
using ListTable = std::map<std::string, Lister, std::less<>>;

// A list of a dialog that one of the menus opens and that takes no argument; the dialog can only be
// opened from there.
Lister MenuList(Menu menu, std::function<Listing(const World&, const MenuState&)> entries);
Lister MenuList(Menu menu, Listing (*entries)(const World&));

// Word readers; each throws ConsoleError naming what was wrong.
int ReadIndex(const std::string& word, int count, const char* what);  // 0..count-1
bool ReadOnOff(const std::string& word);
void ExpectArgs(const Words& args, std::size_t count, const char* usage);
// An index that the dialog's list holds (a person, district or group the dialog would list).
int ReadListed(const std::string& word, const std::vector<int>& listed, const char* what);

// The verbs, by area.
void AddWorldVerbs(VerbTable& verbs);  // show, dump, ownership
void AddGameVerbs(VerbTable& verbs);   // new-game, quit, option
void AddMenuVerbs(VerbTable& verbs);   // city, panel
// buy-arms, sell-arms, move, transport, ally, ally-cancel, aid, and their lists
void AddTradeVerbs(VerbTable& verbs);
void AddTradeLists(ListTable& lists);
void AddSaveVerbs(VerbTable& verbs);  // save, load, slots
// train, heal, reorg, reorg-close, recruit, develop, collect, prize, dismiss, scout, info-group
void AddDomesticVerbs(VerbTable& verbs);
void AddDomesticLists(ListTable& lists);
void AddTurnVerbs(VerbTable& verbs);   // end-turn, money-up
void AddFightVerbs(VerbTable& verbs);  // attack, defend, key, tick, field
void AddFightLists(ListTable& lists);  // attack, attack-targets, defend
void AddHelpVerb(VerbTable& verbs);    // help
// The verbs `help` lists, in its order.
std::vector<std::string> HelpVerbNames();

class Console {
  public:
    Console(Session& session, std::ostream& out, std::filesystem::path folder);

    enum class LineResult { Done, Error, GameOver };
    LineResult RunLine(std::string_view line);

    // The verbs this console knows, in alphabetical order.
    std::vector<std::string> VerbNames() const;

    // Runs every line of `in` until the end or the end of the game: 0 when every line ran, 1 when
    // any line was an error.
    int Run(std::istream& in);

  private:
    void List(ConsoleContext& ctx, const Words& args);
    void WhyEmpty(ConsoleContext& ctx, const Words& args);
    Listing Lookup(ConsoleContext& ctx, const Words& args, const char* verb);

    ConsoleContext context_;
    VerbTable verbs_;
    ListTable lists_;
};

// The whole program: arguments, start-up (status 2 when the world cannot be built), the lines.
// The record files and the slots are found from `executableFolder` by FindGameFolders; with
// --settings the options come from the windows' settings file (world/Settings.h).
int ConsoleMain(const std::vector<std::string>& args, const std::filesystem::path& executableFolder,
                std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace golmok
