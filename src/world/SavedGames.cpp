#include "world/SavedGames.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include "world/Cp949.h"
#include "world/FileSystem.h"
#include "world/Numbers.h"
#include "world/RecordFiles.h"
#include "world/SmallFiles.h"

namespace golmok {

namespace {

constexpr const char* kEmptySlotMessage = "빈 슬롯입니다. 불러올 게임이 없습니다.";

constexpr std::string_view kBlockNames[] = {"게임", "사람", "조직", "지역"};
constexpr std::string_view kGameFieldNames[kGameFieldCount] = {
    "연도", "월", "주", "플레이어 조직 이름", "플레이어 조직의 색", "플레이어 조직 번호"};
constexpr std::string_view kHumanFieldNames[kHumanFieldCount] = {
    "충성", "조직", "직급", "체력", "지역", "조직원수", "조직원사기", "행동 여부"};
constexpr std::string_view kGroupFieldNames[kGroupFieldCount] = {"명성", "동맹", "적대감"};
constexpr std::string_view kCityFieldNames[kCityFieldCount] = {"인구", "상업",   "돈",     "진검",
                                                               "각목", "사시미", "주인 색"};

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// --- Writing ------------------------------------------------------------------------------------

void AppendNumber(std::string& out, double x) {
    if (!(x < 0)) out += ' ';  // -0 is not negative: FormatNumber writes it as 0
    out += FormatNumber(x);
    out += kFieldSeparator;
}

void AppendText(std::string& out, std::string_view text) {
    out += text;
    out += kFieldSeparator;
}

// --- Reading ------------------------------------------------------------------------------------

// Why a slot text is not a sound saved game; caught by ReadSaveText.
struct Damage {
    std::string why;
};

[[noreturn]] void Refuse(std::string why) {
    throw Damage{std::move(why)};
}

bool OnlyBlanks(std::string_view text) {
    return text.find_first_not_of(" \r\n") == std::string_view::npos;
}

// The fields of one block: the text before each separator. The block must end with one.
std::vector<std::string_view> BlockFields(std::string_view block, SavedBlock index,
                                          std::size_t count) {
    const std::string blockName(kBlockNames[static_cast<int>(index)]);
    std::vector<std::string_view> fields;
    fields.reserve(count);
    std::size_t start = 0;
    for (std::size_t at = block.find(kFieldSeparator); at != std::string_view::npos;
         at = block.find(kFieldSeparator, start)) {
        if (fields.size() == count) {
            Refuse(blockName + " 블록의 항목이 " + std::to_string(count) + "개보다 많습니다");
        }
        fields.push_back(block.substr(start, at - start));
        start = at + kFieldSeparator.size();
    }
    if (start != block.size()) Refuse(blockName + " 블록이 항목 구분자로 끝나지 않습니다");
    if (fields.size() != count) {
        Refuse(blockName + " 블록의 항목이 " + std::to_string(count) + "개가 아니라 " +
               std::to_string(fields.size()) + "개입니다");
    }
    return fields;
}

// A number by the record files' rule ("+5", "5e3" and "12abc" read as 5, 5000 and 12; no digits
// read as 0). Whether it is in range is judged once the whole game is read.
double Number(std::string_view field, const SavedField& where) {
    const double value = ReadNumber(field);
    if (!std::isfinite(value)) Refuse(where.Name() + " 값이 너무 큽니다");
    return value;
}

int WholeNumber(std::string_view field, const SavedField& where, int low, int high) {
    const double value = Number(field, where);
    if (value != Int(value) || value < low || value > high) {
        Refuse(where.Name() + " 값이 " + std::to_string(low) + "부터 " + std::to_string(high) +
               " 사이의 정수가 아닙니다");
    }
    return static_cast<int>(value);
}

Color ColorNumber(std::string_view field, const SavedField& where) {
    const double value = Number(field, where);
    if (value != Int(value) || value < 0 || value > 0xFFFFFF) {
        Refuse(where.Name() + " 값이 색이 아닙니다");
    }
    return static_cast<Color>(value);
}

bool TrueFalse(std::string_view field, const SavedField& where) {
    const std::string_view text = Trimmed(field);
    if (text == "True") return true;
    if (text == "False") return false;
    Refuse(where.Name() + " 값이 True도 False도 아닙니다");
}

// A text as the game writes one, trimmed of spaces.
std::string Text(std::string_view field, const SavedField& where) {
    std::string text = TrimSpaces(field);
    if (auto why = UnwritableText(text)) Refuse(where.Name() + " 값" + *why);
    return text;
}

void ReadGameBlock(std::string_view block, World& w) {
    const auto f = BlockFields(block, SavedBlock::Game, kGameFieldCount);
    auto where = [](int field) { return SavedField{SavedBlock::Game, 0, field}; };
    w.Year = WholeNumber(f[0], where(0), kFirstYear, kLastYear);
    w.Month = WholeNumber(f[1], where(1), 1, 12);
    w.Week = WholeNumber(f[2], where(2), 1, 4);
    const std::string name = TrimSpaces(f[3]);
    const Color color = ColorNumber(f[4], where(4));
    const int index = WholeNumber(f[5], where(5), 0, kGroupCount - 1);
    // The three always describe the same gang; a file where they disagree would hand the player
    // districts of one gang and people of another.
    if (name != w.GroupName[index]) Refuse("플레이어 조직의 이름이 조직 번호와 맞지 않습니다");
    if (color != w.GroupColor[index]) Refuse("플레이어 조직의 색이 조직 번호와 맞지 않습니다");
    w.PlayerGroupName = name;
    w.PlayerColor = color;
    w.PlayerGroupIndex = index;
}

void ReadHumanBlock(std::string_view block, World& w) {
    const auto f =
        BlockFields(block, SavedBlock::Humans, std::size_t{kHumanCount} * kHumanFieldCount);
    for (int h = 0; h < kHumanCount; ++h) {
        const std::string_view* row = &f[std::size_t(h) * kHumanFieldCount];
        auto where = [h](int field) { return SavedField{SavedBlock::Humans, h, field}; };
        w.HumanLoyalty[h] = Number(row[0], where(0));
        w.HumanGroup[h] = Text(row[1], where(1));
        w.HumanRank[h] = Text(row[2], where(2));
        w.HumanStamina[h] = Number(row[3], where(3));
        w.HumanCity[h] = Text(row[4], where(4));
        w.HumanMembers[h] = Number(row[5], where(5));
        w.HumanMorale[h] = Number(row[6], where(6));
        w.HumanCanAct[h] = TrueFalse(row[7], where(7));
    }
}

void ReadGroupBlock(std::string_view block, World& w) {
    const auto f =
        BlockFields(block, SavedBlock::Groups, std::size_t{kGroupCount} * kGroupFieldCount);
    for (int g = 0; g < kGroupCount; ++g) {
        const std::string_view* row = &f[std::size_t(g) * kGroupFieldCount];
        auto where = [g](int field) { return SavedField{SavedBlock::Groups, g, field}; };
        w.GroupFame[g] = Number(row[0], where(0));
        w.GroupAlly[g] = Number(row[1], where(1));
        w.GroupHostility[g] = Number(row[2], where(2));
    }
}

void ReadCityBlock(std::string_view block, World& w) {
    const auto f =
        BlockFields(block, SavedBlock::Cities, std::size_t{kCityCount} * kCityFieldCount);
    for (int c = 0; c < kCityCount; ++c) {
        const std::string_view* row = &f[std::size_t(c) * kCityFieldCount];
        auto where = [c](int field) { return SavedField{SavedBlock::Cities, c, field}; };
        w.CityPopulation[c] = Number(row[0], where(0));
        w.CityCommerce[c] = Number(row[1], where(1));
        w.CityMoney[c] = Number(row[2], where(2));
        w.CitySword[c] = Number(row[3], where(3));
        w.CityStick[c] = Number(row[4], where(4));
        w.CityKnife[c] = Number(row[5], where(5));
        w.CityOwnerColor[c] = ColorNumber(row[6], where(6));
    }
}

LoadResult Damaged(const std::string& why) {
    return {SlotState::Damaged, "저장된 게임이 손상되어 불러올 수 없습니다 (" + why + ")."};
}

// --- Ranges -----------------------------------------------------------------------------------

// Bounds tested so that a value that is not a number falls outside too.
bool Within(double value, double low, double high) {
    return value >= low && value <= high;
}

std::optional<SavedFieldProblem> OutOf(const SavedField& field, double value, double low,
                                       double high) {
    if (Within(value, low, high)) return std::nullopt;
    // A figure of hundreds of digits would stretch a message box past the screen.
    if (std::abs(value) > kMostAmount) {
        return SavedFieldProblem{field, field.Name() + (value > 0 ? " 값이 너무 큽니다"
                                                                  : " 값이 너무 작습니다")};
    }
    return SavedFieldProblem{field, field.Name() + " 값 " + FormatNumber(value) + "이(가) " +
                                        FormatNumber(low) + "부터 " + FormatNumber(high) +
                                        " 사이가 아닙니다"};
}

std::optional<SavedFieldProblem> BadText(const SavedField& field, const std::string& text) {
    if (auto why = UnwritableText(text))
        return SavedFieldProblem{field, field.Name() + " 값" + *why};
    return std::nullopt;
}

std::optional<SavedFieldProblem> CheckGame(const World& w) {
    auto field = [](int f) { return SavedField{SavedBlock::Game, 0, f}; };
    if (auto p = OutOf(field(0), w.Year, kFirstYear, kLastYear)) return p;
    if (auto p = OutOf(field(1), w.Month, 1, 12)) return p;
    if (auto p = OutOf(field(2), w.Week, 1, 4)) return p;
    if (auto p = OutOf(field(5), w.PlayerGroupIndex, 0, kGroupCount - 1)) return p;
    if (w.PlayerGroupName != w.GroupName[w.PlayerGroupIndex]) {
        return SavedFieldProblem{field(3), "플레이어 조직의 이름이 조직 번호와 맞지 않습니다"};
    }
    if (w.PlayerColor != w.GroupColor[w.PlayerGroupIndex]) {
        return SavedFieldProblem{field(4), "플레이어 조직의 색이 조직 번호와 맞지 않습니다"};
    }
    return std::nullopt;
}

// What the rules can make of a person's figures between two turn ends. The turn end's checks
// bring everything back into its range, and the commands and fights of one turn can only move it
// so far: a failed scouting bribe lowers the target's loyalty by a millionth of the bribe, and
// every person in a district loses 20 loyalty at each conquest of it, so loyalty has no floor
// while the turn lasts; a fight lost takes 10 morale from each of its people, and a turn holds at
// most one fight per person and the defence; a command caps members at 100, above a leadership
// lower than that. Stamina and members of a beaten fighter are set to 0 as he leaves the field.
std::optional<SavedFieldProblem> CheckHuman(const World& w, int h) {
    auto field = [h](int f) { return SavedField{SavedBlock::Humans, h, f}; };
    if (auto p = OutOf(field(0), w.HumanLoyalty[h], -kMostAmount, 100)) return p;
    const std::string& group = w.HumanGroup[h];
    if (group != kJoblessGroup && !w.GroupIndexOf(group)) {
        return SavedFieldProblem{
            field(1), field(1).Name() + " 값 '" + group + "'은(는) 조직의 이름이 아닙니다"};
    }
    if (auto p = BadText(field(2), w.HumanRank[h])) return p;
    if (auto p = OutOf(field(3), w.HumanStamina[h], 0, std::max(0.0, w.FullStamina(h)))) return p;
    // Any name that is no district is a place outside every district.
    if (auto p = BadText(field(4), w.HumanCity[h])) return p;
    const double mostMembers = std::max(w.HumanLeadership[h], 100.0);
    if (auto p = OutOf(field(5), w.HumanMembers[h], 0, mostMembers)) return p;
    if (auto p = OutOf(field(6), w.HumanMorale[h], -10.0 * (kHumanCount + 1), 100)) return p;
    return std::nullopt;
}

// Fame only falls (a collection costs one point) and has no floor; hostility moves by 5 at most
// for each envoy's alliance and by 20 for each attack, and by 10 at a cancelled alliance, so one
// turn of 194 people's actions keeps it within these bounds.
std::optional<SavedFieldProblem> CheckGroup(const World& w, int g) {
    auto field = [g](int f) { return SavedField{SavedBlock::Groups, g, f}; };
    if (auto p = OutOf(field(0), w.GroupFame[g], -kMostAmount, kMostRecordFigure)) return p;
    if (w.GroupAlly[g] != 0 && w.GroupAlly[g] != 1) {
        return SavedFieldProblem{field(1), field(1).Name() + " 값 " + FormatNumber(w.GroupAlly[g]) +
                                               "이(가) 0도 1도 아닙니다"};
    }
    const double lowest = -5.0 * kHumanCount;
    const double highest = 100 + 10 + 20.0 * (kHumanCount + 1);
    if (auto p = OutOf(field(2), w.GroupHostility[g], lowest, highest)) return p;
    return std::nullopt;
}

// Population never changes; commerce rises by one for each person who develops it, whose
// intelligence must pass it; money and weapons are spent only as far as they go.
std::optional<SavedFieldProblem> CheckCity(const World& w, int c) {
    auto field = [c](int f) { return SavedField{SavedBlock::Cities, c, f}; };
    if (auto p = OutOf(field(0), w.CityPopulation[c], 0, kMostRecordFigure)) return p;
    if (auto p = OutOf(field(1), w.CityCommerce[c], 0, 100.0 + kHumanCount)) return p;
    if (auto p = OutOf(field(2), w.CityMoney[c], 0, kMostAmount)) return p;
    if (auto p = OutOf(field(3), w.CitySword[c], 0, kMostAmount)) return p;
    if (auto p = OutOf(field(4), w.CityStick[c], 0, kMostAmount)) return p;
    if (auto p = OutOf(field(5), w.CityKnife[c], 0, kMostAmount)) return p;
    // The map shows owners by colour: a colour of no gang would be a district nobody holds.
    if (std::find(w.GroupColor.begin(), w.GroupColor.end(), w.CityOwnerColor[c]) ==
        w.GroupColor.end()) {
        return SavedFieldProblem{field(6), field(6).Name() + " 값이 어느 조직의 색도 아닙니다"};
    }
    return std::nullopt;
}

// The length of the bytes up to and including the fourth block terminator (CP949 0xA2 0xAD), or
// all of them when there are fewer. The bytes are walked a character at a time, so that a
// terminator's bytes inside two other characters are not taken for one.
std::size_t FourBlocksLength(std::string_view bytes) {
    int blocks = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x81 || lead == 0xFF || i + 1 == bytes.size()) {
            ++i;
            continue;
        }
        const bool terminator = lead == 0xA2 && static_cast<unsigned char>(bytes[i + 1]) == 0xAD;
        i += 2;
        if (terminator && ++blocks == 4) return i;
    }
    return bytes.size();
}

