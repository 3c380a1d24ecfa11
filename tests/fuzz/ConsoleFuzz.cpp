// libFuzzer target for the console: any lines, fed to a game loaded from a slot, never crash the
// game, and a line the console refuses (an `error:` line) leaves the world exactly as it was.
//
// Every input starts from the same game, read from its slot once. `save` lines are skipped, so
// that the slot stays as it is, and so is turning 자동저장 on, whose every turn end would wait on
// the disk (the saves have fuzzers and tests of their own). What else an input may do is bounded
// (Budget below).
//
// The world is not copied and compared around every line: a fingerprint of every field of the
// world is taken before a line and again after a refused one. The fingerprint is left out of the
// coverage the fuzzer follows (it runs the same code whatever the input), which keeps it far
// cheaper than a copy and a comparison of the world under the sanitizers.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "console/Console.h"
#include "game/NewWorld.h"

namespace {

using namespace golmok;

// A folder holding slot 0: a game of 거지파 three weeks in.
std::filesystem::path SlotFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "golmok-console-fuzz-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    Session session(BuildNewWorld(GOLMOK_DATA_DIR));
    std::ostringstream out;
    Console console(session, out, pattern);
    for (const char* line : {"new-game 0", "end-turn 3", "save 0"}) {
        if (console.RunLine(line) != Console::LineResult::Done) std::abort();
    }
    return pattern;
}

// What one input may still do. A long run of turn ends is slow, not wrong: an input ends at most
// four turns in all, a month of the game.
//
// The slots are listed by the first input that asks, and never again: nothing is ever saved into
// the folder (see above), and each label is read from its slot alone, so every later list would
// read and check the same files to the same end.
bool slotsListed = false;

class Budget {
  public:
    // Whether `line` runs; a line that runs spends its share.
    bool Spend(std::string_view line) {
        std::istringstream words{std::string(line)};
        std::string verb, first, second;
        words >> verb >> first >> second;
        if (verb == "save") return false;
        if (verb == "option" && first == "autosave" && second != "off") return false;
        if (verb == "slots" && first.empty()) return !std::exchange(slotsListed, true);
        if (verb != "end-turn") return true;
        const int lineTurns = first.empty()      ? 1
                              : first.size() > 2 ? kMostTurns + 1
                                                 : std::max(1, std::atoi(first.c_str()));
        if (turns_ + lineTurns > kMostTurns) return false;
        turns_ += lineTurns;
        return true;
    }

  private:
    static constexpr int kMostTurns = 4;
    int turns_ = 0;
};

// The game of slot 0, loaded once: each input starts from a copy of it.
struct Start {
    Session session;
    std::filesystem::path folder;
};

const Start& LoadedStart() {
    static const Start start = [] {
        const std::filesystem::path folder = SlotFolder();
        Session session(BuildNewWorld(GOLMOK_DATA_DIR));
        std::ostringstream out;
        Console console(session, out, folder);
        if (console.RunLine("load 0") != Console::LineResult::Done || !session.running())
            std::abort();
        return Start{std::move(session), folder};
    }();
    return start;
}

// The fingerprint of a world: every field but the turn end's index (kept for speed, equal in
// every comparison of worlds). A NaN anywhere is a fault of its own: no rule makes one, and a
// world holding it never compared equal to itself.
//
// It runs the same code whatever the input, so it is left out of the coverage the fuzzer
// follows; neither is it checked by the address sanitizer: it only reads what the game's own
// code, which is checked, has just written. The hash takes eight bytes at a time, and a table is
// taken in two lanes so that the multiplications need not wait for one another.
#define GOLMOK_PLAIN __attribute__((no_sanitize("coverage", "address")))

using Hash = std::uint64_t;

// For a fixed value a bijection of the hash, and the other way round: one changed field always
// changes the fingerprint. The rotation carries a change in the high bits, which multiplying alone
// would only push further up, back into the low ones, so that two changes do not cancel out.
GOLMOK_PLAIN inline Hash Mix(Hash hash, std::uint64_t value) {
    return (((hash << 23) | (hash >> 41)) ^ value) * 0x9e3779b97f4a7c15u;
}

GOLMOK_PLAIN Hash Add(Hash hash, const std::string& text) {
    // The string's own members are instrumented, out of line: they are called once, not for
    // every byte.
    const char* bytes = text.data();
    const std::size_t size = text.size();
    hash = Mix(hash, size);
    std::size_t at = 0;
    for (; at + 8 <= size; at += 8) {
        std::uint64_t piece = 0;
        __builtin_memcpy(&piece, bytes + at, 8);
        hash = Mix(hash, piece);
    }
    // The last piece is padded with zeros; its length is in the size.
    std::uint64_t piece = 0;
    for (unsigned shift = 0; at < size; ++at, shift += 8)
        piece |= std::uint64_t{static_cast<unsigned char>(bytes[at])} << shift;
    return Mix(hash, piece);
}

GOLMOK_PLAIN inline Hash Add(Hash hash, double value) {
    if (value != value) {  // NaN
        std::fputs("a NaN in the world\n", stderr);
        std::abort();
    }
    // 0 and -0 compare equal; so do their fingerprints.
    return Mix(hash, __builtin_bit_cast(std::uint64_t, value == 0 ? 0.0 : value));
}

template <class T>
    requires std::is_integral_v<T> || std::is_enum_v<T>
GOLMOK_PLAIN inline Hash Add(Hash hash, T value) {
    return Mix(hash, static_cast<std::uint64_t>(value));
}

