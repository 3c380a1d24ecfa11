#include "console/Console.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>

#include "fight/FightSetup.h"
#include "game/About.h"
#include "game/NewWorld.h"
#include "world/Cp949.h"
#include "world/Settings.h"
#include "world/SlotFolder.h"
#include "world/SmallFiles.h"

namespace golmok {

namespace {

constexpr const char* kProgram = "golmok-console";
// No word of the grammar comes near this many characters; a longer one is cut (with "…") before
// it is read, so that an error never echoes more of it.
constexpr std::size_t kLongestEcho = 200;
constexpr const char* kConsoleUsage = "사용법: golmok-console [--dir 폴더] [--settings] [스크립트 | -]\n";
constexpr const char* kConsoleHelp =
    "골목패권기를 스크립트의 줄대로, 스크립트가 없거나 -이면 표준 입력의 줄대로 합니다.\n"
    "한 줄에 명령 하나; 명령 help가 모든 명령을 보여 줍니다.\n"
    "\n"
    "옵션:\n"
    "  --dir 폴더, --dir=폴더  기록 파일을 이 폴더에서 읽고 저장 칸도 여기에 둡니다.\n"
    "  --settings             창 게임이 간직한 옵션(~/.config/golmok/golmok.ini)으로 합니다.\n"
    "                         없으면 스크립트가 어디서나 같게 돌도록 기본 옵션으로 합니다.\n"
    "  --                     옵션의 끝: 뒤의 낱말은 스크립트 이름입니다.\n"
    "  -h, --help             이 도움말을 보여 주고 끝냅니다.\n"
    "  -v, --version          판 번호를 보여 주고 끝냅니다.\n"
    "\n"
    "끝 상태: 모든 줄을 했으면 0, 오류가 난 줄이 있으면 1, 명령줄이 거부되었거나\n"
    "게임을 시작할 수 없으면 2.\n";

// Why a script could not be opened, in the words the game uses for files.
std::string ScriptOpenFailure(const std::filesystem::path& script, int error) {
    std::error_code ignored;
    if (std::filesystem::is_directory(script, ignored)) return "파일이 아니라 폴더입니다";
    switch (error) {
        case ENOENT:
            return "파일이 없습니다";
        case EACCES:
        case EPERM:
            return "읽을 권한이 없습니다";
        case 0:
            return "열 수 없습니다";
        default:
            return SystemErrorText(error);
    }
}

}  // namespace

void ConsoleContext::Message(const std::string& text) {
    // A message may name a file, and a file's name need not be UTF-8; the output always is.
    out << "message: " << ValidUtf8(text) << '\n';
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
    AddHelpVerb(verbs_);
}

std::vector<std::string> Console::VerbNames() const {
    std::vector<std::string> names;
    for (const auto& [name, verb] : verbs_)
        names.push_back(name);
    return names;
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
    // The output stays UTF-8 whatever comes in: a NUL is refused as such, bytes that are not
    // UTF-8 read (and are echoed) as U+FFFD, and no word is echoed longer than it could be.
    if (line.find('\0') != std::string_view::npos) {
        context_.out << "error: the line holds a NUL character (byte 0)\n";
        return LineResult::Error;
    }
    Words words = SplitWords(ValidUtf8(line));
    for (std::string& word : words) {
        if (Utf8Length(word) > kLongestEcho) word = CutUtf8(word, kLongestEcho);
    }
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
        context_.out << "error: " << ValidUtf8(error.what()) << '\n';
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
    std::optional<std::string> script;
    bool settings = false;
    const auto refuse = [&err](const std::string& why) {
        err << kProgram << ": " << why << "\n'" << kProgram << " --help'로 쓰는 법을 볼 수 있습니다.\n";
        return 2;
    };
    bool options = true;
    for (const std::string& arg : args) {
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") {
            out << kConsoleUsage << kConsoleHelp << '\n' << kReportFaults;
            return 0;
        }
        if (arg == "--version" || arg == "-v") {
            out << VersionText(kProgram, GOLMOK_VERSION);
            return 0;
        }
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && arg == "--dir") {
            if (i + 1 == args.size()) return refuse("--dir 뒤에 폴더를 적어야 합니다.");
            dirOption = args[++i];
        } else if (options && arg.starts_with("--dir=")) {
            dirOption = arg.substr(6);
            if (dirOption.empty()) return refuse("--dir 뒤에 폴더를 적어야 합니다.");
        } else if (options && arg == "--settings") {
            settings = true;
        } else if (options && arg.size() > 1 && arg.starts_with("-")) {
            return refuse("알 수 없는 옵션입니다: " + arg);
        } else if (script) {
            return refuse("스크립트는 하나만 적을 수 있습니다: " + arg);
        } else {
            script = arg;
        }
    }
    // A script named "-" is standard input; "./-" names a file called "-".
    std::ifstream scriptFile;
    if (script == "-") script.reset();
    if (script) {
        errno = 0;
        scriptFile.open(*script);
        const int error = errno;
        std::error_code ignored;
        if (!scriptFile || std::filesystem::is_directory(*script, ignored)) {
            err << kProgram << ": 스크립트 " << *script
                << "을(를) 열 수 없습니다: " << ScriptOpenFailure(*script, error) << '\n';
            return 2;
        }
    }
    const GameFolders folders = FindGameFolders(dirOption, executableFolder);
    std::string error;
    World world = BuildStartWorld(folders.records, error);
    if (!error.empty()) {
        err << StartUpError(kProgram, folders.records, error);
        return 2;
    }
    if (settings) ReadSettingsFile(SettingsFile(), world);
    Session session(std::move(world));
    Console console(session, out, folders.saves);
    return console.Run(script ? scriptFile : in);
}

}  // namespace golmok
