#include "console/Console.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>

#include "fight/FightSetup.h"
#include "game/NewWorld.h"
#include "world/SlotFolder.h"

namespace golmok {

namespace {

constexpr const char* kConsoleUsage = "usage: golmok-console [--dir DIR] [SCRIPT]\n";
constexpr const char* kConsoleHelp =
    "Plays golmok (골목패권기) from the lines of SCRIPT, or of standard input without one.\n"
    "\n"
    "  --dir DIR      the game folder: the record files are read and the save slots kept there\n"
    "  -h, --help     prints this and ends\n"
    "  -v, --version  prints the version and ends\n"
    "\n"
    "Exit status: 0 when every line ran, 1 when a line was an error, 2 when the command line\n"
    "was refused or the world could not be built.\n";

}  // namespace

void ConsoleContext::Message(const std::string& text) {
    out << "message: " << text << '\n';
}

void ConsoleContext::Messages(const std::vector<std::string>& texts) {
    for (const std::string& text : texts)
        Message(text);
}

void ConsoleContext::RequireGame() const {
    if (!session.running()) throw ConsoleError("no game is running");
}

void ConsoleContext::RequireMapUnlocked() const {
    RequireGame();
    if (session.world().MapLocked) throw ConsoleError("the map is locked during a fight");
}

void ConsoleContext::RequireCommandMenu(Menu menu) const {
    RequireMapUnlocked();
    if (!session.menu().panel.open) throw ConsoleError("the command menu is not open (city D)");
    if (!MenuEnabled(session.menu(), menu)) {
        throw ConsoleError("that menu is disabled in a district of another gang");
    }
}

Lister MenuList(Menu menu, std::function<Listing(const World&, const MenuState&)> entries) {
    return [menu, entries](ConsoleContext& ctx, const Words& args) {
        if (!args.empty()) throw ConsoleError("this list takes no argument");
        ctx.RequireCommandMenu(menu);
        return entries(ctx.world(), ctx.menu());
    };
}

Lister MenuList(Menu menu, Listing (*entries)(const World&)) {
    return MenuList(menu,
                    [entries](const World& world, const MenuState&) { return entries(world); });
}

int ReadListed(const std::string& word, const std::vector<int>& listed, const char* what) {
    int value = -1;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() ||
        std::find(listed.begin(), listed.end(), value) == listed.end()) {
        throw ConsoleError(std::string("the dialog does not list ") + what + " '" + word + "'");
    }
    return value;
}

int ReadIndex(const std::string& word, int count, const char* what) {
    int value = -1;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value < 0 || value >= count) {
        throw ConsoleError(std::string("no ") + what + " '" + word + "' (0.." +
                           std::to_string(count - 1) + ")");
    }
    return value;
}

bool ReadOnOff(const std::string& word) {
    if (word == "on") return true;
    if (word == "off") return false;
    throw ConsoleError("expected on or off, not '" + word + "'");
}

void ExpectArgs(const Words& args, std::size_t count, const char* usage) {
    if (args.size() != count) throw ConsoleError(std::string("usage: ") + usage);
}

namespace {

Words SplitWords(std::string_view line) {
    Words words;
    std::size_t i = 0;
    while (true) {
        i = line.find_first_not_of(" \t\r", i);
        if (i == std::string_view::npos) break;
        std::size_t end = line.find_first_of(" \t\r", i);
        words.emplace_back(line.substr(i, end == std::string_view::npos ? end : end - i));
        if (end == std::string_view::npos) break;
        i = end;
    }
    return words;
}

}  // namespace

Console::Console(Session& session, std::ostream& out, std::filesystem::path folder)
    : context_{session, out, std::move(folder)} {
    AddWorldVerbs(verbs_);
    AddGameVerbs(verbs_);
    AddMenuVerbs(verbs_);
    AddTradeVerbs(verbs_);
    AddTradeLists(lists_);
    AddSaveVerbs(verbs_);
    AddDomesticVerbs(verbs_);
    AddDomesticLists(lists_);
    AddTurnVerbs(verbs_);
    AddFightVerbs(verbs_);
    AddFightLists(lists_);
    verbs_["list"] = [this](ConsoleContext& ctx, const Words& args) { List(ctx, args); };
    verbs_["why-empty"] = [this](ConsoleContext& ctx, const Words& args) { WhyEmpty(ctx, args); };
}

