// 외교 > 동맹 and 동맹취소: an envoy of the district buys an alliance with another gang with goods
// from the district; an alliance can be ended at any time, which the other gang resents.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/Amounts.h"
#include "commands/Dialog.h"
#include "commands/Listing.h"
#include "world/World.h"

namespace golmok {

inline constexpr const char* kChooseGang = "조직을 선택해주세요.";
inline constexpr const char* kRudeEnvoy = "싸가지 없는놈을 나한테 보내냐?";
inline constexpr const char* kAllianceMade = "동맹이 체결되었습니다.";
inline constexpr const char* kOfferTooSmall = "물건 더 바쳐라!";
inline constexpr const char* kAllianceCancelled = "동맹이 취소되었습니다.";
// A gang that holds no district has nobody to receive an envoy.
inline constexpr const char* kGangWithoutDistrict = "그 조직에는 남은 구역이 없습니다.";
// Why a list of gangs is empty.
inline constexpr const char* kAlliedWithAll = "모든 조직과 이미 동맹을 맺었습니다.";
inline constexpr const char* kNoAlly = "동맹을 맺은 조직이 없습니다.";

// Envoys of the alliance and the aid dialogs: the people of the district who may still act.
std::vector<int> Envoys(const World& world, const MenuState& menu);
Listing EnvoysListing(const World& world, const MenuState& menu);

// The gangs the player may ask for an alliance: not allied, not the player's own.
std::vector<int> UnalliedGangs(const World& world);
Listing UnalliedGangsListing(const World& world);

// The player's allies: listed by the cancellation and the aid dialogs.
std::vector<int> AlliedGangs(const World& world);
Listing AlliedGangsListing(const World& world);

// The goods bars of the alliance dialog reach what the selected district holds.
Amounts<4> AllianceBarBases(const World& world, const MenuState& menu);

// The districts whose colour is the gang's, in map order.
std::vector<int> DistrictsOf(const World& world, int group);

// An envoy is heard when the mean of his intelligence and charm is above the gang's hostility.
bool EnvoyHeard(const World& world, int envoy, int group);
// Why an envoy was not heard, with the two figures compared.
std::string EnvoyUnheardDetail(const World& world, int envoy, int group);

// What the gang makes of an offer: swords 30000, knives 6000, sticks 3000 apiece, money as it is.
double OfferValue(const Amounts<4>& goods);

// The offer must be above (mean population × mean commerce / 10) of the gang's districts.
// The gang must hold at least one district.
double AllianceThreshold(const World& world, int group);

// OK in 동맹. The envoy acts whatever the answer. A heard envoy with a large enough offer makes the
// alliance (hostility − 5) and the goods are shared out among the gang's districts; otherwise
// nothing is paid.
Outcome MakeAlliance(World& world, MenuState& menu, std::optional<int> envoy,
                     std::optional<int> group, const GoodsBoxes& boxes);

// OK in 동맹취소: the alliance ends and the gang's hostility rises by 10.
Outcome CancelAlliance(World& world, MenuState& menu, std::optional<int> group);

}  // namespace golmok
