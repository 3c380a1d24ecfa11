#include "world/SavedGames.h"

#include <atomic>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "world/Cp949.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

constexpr const char* kEmptySlotMessage = "빈 슬롯입니다. 불러올 게임이 없습니다.";

// The game's date never runs backwards from its first week, and no game is played for eight
// thousand years; a year outside this is a damaged file.
constexpr int kFirstYear = 1930;
constexpr int kLastYear = 9999;

constexpr std::string_view kBlockNames[] = {"게임", "사람", "조직", "지역"};
constexpr std::string_view kHumanFieldNames[kHumanFieldCount] = {
    "충성", "조직", "직급", "체력", "지역", "조직원수", "조직원사기", "행동 여부"};
constexpr std::string_view kGroupFieldNames[kGroupFieldCount] = {"명성", "동맹", "적대감"};
constexpr std::string_view kCityFieldNames[kCityFieldCount] = {"인구", "상업",   "돈",     "진검",
                                                               "각목", "사시미", "주인 색"};

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
std::vector<std::string_view> BlockFields(std::string_view block, int index, std::size_t count) {
    std::vector<std::string_view> fields;
    fields.reserve(count);
    std::size_t start = 0;
    for (std::size_t at = block.find(kFieldSeparator); at != std::string_view::npos;
         at = block.find(kFieldSeparator, start)) {
        if (fields.size() == count) {
            Refuse(std::string(kBlockNames[index]) + " 블록의 항목이 " + std::to_string(count) +
                   "개보다 많습니다");
        }
        fields.push_back(block.substr(start, at - start));
        start = at + kFieldSeparator.size();
    }
    if (start != block.size()) {
        Refuse(std::string(kBlockNames[index]) + " 블록이 항목 구분자로 끝나지 않습니다");
    }
    if (fields.size() != count) {
        Refuse(std::string(kBlockNames[index]) + " 블록의 항목이 " + std::to_string(count) +
               "개가 아니라 " + std::to_string(fields.size()) + "개입니다");
    }
    return fields;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Which field a refusal is about: "사람 12의 충성". Only put into words when a field is refused,
// since a sound slot has two thousand fields.
struct Where {
    std::string_view table;  // empty in the game block
    int row = 0;
    std::string_view field;
    std::string str() const {
        if (table.empty()) return std::string(field);
        return std::string(table) + " " + std::to_string(row) + "의 " + std::string(field);
    }
};

// A number as the game writes one: blanks around it, an optional minus sign, digits and an
// optional fraction. Nothing may follow it, and it must fit a double.
double Number(std::string_view field, const Where& where) {
    const std::string_view text = Trimmed(field);
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    const std::size_t digits = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    bool ok = i > digits;
    if (ok && i < text.size() && text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        ok = i > fraction;
    }
    if (!ok || i != text.size()) Refuse(where.str() + " 값이 숫자가 아닙니다");
    const double value = ReadNumber(text);
    if (!std::isfinite(value)) Refuse(where.str() + " 값이 너무 큽니다");
    return value;
}

int WholeNumber(std::string_view field, const Where& where, int low, int high) {
    const double value = Number(field, where);
    if (value != Int(value) || value < low || value > high) {
        Refuse(where.str() + " 값이 " + std::to_string(low) + "부터 " + std::to_string(high) +
               " 사이의 정수가 아닙니다");
    }
    return static_cast<int>(value);
}

Color ColorNumber(std::string_view field, const Where& where) {
    const double value = Number(field, where);
    if (value != Int(value) || value < 0 || value > 0xFFFFFF) {
        Refuse(where.str() + " 값이 색이 아닙니다");
    }
    return static_cast<Color>(value);
}

bool TrueFalse(std::string_view field, const Where& where) {
    const std::string_view text = Trimmed(field);
    if (text == "True") return true;
    if (text == "False") return false;
    Refuse(where.str() + " 값이 True도 False도 아닙니다");
}

template <std::size_t N>
std::string KnownName(std::string_view field, const std::array<std::string, N>& names,
                      const char* outsider, const Where& where) {
    const std::string_view name = Trimmed(field);
    if (name == outsider) return std::string(name);
    for (const std::string& known : names) {
        if (name == known) return known;
    }
    Refuse(where.str() + " 이름을 알 수 없습니다");
}

// Ranks are shown as they stand and only "두목" and "백수" carry a rule, so any rank the record
// files could hold is accepted; a line break or a control character cannot come from them.
std::string Rank(std::string_view field, const Where& where) {
    std::string rank = TrimSpaces(field);
    if (rank.empty()) Refuse(where.str() + " 값이 비어 있습니다");
    for (unsigned char c : rank) {
        if (c < 0x20 || c == 0x7F) Refuse(where.str() + " 값에 제어 문자가 있습니다");
    }
    return rank;
}

void ReadGameBlock(std::string_view block, World& w) {
    const auto f = BlockFields(block, 0, kGameFieldCount);
    w.Year = WholeNumber(f[0], Where{{}, 0, "연도"}, kFirstYear, kLastYear);
    w.Month = WholeNumber(f[1], Where{{}, 0, "월"}, 1, 12);
    w.Week = WholeNumber(f[2], Where{{}, 0, "주"}, 1, 4);
    const std::string name = TrimSpaces(f[3]);
    const Color color = ColorNumber(f[4], Where{{}, 0, "플레이어 조직의 색"});
    const int index = WholeNumber(f[5], Where{{}, 0, "플레이어 조직 번호"}, 0, kGroupCount - 1);
    // The three always describe the same gang; a file where they disagree would hand the player
    // districts of one gang and people of another.
    if (name != w.GroupName[index]) Refuse("플레이어 조직의 이름이 조직 번호와 맞지 않습니다");
    if (color != w.GroupColor[index]) Refuse("플레이어 조직의 색이 조직 번호와 맞지 않습니다");
    w.PlayerGroupName = name;
    w.PlayerColor = color;
    w.PlayerGroupIndex = index;
}

void ReadHumanBlock(std::string_view block, World& w) {
    const auto f = BlockFields(block, 1, std::size_t{kHumanCount} * kHumanFieldCount);
    for (int h = 0; h < kHumanCount; ++h) {
        const std::string_view* row = &f[std::size_t(h) * kHumanFieldCount];
        auto where = [h](int field) { return Where{"사람", h, kHumanFieldNames[field]}; };
        w.HumanLoyalty[h] = Number(row[0], where(0));
        w.HumanGroup[h] = KnownName(row[1], w.GroupName, kJoblessGroup, where(1));
        w.HumanRank[h] = Rank(row[2], where(2));
        w.HumanStamina[h] = Number(row[3], where(3));
        w.HumanCity[h] = KnownName(row[4], w.CityName, kJoblessCity, where(4));
        w.HumanMembers[h] = Number(row[5], where(5));
        w.HumanMorale[h] = Number(row[6], where(6));
        w.HumanCanAct[h] = TrueFalse(row[7], where(7));
    }
}

void ReadGroupBlock(std::string_view block, World& w) {
    const auto f = BlockFields(block, 2, std::size_t{kGroupCount} * kGroupFieldCount);
    for (int g = 0; g < kGroupCount; ++g) {
        const std::string_view* row = &f[std::size_t(g) * kGroupFieldCount];
        auto where = [g](int field) { return Where{"조직", g, kGroupFieldNames[field]}; };
        w.GroupFame[g] = Number(row[0], where(0));
        w.GroupAlly[g] = Number(row[1], where(1));
        w.GroupHostility[g] = Number(row[2], where(2));
    }
}

void ReadCityBlock(std::string_view block, World& w) {
    const auto f = BlockFields(block, 3, std::size_t{kCityCount} * kCityFieldCount);
    for (int c = 0; c < kCityCount; ++c) {
        const std::string_view* row = &f[std::size_t(c) * kCityFieldCount];
        auto where = [c](int field) { return Where{"지역", c, kCityFieldNames[field]}; };
        w.CityPopulation[c] = Number(row[0], where(0));
        w.CityCommerce[c] = Number(row[1], where(1));
        w.CityMoney[c] = Number(row[2], where(2));
        w.CitySword[c] = Number(row[3], where(3));
        w.CityStick[c] = Number(row[4], where(4));
        w.CityKnife[c] = Number(row[5], where(5));
        // The map shows owners by colour: a colour of no gang would be a district nobody holds.
        const Color color = ColorNumber(row[6], where(6));
        bool isGangColor = false;
        for (Color gang : w.GroupColor)
            isGangColor = isGangColor || gang == color;
        if (!isGangColor) Refuse(where(6).str() + " 값이 어느 조직의 색도 아닙니다");
        w.CityOwnerColor[c] = color;
    }
}

LoadResult Damaged(const std::string& why) {
    return {SlotState::Damaged, "저장된 게임이 손상되어 불러올 수 없습니다 (" + why + ")."};
}

// --- Files --------------------------------------------------------------------------------------

// The slot file's bytes; Empty for a missing file, Damaged for one that cannot be a slot.
struct SlotBytes {
    SlotState state;
    std::string bytes;  // or the reason it is damaged
};

SlotBytes ReadSlotBytes(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return {SlotState::Empty, {}};
    if (error) return {SlotState::Damaged, "파일을 읽을 수 없습니다"};
    if (status.type() != std::filesystem::file_type::regular) {
        return {SlotState::Damaged, "파일이 아닙니다"};
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return {SlotState::Damaged, "파일을 읽을 수 없습니다"};
    if (size > kMaxSlotBytes) return {SlotState::Damaged, "파일이 너무 큽니다"};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {SlotState::Damaged, "파일을 열 수 없습니다"};
    // One byte more than the size: a file that grew meanwhile is found too large, not cut short.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return {SlotState::Damaged, "파일을 읽을 수 없습니다"};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > size) return {SlotState::Damaged, "파일이 읽는 동안 바뀌었습니다"};
    if (bytes.empty()) return {SlotState::Empty, {}};
    return {SlotState::Game, std::move(bytes)};
}

LoadResult ReadSlotFile(const std::filesystem::path& path, World& world) {
    SlotBytes slot = ReadSlotBytes(path);
    if (slot.state == SlotState::Empty) return {SlotState::Empty, kEmptySlotMessage};
    if (slot.state == SlotState::Damaged) return Damaged(slot.bytes);
    return ReadSaveBytes(slot.bytes, world);
}

std::string SystemReason(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "디스크가 가득 찼습니다";
        case EACCES:
        case EPERM:
        case EROFS:
            return "폴더에 쓸 권한이 없습니다";
        case ENOENT:
        case ENOTDIR:
            return "저장 폴더가 없습니다";
        default:
            return std::generic_category().message(error);
    }
}

// Writes the bytes to a new file beside `path` and renames it over `path`, so that the slot holds
// either its old game or the whole new one, never half of it. The temporary name carries the
// process id and a counter, and is created exclusively: two copies of the game saving into the
// same folder never write into each other's file. Returns 0 or the errno that stopped it.
int WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
    static std::atomic<unsigned> counter = 0;
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = path;
        temporary += "." + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return errno;
    }
    if (fd < 0) return EEXIST;

    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written < 0 && errno != EINTR) {
            error = errno;
        } else if (written == 0) {
            error = EIO;
        }
    }
    // The data must be on the disk before the name points at it, or a crash could leave an empty
    // slot where a game was.
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    // Make the rename itself durable; a folder that cannot be synced still holds the new slot.
    const int folder = ::open(path.parent_path().empty() ? "." : path.parent_path().c_str(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return 0;
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

std::filesystem::path SlotPath(const std::filesystem::path& folder, int slot) {
    if (slot == kAutosaveSlot) return folder / "autosave.sav";
    return folder / ("save0" + std::to_string(slot) + ".sav");
}

int WriteFileWhole(const std::filesystem::path& path, const std::string& bytes) {
    return WriteWhole(path, bytes);
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

std::optional<std::string> SaveGame(const World& world, const std::filesystem::path& folder,
                                    int slot) {
    const std::filesystem::path path = SlotPath(folder, slot);
    const std::string failed = path.filename().string() + "에 저장하지 못했습니다 (";
    const std::string kept = "). 전에 저장된 게임은 그대로 있습니다.";
    const std::string text = SaveText(world);
    // A slot is only written when it will load back into this very game: a name holding a
    // separator, a figure that is not a number or a date out of range would otherwise make a slot
    // that the player finds damaged when he needs it.
    World check = world;
    LoadResult readBack = ReadSaveText(text, check);
    if (readBack.state != SlotState::Game) {
        return failed + "게임에 저장할 수 없는 값이 있습니다" + kept;
    }
    if (!SameSavedFields(check, world)) {
        return failed + "저장한 값이 그대로 읽히지 않습니다" + kept;
    }
    const std::optional<std::string> bytes = EncodeCp949(text);
    if (!bytes) return failed + "CP949로 쓸 수 없는 글자가 있습니다" + kept;
    if (const int error = WriteWhole(path, *bytes); error != 0) {
        return failed + SystemReason(error) + kept;
    }
    return std::nullopt;
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
    if (!OnlyBlanks(rest)) return Damaged("네 번째 블록 뒤에 다른 내용이 있습니다");
    World loaded = world;
    try {
        ReadGameBlock(blocks[0], loaded);
        ReadHumanBlock(blocks[1], loaded);
        ReadGroupBlock(blocks[2], loaded);
        ReadCityBlock(blocks[3], loaded);
    } catch (const Damage& damage) {
        return Damaged(damage.why);
    }
    world = std::move(loaded);
    return {SlotState::Game, {}};
}

LoadResult ReadSaveBytes(std::string_view bytes, World& world) {
    if (bytes.size() > kMaxSlotBytes) return Damaged("파일이 너무 큽니다");
    const std::string text = DecodeCp949(bytes);
    // CP949 cannot write U+FFFD, so finding it means the decoder met bytes that are no CP949.
    if (text.find("\uFFFD") != std::string::npos) return Damaged("CP949가 아닌 바이트가 있습니다");
    return ReadSaveText(text, world);
}

LoadResult LoadGame(World& world, const std::filesystem::path& folder, int slot) {
    return ReadSlotFile(SlotPath(folder, slot), world);
}

std::string SlotLabel(const std::filesystem::path& folder, int slot, const World& world) {
    World game = world;
    switch (ReadSlotFile(SlotPath(folder, slot), game).state) {
        case SlotState::Empty:
            return kEmptySlotLabel;
        case SlotState::Damaged:
            return kDamagedSlotLabel;
        case SlotState::Game:
            break;
    }
    return std::to_string(game.Year) + "년 " + std::to_string(game.Month) + "월 " +
           std::to_string(game.Week) + "주 " + game.PlayerGroupName;
}

}  // namespace golmok