Listing Console::Lookup(ConsoleContext& ctx, const Words& args, const char* verb) {
    if (args.empty()) throw ConsoleError(std::string("usage: ") + verb + " DIALOG [ARG]");
    auto lister = lists_.find(args[0]);
    if (lister == lists_.end()) throw ConsoleError("no list '" + args[0] + "'");
    return lister->second(ctx, Words(args.begin() + 1, args.end()));
}

void Console::List(ConsoleContext& ctx, const Words& args) {
    const Listing listing = Lookup(ctx, args, "list");
    ctx.out << "list " << args[0];
    for (int entry : listing.entries)
        ctx.out << ' ' << entry;
    ctx.out << '\n';
}

void Console::WhyEmpty(ConsoleContext& ctx, const Words& args) {
    const Listing listing = Lookup(ctx, args, "why-empty");
    ctx.out << "why-empty " << args[0];
    if (!listing.whyEmpty.empty()) ctx.out << ' ' << listing.whyEmpty;
    ctx.out << '\n';
}

Console::LineResult Console::RunLine(std::string_view line) {
    Words words = SplitWords(line);
    if (words.empty() || words.front().starts_with('#')) return LineResult::Done;
    LineResult result = LineResult::Done;
    // The windows drop an announced defence with nobody to send before it shows; here it goes
    // before the next line can find the map frozen.
    if (context_.session.running()) DropEmptyDefence(context_.world());
    auto verb = verbs_.find(words.front());
    try {
        if (verb == verbs_.end()) throw ConsoleError("unknown verb '" + words.front() + "'");
        verb->second(context_, Words(words.begin() + 1, words.end()));
    } catch (const ConsoleError& error) {
        context_.out << "error: " << error.what() << '\n';
        result = LineResult::Error;
    }
    // The map's end-of-game check runs after every change.
    Session& session = context_.session;
    if (session.running()) {
        std::string announcement = session.AnnounceGameEnd();
        if (!announcement.empty()) {
            context_.Message(announcement);
            context_.out << "game over "
                         << (session.ending() == GameEnd::Victory ? "victory" : "defeat") << '\n';
            return LineResult::GameOver;
        }
    }
    return result;
}

int Console::Run(std::istream& in) {
    bool anyError = false;
    std::string line;
    while (std::getline(in, line)) {
        LineResult result = RunLine(line);
        if (result == LineResult::Error) anyError = true;
        if (result == LineResult::GameOver) break;
    }
    context_.out.flush();
    return anyError ? 1 : 0;
}

int ConsoleMain(const std::vector<std::string>& args, const std::filesystem::path& executableFolder,
                std::istream& in, std::ostream& out, std::ostream& err) {
    std::filesystem::path dirOption;
    std::string script;
    const auto refuse = [&err](const std::string& why) {
        err << "golmok-console: " << why << '\n' << kConsoleUsage;
        return 2;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            out << kConsoleUsage << kConsoleHelp;
            return 0;
        }
        if (args[i] == "--version" || args[i] == "-v") {
            out << "golmok-console " << GOLMOK_VERSION << '\n';
            return 0;
        }
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dir") {
            if (i + 1 == args.size()) return refuse("--dir needs a folder");
            dirOption = args[++i];
        } else if (args[i].starts_with("-")) {
            return refuse("unknown option " + args[i]);
        } else if (!script.empty()) {
            return refuse("one script only, not " + args[i]);
        } else {
            script = args[i];
        }
    }
    std::ifstream scriptFile;
    if (!script.empty()) {
        scriptFile.open(script);
        if (!scriptFile) {
            err << script << ": cannot open the script\n";
            return 2;
        }
    }
    const GameFolders folders = FindGameFolders(dirOption, executableFolder);
    std::string error;
    World world = BuildStartWorld(folders.records, error);
    if (!error.empty()) {
        err << error << '\n';
        return 2;
    }
    Session session(std::move(world));
    Console console(session, out, folders.saves);
    return console.Run(script.empty() ? in : scriptFile);
}

}  // namespace golmok
