#include "console/Console.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>

#include "game/NewWorld.h"
#include "world/RecordFiles.h"
#include "world/SlotFolder.h"

namespace golmok {

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

Lister MenuList(Menu menu,
                std::function<std::vector<int>(const World&, const MenuState&)> entries) {
    return [menu, entries](ConsoleContext& ctx, const Words& args) {
        if (!args.empty()) throw ConsoleError("this list takes no argument");
        ctx.RequireCommandMenu(menu);
        return entries(ctx.world(), ctx.menu());
    };
}

Lister MenuList(Menu menu, std::vector<int> (*entries)(const World&)) {
    return MenuList(menu, [entries](const World& world, const MenuState&) { return entries(world); });
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
}

void Console::List(ConsoleContext& ctx, const Words& args) {
    if (args.empty()) throw ConsoleError("usage: list DIALOG [ARG]");
    auto lister = lists_.find(args[0]);
    if (lister == lists_.end()) throw ConsoleError("no list '" + args[0] + "'");
    const std::vector<int> entries = lister->second(ctx, Words(args.begin() + 1, args.end()));
    ctx.out << "list " << args[0];
    for (int entry : entries)
        ctx.out << ' ' << entry;
    ctx.out << '\n';
}

Console::LineResult Console::RunLine(std::string_view line) {
    Words words = SplitWords(line);
    if (words.empty() || words.front().starts_with('#')) return LineResult::Done;
    LineResult result = LineResult::Done;
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
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dir" && i + 1 < args.size()) {
            dirOption = args[++i];
        } else if (args[i].starts_with("-") || !script.empty()) {
            err << "usage: golmok-console [--dir DIR] [SCRIPT]\n";
            return 2;
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
    std::optional<Session> session;
    try {
        session.emplace(BuildNewWorld(folders.records));
    } catch (const RecordFileError& error) {
        err << error.what() << '\n';
        return 2;
    }
    Console console(*session, out, folders.saves);
    return console.Run(script.empty() ? in : scriptFile);
}

}  // namespace golmok
