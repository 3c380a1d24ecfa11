// 도움말: how to fight with the keyboard.
#pragma once

#include "screens/Screen.h"

namespace golmok::screens {

class help : public Screen {
    Q_OBJECT
  public:
    explicit help(Screens& screens);
};

// Said when 브라우저로 열기 finds no browser to take the guide.
inline constexpr const char* kNoBrowser =
    "브라우저를 열 수 없습니다. 안내서는 이 창의 오른쪽에서 읽을 수 있습니다.";

// The instructions, line by line.
inline constexpr const char* kFightHelp =
    "맞짱방법\n"
    "\n"
    "맞짱을 까고 있는 상태에서\n"
    "일단 A키를 누르면 무기가 보일껍니다.\n"
    "그 무기를 이동키를 이동시켜서\n"
    "적의 머리 위에 올려놓고\n"
    "엔터를 치면 공격이 됩니다.\n"
    "\n"
    "* 주의사항 *\n"
    "키보드가 영문으로 선택되어야 합니다.\n"
    "한영을 바꾸는 것은 오른쪽 alt키를 누르면 됩니다.";

}  // namespace golmok::screens