// --- Files --------------------------------------------------------------------------------------

// The bytes of a slot file, or why it holds no game to read.
struct SlotBytes {
    std::optional<LoadResult> refusal;
    std::string bytes;
};

SlotBytes ReadSlotBytes(const std::filesystem::path& path) {
    SmallFile slot = ReadSmallFile(path, kMaxSlotBytes);
    if (slot.state == SmallFile::State::Missing)
        return {LoadResult{SlotState::Empty, kEmptySlotMessage}, {}};
    if (slot.state == SmallFile::State::Refused && (slot.error == EACCES || slot.error == EPERM)) {
        return {LoadResult{SlotState::Unreadable,
                           path.filename().string() +
                               "을(를) 읽을 권한이 없습니다. 게임을 불러올 수 없습니다."},
                {}};
    }
    if (slot.state == SmallFile::State::Refused) return {Damaged(slot.bytes), {}};
    if (slot.bytes.empty()) return {LoadResult{SlotState::Empty, kEmptySlotMessage}, {}};
    return {std::nullopt, std::move(slot.bytes)};
}

LoadResult ReadSlotFile(const std::filesystem::path& path, World& world) {
    const SlotBytes slot = ReadSlotBytes(path);
    if (slot.refusal) return *slot.refusal;
    return ReadSaveBytes(slot.bytes, world);
}

}  // namespace

