// A fight laid out by hand: fighters placed where a case needs them, the map locked as while any
// fight runs.
#pragma once

#include "fight/Fight.h"
#include "world/SharedRoutines.h"
#include "support/TestWorld.h"

namespace golmok::test {

struct Board {
    World w = BlankWorld();
    Fight f;

    explicit Board(bool realTime = true, FightSide side = FightSide::Attack) {
        LockMap(w);
        f.realTime = realTime;
        f.side = side;
        // Fought over 도봉 when the player attacks from 서초, over 서초 when 흑사파 comes from
        // 도봉.
        f.city = side == FightSide::Attack ? 8 : 7;
        f.fromCity = side == FightSide::Attack ? 7 : 8;
        f.cityName = w.CityName[f.city];
        f.playerGroupName = w.GroupName[0];
        f.enemyGroupName = w.GroupName[6];
    }

    // Player fighters are people of the player's gang in 서초, computer fighters people of
    // 흑사파 in 도봉; each with 40 attack and defence (40 stamina) and 30 members.
    Fighter& Player(int slot, int human, Position at) {
        Place(w, human, 7, 0);
        f.player[slot] = Fighter{human, true, at, at, {}, w.HumanGroup[human], false};
        return f.player[slot];
    }
    Fighter& Enemy(int slot, int human, Position at) {
        Place(w, human, 8, 6);
        f.enemy[slot] = Fighter{human, true, at, at, {}, w.HumanGroup[human], false};
        return f.enemy[slot];
    }
};

}  // namespace golmok::test
