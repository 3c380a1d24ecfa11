// The world the alliance and aid tests share: an envoy in the player's 서초 and a gang that keeps
// only the districts a case names.
#pragma once

#include <vector>

#include "commands/Alliances.h"
#include "support/TestWorld.h"

namespace golmok::test {

inline constexpr int kEnvoyHome = 7;  // 서초, the player's
inline constexpr int kEnvoy = 3;      // intelligence 90, charm 90
inline constexpr int kEnvoyGang = 1;  // 지존파: 강남 5, 송파 13, 광진 23, 강동 24 at the start

// 지존파 (hostility 75) holds only `gangDistricts`; its other districts go to gang 2. A case sets
// up what else it needs, then opens the command menu on 서초 (its panel shows the figures as they
// are when it opens).
inline World EnvoyWorld(const std::vector<int>& gangDistricts) {
    World w = BlankWorld();
    Place(w, kEnvoy, kEnvoyHome, 0);
    w.HumanIntelligence[kEnvoy] = 90;
    w.HumanCharm[kEnvoy] = 90;
    for (int d : DistrictsOf(w, kEnvoyGang))
        w.SetOwner(d, 2);
    for (int d : gangDistricts)
        w.SetOwner(d, kEnvoyGang);
    return w;
}

}  // namespace golmok::test