std::string SaveFailureReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "폴더에 쓸 권한이 없습니다";
        case ENOENT:
        case ENOTDIR:
            return "저장 폴더가 없습니다";
        default:
            return SystemErrorText(error);
    }
}

namespace {

bool IsHex(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// What follows a slot's stem in the name of a file beside it: ".news" of an older save, or
// ".<fingerprint>.news" and ".<fingerprint>.<n>.news".
bool CompanionTail(std::string_view tail, std::string_view extension) {
    if (tail == extension) return true;
    if (!tail.ends_with(extension)) return false;
    tail.remove_suffix(extension.size());
    if (tail.size() < 1 + kFingerprintDigits || tail[0] != '.') return false;
    if (!IsHex(tail.substr(1, kFingerprintDigits))) return false;
    tail.remove_prefix(1 + kFingerprintDigits);
    return tail.empty() || (tail.size() == 2 && tail[0] == '.' && tail[1] >= '1' &&
                            tail[1] < '0' + kCompanionAlternates);
}

// The stem of the slot file whose name `name` is or lies beside: "save03", "autosave".
std::optional<std::string_view> SlotStem(std::string_view name) {
    if (name.starts_with("autosave.")) return name.substr(0, 8);
    if (name.size() >= 6 && name.starts_with("save0") && name[5] >= '0' &&
        name[5] < '0' + kSaveSlotCount) {
        return name.substr(0, 6);
    }
    return std::nullopt;
}

// The files a save writes whole: the slots, the autosave slot and the files beside each.
bool SavedFileName(std::string_view name) {
    const std::optional<std::string_view> stem = SlotStem(name);
    if (!stem) return false;
    const std::string_view tail = name.substr(stem->size());
    return tail == ".sav" ||
           std::any_of(
               std::begin(kSlotCompanionExtensions), std::end(kSlotCompanionExtensions),
               [tail](std::string_view extension) { return CompanionTail(tail, extension); });
}

// A temporary file of a save: "save03.sav.<process>-<count>.tmp" (or of the autosave slot or a
// chronicle). Returns its process, or nothing when the name is not one of ours.
std::optional<pid_t> TemporaryOwner(const std::string& name) {
    if (!name.ends_with(kTemporarySuffix)) return std::nullopt;
    const std::string_view stem =
        std::string_view(name).substr(0, name.size() - kTemporarySuffix.size());
    const std::size_t dot = stem.rfind('.');
    if (dot == std::string_view::npos || !SavedFileName(stem.substr(0, dot))) return std::nullopt;
    const std::string_view rest = stem.substr(dot + 1);
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == rest.size()) return std::nullopt;
    long long pid = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (i == dash) continue;
        if (rest[i] < '0' || rest[i] > '9') return std::nullopt;
        if (i < dash && pid < (1LL << 40)) pid = pid * 10 + (rest[i] - '0');
    }
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return std::nullopt;
    return static_cast<pid_t>(pid);
}

