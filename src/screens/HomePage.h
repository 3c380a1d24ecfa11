// What the title menu, the map and the help screen say about the player's guide.
#pragma once

namespace golmok::screens {

inline constexpr const char* kHomePageCaption = "안내서 열기 (guide.html)";
inline constexpr const char* kHomePageNotice =
    "게임 방법, 명령, 맞짱 요령은 안내서에 있습니다.\n아래 단추를 누르면 브라우저로 열립니다.";

}  // namespace golmok::screens
