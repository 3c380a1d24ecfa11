// The week's end and the map's other menu actions on the world.
#pragma once

#include <string>
#include <vector>

#include "game/TurnNews.h"
#include "world/World.h"

namespace golmok {

// 턴 > 종료: the date moves on a week, everybody may act again and every morale drops by 1, the
// computer gangs take their eight steps, the figures are brought back into range, and when a
// computer gang attacks one of the player's districts the attack is announced, the map locks and
// the defence set-up opens. Returns the messages to show, in order. When `news` is given, what the
// computer gangs did is written into it, in the order it happened.
std::vector<std::string> EndTurn(World& world, TurnNews* news = nullptr);

// The calendar ends with the last week a save can hold (the fourth week of December 9999): the
// game does not run past a week it could no longer save.
bool CalendarEnds(const World& world);

inline constexpr const char* kCalendarEndMessage =
    "9999년 12월 4주는 게임을 저장할 수 있는 마지막 주입니다. 더 이상 턴을 넘길 수 없습니다.";

// The announcement of an attack: "종로에 중구이 맞짱까러 왔습니다." for 중구 attacking 종로.
std::string AttackAnnouncement(const World& world);

// 돈올리기: 10000000 more in each of the player's districts.
std::vector<std::string> MoneyUp(World& world);

inline constexpr const char* kMoneyUpMessage = "돈이 올라갔습니다.";

}  // namespace golmok