// A save that was killed half-way leaves its temporary file behind. Ours (not this process's,
// whose saves tidy up after themselves) are removed once the process that wrote them is gone or
// they have lain there an hour; another copy of the game saving right now keeps its own.
}  // namespace

void RemoveStaleTemporaries(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    if (error) return;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const auto& entry : entries) {
        const std::optional<pid_t> owner = TemporaryOwner(entry.path().filename().string());
        // Only a regular file is ever removed: never a folder, a link or anything else that
        // happens to bear such a name.
        if (!owner || *owner == getpid() || !entry.is_regular_file(error) || entry.is_symlink(error))
            continue;
        const bool ownerGone = ::kill(*owner, 0) != 0 && errno == ESRCH;
        const auto written = entry.last_write_time(error);
        const bool old = !error && now - written > std::chrono::hours(1);
        if (ownerGone || old) std::filesystem::remove(entry.path(), error);
    }
}

namespace {

// The first person's text that CP949 cannot write, for the message of a failed save.
std::optional<SavedField> FirstNonCp949Text(const World& world) {
    for (int h = 0; h < kHumanCount; ++h) {
        for (int f : {1, 2, 4}) {
            const std::string& name = f == 1   ? world.HumanGroup[h]
                                      : f == 2 ? world.HumanRank[h]
                                               : world.HumanCity[h];
            if (!EncodeCp949(name)) return SavedField{SavedBlock::Humans, h, f};
        }
    }
    return std::nullopt;
}

bool SameSavedFields(const World& a, const World& b) {
    return a.Year == b.Year && a.Month == b.Month && a.Week == b.Week &&
           a.PlayerGroupName == b.PlayerGroupName && a.PlayerColor == b.PlayerColor &&
           a.PlayerGroupIndex == b.PlayerGroupIndex && a.HumanLoyalty == b.HumanLoyalty &&
           a.HumanGroup == b.HumanGroup && a.HumanRank == b.HumanRank &&
           a.HumanStamina == b.HumanStamina && a.HumanCity == b.HumanCity &&
           a.HumanMembers == b.HumanMembers && a.HumanMorale == b.HumanMorale &&
           a.HumanCanAct == b.HumanCanAct && a.GroupFame == b.GroupFame &&
           a.GroupAlly == b.GroupAlly && a.GroupHostility == b.GroupHostility &&
           a.CityPopulation == b.CityPopulation && a.CityCommerce == b.CityCommerce &&
           a.CityMoney == b.CityMoney && a.CitySword == b.CitySword && a.CityStick == b.CityStick &&
           a.CityKnife == b.CityKnife && a.CityOwnerColor == b.CityOwnerColor;
}

}  // namespace

