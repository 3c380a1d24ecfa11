// `help`: every verb of the console with its words and what it does, one line each.
#include <ostream>
#include <string_view>

#include "console/Console.h"

namespace golmok {

namespace {

struct VerbHelp {
    std::string_view usage;  // the verb and its words
    std::string_view what;
};

// In the order a game meets them. A verb added to the console needs its line here: a test checks
// that this table and the console's verbs are the same.
constexpr VerbHelp kVerbHelp[] = {
    {"help", "이 목록을 보여 줍니다"},
    {"new-game G", "조직 G(0..6)를 골라 새 게임을 시작합니다"},
    {"quit", "기능 > 종료하기: 제목 메뉴로 돌아갑니다"},
    {"option NAME on|off",
     "옵션 notices, healthbars, music, autosave, truce, strong, living, preview를 켜고 끕니다"},
    {"end-turn [N]", "턴 > 종료를 N번(기본 1번) 합니다"},
    {"money-up", "돈올리기"},
    {"news [window]",
     "지난 턴 끝에 다른 조직들이 한 일을 보여 줍니다 (window: 이번 주 소식 창의 줄 그대로)"},
    {"city D", "지도에서 구역 D(0..24)를 눌러 명령 메뉴를 열고 정보를 보여 줍니다"},
    {"panel", "명령 메뉴의 구역 정보를 보여 줍니다"},
    {"train H", "행동 > 훈련"},
    {"heal H", "행동 > 치료"},
    {"reorg H N", "인사 > 재편성: H의 조직원을 N명으로 맞춥니다"},
    {"reorg-close", "재편성 창을 닫습니다"},
    {"recruit H AMOUNT", "인사 > 조직원 스카웃"},
    {"develop H AMOUNT", "도시 > 상업개발"},
    {"collect H", "도시 > 돈걷기"},
    {"prize H AMOUNT", "인사 > 포상"},
    {"dismiss H", "인사 > 해고"},
    {"scout S T AMOUNT", "인사 > 행동대장 스카웃: S가 T를 AMOUNT로 데려옵니다"},
    {"buy-arms H SWORDS KNIVES STICKS", "거래 > 무기매입"},
    {"sell-arms H SWORDS KNIVES STICKS", "거래 > 무기매출"},
    {"move TARGET SWORDS KNIVES STICKS MONEY [H ...]", "거래 > 이동"},
    {"transport H TARGET SWORDS KNIVES STICKS MONEY", "거래 > 수송"},
    {"ally H G SWORDS KNIVES STICKS MONEY", "외교 > 동맹"},
    {"ally-cancel G", "외교 > 동맹취소"},
    {"aid H G SWORDS KNIVES STICKS MONEY", "외교 > 원조"},
    {"info-group G", "정보 > 조직정보"},
    {"list DIALOG [ARG]", "창의 목록에 지금 들어갈 번호들을 보여 줍니다"},
    {"why-empty DIALOG [ARG]", "창의 목록이 비었을 때 창이 보여 주는 까닭을 보여 줍니다"},
    {"attack TARGET [H:WEAPON ...]", "행동 > 맞짱: 지금 구역에서 TARGET을 칩니다"},
    {"defend [H:WEAPON ...]", "알려진 공격을 막을 사람과 무기를 골라 맞섭니다"},
    {"key K", "싸움판에서 키를 누릅니다 (left, up, right, down, a, enter, esc 또는 키 번호)"},
    {"tick", "실시간 싸움에서 컴퓨터의 시계를 한 번 돌립니다"},
    {"field", "싸움판을 보여 줍니다"},
    {"save N", "기능 > 저장하기: 칸 N(0..4)에 저장합니다"},
    {"load N|auto", "기능 > 불러오기: 칸 N 또는 자동저장 칸을 불러옵니다"},
    {"slots", "저장 칸 다섯 개를 보여 줍니다"},
    {"show human H|city D|group G|game", "사람, 구역, 조직 또는 게임의 값을 보여 줍니다"},
    {"dump", "세계 전체를 보여 줍니다"},
    {"ownership", "조직마다 가진 구역 수를 보여 줍니다"},
    {"outlook", "구역마다 주인, 사람, 조직원, 힘, 빈 곳인지, 다음 주 예상을 한 줄씩 보여 줍니다"},
};

}  // namespace

std::vector<std::string> HelpVerbNames() {
    std::vector<std::string> names;
    for (const VerbHelp& verb : kVerbHelp)
        names.emplace_back(verb.usage.substr(0, verb.usage.find(' ')));
    return names;
}

void AddHelpVerb(VerbTable& verbs) {
    verbs["help"] = [](ConsoleContext& ctx, const Words& args) {
        ExpectArgs(args, 0, "help");
        for (const VerbHelp& verb : kVerbHelp)
            ctx.out << verb.usage << " — " << verb.what << '\n';
    };
}

}  // namespace golmok
