// 정보: the game's name, version and makers.
#pragma once

#include "screens/Screen.h"

namespace golmok::screens {

class infor : public Screen {
    Q_OBJECT
  public:
    explicit infor(Screens& screens);
};

}  // namespace golmok::screens