std::string SavedField::Name() const {
    switch (block) {
        case SavedBlock::Game:
            return std::string(kGameFieldNames[field]);
        case SavedBlock::Humans:
            return "사람 " + std::to_string(row) + "의 " + std::string(kHumanFieldNames[field]);
        case SavedBlock::Groups:
            return "조직 " + std::to_string(row) + "의 " + std::string(kGroupFieldNames[field]);
        case SavedBlock::Cities:
            return "지역 " + std::to_string(row) + "의 " + std::string(kCityFieldNames[field]);
    }
    return {};
}

std::optional<std::string> UnwritableText(std::string_view text) {
    if (text.find(kFieldSeparator) != std::string_view::npos ||
        text.find(kBlockTerminator) != std::string_view::npos) {
        return "에 저장 파일의 구분 문자가 있습니다";
    }
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) return "에 제어 문자가 있습니다";
    }
    if (text.find(kUnreadable) != std::string_view::npos) {
        return "에 CP949로 쓸 수 없는 글자가 있습니다";
    }
    if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) {
        return "이 공백으로 시작하거나 끝납니다";
    }
    return std::nullopt;
}

std::optional<SavedFieldProblem> CheckSavedFields(const World& world) {
    if (auto p = CheckGame(world)) return p;
    for (int h = 0; h < kHumanCount; ++h) {
        if (auto p = CheckHuman(world, h)) return p;
    }
    for (int g = 0; g < kGroupCount; ++g) {
        if (auto p = CheckGroup(world, g)) return p;
    }
    for (int c = 0; c < kCityCount; ++c) {
        if (auto p = CheckCity(world, c)) return p;
    }
    return std::nullopt;
}

