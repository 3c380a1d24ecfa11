// 제작팀소개: who made the game.
#pragma once

#include "screens/Screen.h"

namespace golmok::screens {

class Credit : public Screen {
    Q_OBJECT
  public:
    explicit Credit(Screens& screens);
};

}  // namespace golmok::screens
