// What the title menu, the map, the help and information screens say about the player's guide.
// The guide is shipped inside the game and shown in the help screen, so these buttons always show
// something, with or without a browser on the machine.
#pragma once

namespace golmok::screens {

inline constexpr const char* kHomePageCaption = "안내서 보기";
inline constexpr const char* kHomePageNotice =
    "게임 방법, 명령, 맞짱 요령은 안내서에 있습니다.\n아래 단추를 누르면 도움말 창에 열립니다.";
// The help screen's button that hands the same guide (guide.html beside the game) to the browser.
inline constexpr const char* kBrowserCaption = "브라우저로 열기";
// The guide as the game carries it.
inline constexpr const char* kGuideResource = ":/guide/guide.html";

}  // namespace golmok::screens