void IgnoreFileSizeSignal() {
    // NOLINTNEXTLINE(cert-err33-c): the old disposition is of no interest
    ::signal(SIGXFSZ, SIG_IGN);
}

std::filesystem::path SlotPath(const std::filesystem::path& folder, int slot) {
    if (slot == kAutosaveSlot) return folder / "autosave.sav";
    return folder / ("save0" + std::to_string(slot) + ".sav");
}

int WriteFileWhole(const std::filesystem::path& path, const std::string& bytes) {
    return WriteWhole(SystemFiles(), path, bytes);
}

std::uint64_t SlotFingerprint(const World& world) {
    // FNV-1a over the slot text: what a slot holds, and nothing it does not.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : SaveText(world)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string FingerprintText(std::uint64_t fingerprint) {
    std::string text(kFingerprintDigits, '0');
    for (std::size_t i = kFingerprintDigits; i-- > 0; fingerprint >>= 4U)
        text[i] = "0123456789abcdef"[fingerprint & 0xFU];
    return text;
}

std::filesystem::path CompanionPath(const std::filesystem::path& slotPath,
                                    std::uint64_t fingerprint, std::string_view extension,
                                    int alternate) {
    std::string name = slotPath.stem().string();
    name += '.';
    name += FingerprintText(fingerprint);
    if (alternate > 0) {
        name += '.';
        name += std::to_string(alternate);
    }
    name += extension;
    return slotPath.parent_path() / name;
}

std::filesystem::path LegacyCompanionPath(const std::filesystem::path& slotPath,
                                          std::string_view extension) {
    std::filesystem::path path = slotPath;
    path.replace_extension(extension);
    return path;
}

CompanionSearch FindCompanion(
    const std::filesystem::path& slotPath, std::uint64_t fingerprint, std::string_view extension,
    std::uintmax_t maxBytes,
    const std::function<std::string(std::string_view bytes, bool legacy)>& judge) {
    CompanionSearch search;
    bool anyThere = false;
    const auto look = [&](const std::filesystem::path& path, bool legacy) {
        SmallFile file = ReadSmallFile(path, maxBytes);
        if (file.state == SmallFile::State::Missing) return false;
        anyThere = true;
        if (file.state == SmallFile::State::Refused) {
            search.unreadable.emplace_back(path, std::move(file.bytes));
            return false;
        }
        if (std::string why = judge(file.bytes, legacy); !why.empty()) {
            search.unreadable.emplace_back(path, std::move(why));
            return false;
        }
        search.path = path;
        search.bytes = std::move(file.bytes);
        search.legacy = legacy;
        return true;
    };
    for (int alternate = 0; alternate < kCompanionAlternates; ++alternate) {
        if (look(CompanionPath(slotPath, fingerprint, extension, alternate), false)) return search;
    }
    if (!anyThere) look(LegacyCompanionPath(slotPath, extension), true);
    return search;
}

