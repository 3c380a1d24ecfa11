// The constant tables of the map and the gangs. The record files must agree with the names here:
// cn.dat lists the districts and gn.dat the gangs in these orders.
#pragma once

#include <array>

#include "world/World.h"

namespace golmok {

struct DistrictInfo {
    const char* name;  // caption of the district's map button
    int startOwner;    // gang holding it when a game starts
    // The button on the map, in twips (1/1440 inch).
    int left, top, width, height;
};

struct GroupInfo {
    const char* name;
    Color color;  // 0x00BBGGRR
    const char* bossName;
};

inline constexpr std::array<DistrictInfo, kCityCount> kDistricts = {{
    {"종로", 4, 4800, 3480, 615, 360},   {"동대문", 3, 6600, 3600, 735, 360},
    {"서대문", 2, 3840, 3840, 735, 360}, {"영등포", 5, 3240, 5400, 735, 360},
    {"용산", 4, 5040, 5040, 615, 360},   {"강남", 1, 6720, 5520, 615, 360},
    {"마포", 2, 3720, 4560, 615, 360},   {"서초", 0, 6240, 6600, 615, 360},
    {"도봉", 6, 6240, 720, 615, 360},    {"강서", 5, 1200, 4440, 615, 360},
    {"강북", 6, 5520, 1800, 615, 360},   {"성북", 6, 5640, 3120, 615, 360},
    {"관악", 0, 4560, 7080, 615, 360},   {"송파", 1, 8640, 6000, 615, 360},
    {"중구", 4, 5280, 4200, 615, 360},   {"노원", 6, 6960, 1680, 615, 360},
    {"은평", 2, 3720, 2640, 615, 360},   {"중랑", 3, 7560, 3120, 615, 360},
    {"구로", 5, 1680, 6480, 615, 360},   {"양천", 5, 2040, 5760, 615, 360},
    {"금천", 0, 3240, 7200, 615, 360},   {"동작", 0, 4560, 5880, 615, 360},
    {"성동", 3, 6480, 4440, 615, 360},   {"광진", 1, 7440, 4680, 615, 360},
    {"강동", 1, 8880, 4560, 615, 360},
}};

inline constexpr std::array<GroupInfo, kGroupCount> kGroups = {{
    {"거지파", 0x0080FF, "번개손"},
    {"지존파", 0x00FFFF, "철주먹"},
    {"불사파", 0xFFFF00, "독사눈"},
    {"영웅파", 0xFF00FF, "쌍칼"},
    {"종로파", 0x00FF00, "먹구름"},
    {"마적파", 0x0000FF, "황소뿔"},
    {"흑사파", 0xFF0000, "발가락"},
}};

}  // namespace golmok