template <class T, std::size_t N>
GOLMOK_PLAIN Hash Add(Hash hash, const std::array<T, N>& table) {
    // Through a plain pointer: the table's own operator[] is checked and out of line here.
    const T* entries = table.data();
    // Each lane starts afresh and both are mixed into the hash in turn: lanes that started from
    // the hash would carry the same change of it, which could cancel when they are joined.
    Hash even = 1;
    Hash odd = 2;
    std::size_t at = 0;
    for (; at + 2 <= N; at += 2) {
        even = Add(even, entries[at]);
        odd = Add(odd, entries[at + 1]);
    }
    if (at < N) even = Add(even, entries[at]);
    return Mix(Mix(hash, even), odd);
}

template <class... Fields>
GOLMOK_PLAIN Hash AddAll(Hash hash, const Fields&... fields) {
    ((hash = Add(hash, fields)), ...);
    return hash;
}

GOLMOK_PLAIN Hash Fingerprint(const World& world) {
    // A field added to World fails to compile here until it is added to the fingerprint.
    const auto& [humanName, humanGroup, humanRank, humanCity, humanLoyalty, humanAttack,
                 humanDefence, humanCharm, humanAgility, humanStamina, humanIntelligence,
                 humanLeadership, humanMembers, humanMorale, humanCanAct, humanWeapon,
                 humanInAttackParty, humanInDefenceParty, cityName, cityOwnerColor, cityPopulation,
                 cityCommerce, cityMoney, cityStick, cityKnife, citySword, cityHumanCount,
                 cityMemberTotal, groupName, groupColor, groupBossName, groupFame, groupAlly,
                 groupHostility, year, month, week, battleMode, playerGroupIndex, playerGroupName,
                 playerColor, attackFromCity, attackToCity, mapLocked, defenceSetupOpen, options,
                 turnIndex] = world;
    static_assert(std::is_same_v<std::remove_cvref_t<decltype(turnIndex)>, TurnIndex>);
    const auto& [notices, healthBars, music, autosave, news, truce, strongGangs, preview, living,
                 forecast] = options;
    return AddAll(0xcbf29ce484222325u, humanName, humanGroup, humanRank, humanCity, humanLoyalty,
                  humanAttack, humanDefence, humanCharm, humanAgility, humanStamina,
                  humanIntelligence, humanLeadership, humanMembers, humanMorale, humanCanAct,
                  humanWeapon, humanInAttackParty, humanInDefenceParty, cityName, cityOwnerColor,
                  cityPopulation, cityCommerce, cityMoney, cityStick, cityKnife, citySword,
                  cityHumanCount, cityMemberTotal, groupName, groupColor, groupBossName, groupFame,
                  groupAlly, groupHostility, year, month, week, battleMode, playerGroupIndex,
                  playerGroupName, playerColor, attackFromCity, attackToCity, mapLocked,
                  defenceSetupOpen, notices, healthBars, music, autosave, news, truce, strongGangs,
                  preview, living, forecast);
}

// Changes the fingerprint must see, tried once on the starting world: a field deep in a table of
// numbers, a name, a flag, an option, two signs flipped together.
void CheckFingerprint(const World& start) {
    using Change = void (*)(World&);
    const Change changes[] = {
        [](World& w) { w.HumanLoyalty[kHumanCount - 1] += 0.5; },
        [](World& w) { w.HumanCity[7] += "x"; },
        [](World& w) { std::swap(w.HumanName[0], w.HumanName[1]); },
        [](World& w) { w.HumanCanAct[10] = !w.HumanCanAct[10]; },
        [](World& w) { w.options.living = !w.options.living; },
        [](World& w) {
            w.CityMoney[3] = -w.CityMoney[3] - 1;
            w.CityMoney[5] = -w.CityMoney[5] - 1;
        },
    };
    const Hash before = Fingerprint(start);
    for (const Change change : changes) {
        World changed = start;
        change(changed);
        if (Fingerprint(changed) == before) {
            std::fputs("the fingerprint misses a change of the world\n", stderr);
            std::abort();
        }
    }
}

// What one input plays on. It lives from input to input: each input assigns it the start again,
// which reuses the strings' room instead of building a session, a world and a console anew.
struct Table {
    Session session;
    std::ostringstream out;
    Console console;

    explicit Table(const Start& start)
        : session(start.session), console(session, out, start.folder) {}
    // The console holds the session and the stream by reference.
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Start& start = LoadedStart();
    [[maybe_unused]] static const bool fingerprintChecked =
        (CheckFingerprint(start.session.world()), true);
    // Every input starts from the same world, so its fingerprint is taken once.
    static const Hash startPrint = Fingerprint(start.session.world());
    static Table table(start);
    Session& session = table.session;
    session = start.session;
    table.out.str({});

    std::string_view input(reinterpret_cast<const char*>(data), size);
    Budget budget;
    // The fingerprint of the world as it stands, while it is known: a refused line leaves it.
    std::optional<Hash> known = startPrint;
    for (int lines = 0; !input.empty() && lines < 64; ++lines) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        if (!budget.Spend(line)) continue;
        if (!known) known = Fingerprint(session.world());
        const bool running = session.running();
        const bool fighting = session.fight() != nullptr;
        const Console::LineResult result = table.console.RunLine(line);
        if (result == Console::LineResult::Error) {
            if (Fingerprint(session.world()) != *known || session.running() != running ||
                (session.fight() != nullptr) != fighting) {
                std::fprintf(stderr, "a refused line changed the game: %.*s\n",
                             static_cast<int>(line.size()), line.data());
                std::abort();
            }
        } else {
            known.reset();
        }
        if (result == Console::LineResult::GameOver) break;
        // The output is not checked; dropping it keeps a long input from growing the stream.
        table.out.str({});
    }
    return 0;
}