bool IsCompanionName(std::string_view name, const std::filesystem::path& slotPath,
                     std::string_view extension) {
    const std::string stem = slotPath.stem().string();
    return name.starts_with(stem) && CompanionTail(name.substr(stem.size()), extension);
}

std::string SaveText(const World& w) {
    std::string text;
    text.reserve(std::size_t{32} * 1024);
    AppendNumber(text, w.Year);
    AppendNumber(text, w.Month);
    AppendNumber(text, w.Week);
    AppendText(text, w.PlayerGroupName);
    AppendNumber(text, w.PlayerColor);
    AppendNumber(text, w.PlayerGroupIndex);
    text += kBlockTerminator;
    for (int h = 0; h < kHumanCount; ++h) {
        AppendNumber(text, w.HumanLoyalty[h]);
        AppendText(text, w.HumanGroup[h]);
        AppendText(text, w.HumanRank[h]);
        AppendNumber(text, w.HumanStamina[h]);
        AppendText(text, w.HumanCity[h]);
        AppendNumber(text, w.HumanMembers[h]);
        AppendNumber(text, w.HumanMorale[h]);
        AppendText(text, w.HumanCanAct[h] ? "True" : "False");
    }
    text += kBlockTerminator;
    for (int g = 0; g < kGroupCount; ++g) {
        AppendNumber(text, w.GroupFame[g]);
        AppendNumber(text, w.GroupAlly[g]);
        AppendNumber(text, w.GroupHostility[g]);
    }
    text += kBlockTerminator;
    for (int c = 0; c < kCityCount; ++c) {
        AppendNumber(text, w.CityPopulation[c]);
        AppendNumber(text, w.CityCommerce[c]);
        AppendNumber(text, w.CityMoney[c]);
        AppendNumber(text, w.CitySword[c]);
        AppendNumber(text, w.CityStick[c]);
        AppendNumber(text, w.CityKnife[c]);
        AppendNumber(text, w.CityOwnerColor[c]);
    }
    text += kBlockTerminator;
    text += "\r\n";
    return text;
}

std::optional<std::string> EncodeSave(const World& world, int slot, std::string& bytes) {
    const std::string failed =
        SlotPath({}, slot).filename().string() + "에 저장하지 못했습니다 (";
    const std::string kept = "). 전에 저장된 게임은 그대로 있습니다.";
    // A slot is only written when it will load back into this very game: a name holding a
    // separator, a figure out of its range or a date out of range would otherwise make a slot
    // that the player finds damaged when he needs it.
    if (auto problem = CheckSavedFields(world)) return failed + problem->why + kept;
    const std::string text = SaveText(world);
    World check = world;
    LoadResult readBack = ReadSaveText(text, check);
    if (readBack.state != SlotState::Game) {
        return failed + "게임에 저장할 수 없는 값이 있습니다" + kept;
    }
    if (!SameSavedFields(check, world)) {
        return failed + "저장한 값이 그대로 읽히지 않습니다" + kept;
    }
    std::optional<std::string> encoded = EncodeCp949(text);
    if (!encoded) {
        const std::optional<SavedField> field = FirstNonCp949Text(world);
        return failed + (field ? field->Name() + " 값에 " : std::string()) +
               "CP949로 쓸 수 없는 글자가 있습니다" + kept;
    }
    bytes = std::move(*encoded);
    return std::nullopt;
}

std::optional<std::string> WriteSlot(const std::string& bytes, const std::filesystem::path& folder,
                                     int slot) {
    RemoveStaleTemporaries(folder);
    return WriteSlot(SystemFiles(), bytes, folder, slot);
}

std::optional<std::string> WriteSlot(FileSystem& files, const std::string& bytes,
                                     const std::filesystem::path& folder, int slot) {
    const std::filesystem::path path = SlotPath(folder, slot);
    if (const int error = WriteWhole(files, path, bytes); error != 0) {
        return path.filename().string() + "에 저장하지 못했습니다 (" + SaveFailureReason(error) +
               "). 전에 저장된 게임은 그대로 있습니다.";
    }
    return std::nullopt;
}

std::optional<std::string> SaveGame(const World& world, const std::filesystem::path& folder,
                                    int slot) {
    std::string bytes;
    if (auto failure = EncodeSave(world, slot, bytes)) return failure;
    return WriteSlot(bytes, folder, slot);
}

namespace {

// Whether the last syllable of a Korean word ends in a consonant, which picks its particles
// (연대기를, 소식을). A word that does not end in a Hangul syllable counts as ending in a vowel.
bool EndsInConsonant(std::string_view word) {
    if (word.size() < 3) return false;
    const auto* last = reinterpret_cast<const unsigned char*>(word.data() + word.size() - 3);
    if ((last[0] & 0xF0U) != 0xE0U) return false;
    const unsigned code = ((last[0] & 0x0FU) << 12U) | ((last[1] & 0x3FU) << 6U) | (last[2] & 0x3FU);
    constexpr unsigned kFirstSyllable = 0xAC00;
    constexpr unsigned kLastSyllable = 0xD7A3;
    constexpr unsigned kFinals = 28;
    return code >= kFirstSyllable && code <= kLastSyllable && (code - kFirstSyllable) % kFinals != 0;
}

}  // namespace

std::string Particle(std::string_view word, std::string_view afterConsonant,
                     std::string_view afterVowel) {
    std::string text(word);
    text += EndsInConsonant(word) ? afterConsonant : afterVowel;
    return text;
}

LoadResult ReadSaveText(std::string_view text, World& world) {
    if (OnlyBlanks(text)) return {SlotState::Empty, kEmptySlotMessage};
    std::string_view blocks[4];
    std::string_view rest = text;
    for (int b = 0; b < 4; ++b) {
        const std::size_t end = rest.find(kBlockTerminator);
        if (end == std::string_view::npos) {
            return Damaged("블록이 4개가 아니라 " + std::to_string(b) + "개입니다");
        }
        blocks[b] = rest.substr(0, end);
        rest.remove_prefix(end + kBlockTerminator.size());
    }
    // Whatever follows the fourth block is no part of the game.
    World loaded = world;
    try {
        ReadGameBlock(blocks[0], loaded);
        ReadHumanBlock(blocks[1], loaded);
        ReadGroupBlock(blocks[2], loaded);
        ReadCityBlock(blocks[3], loaded);
        if (auto problem = CheckSavedFields(loaded)) Refuse(problem->why);
    } catch (const Damage& damage) {
        return Damaged(damage.why);
    }
    world = std::move(loaded);
    return {SlotState::Game, {}};
}

LoadResult ReadSaveBytes(std::string_view bytes, World& world) {
    if (bytes.size() > kMaxSlotBytes) return Damaged("파일이 너무 큽니다");
    // Whatever follows the fourth block is no part of the game, whatever its bytes: only the
    // four blocks are decoded.
    const std::string text = DecodeCp949(bytes.substr(0, FourBlocksLength(bytes)));
    // CP949 cannot write U+FFFD, so finding it means the decoder met bytes that are no CP949.
    if (text.find(kUnreadable) != std::string::npos)
        return Damaged("CP949가 아닌 바이트가 있습니다");
    return ReadSaveText(text, world);
}

LoadResult LoadGame(World& world, const std::filesystem::path& folder, int slot) {
    return ReadSlotFile(SlotPath(folder, slot), world);
}

std::string SlotLabel(const std::filesystem::path& folder, int slot, const World& world) {
    // The world is copied only for a slot that holds something to read: a list of the slots reads
    // every one of them, most often empty.
    const SlotBytes file = ReadSlotBytes(SlotPath(folder, slot));
    std::optional<World> game;
    const SlotState state = file.refusal ? file.refusal->state
                                         : ReadSaveBytes(file.bytes, game.emplace(world)).state;
    switch (state) {
        case SlotState::Empty:
            return kEmptySlotLabel;
        case SlotState::Unreadable:
            return kUnreadableSlotLabel;
        case SlotState::Damaged:
            return kDamagedSlotLabel;
        case SlotState::Game:
            break;
    }
    const World& read = game.value();  // only a slot with bytes can hold a game
    return std::to_string(read.Year) + "년 " + std::to_string(read.Month) + "월 " +
           std::to_string(read.Week) + "주 " + read.PlayerGroupName;
}

}  // namespace golmok
