// 불러오기: a click on a slot replaces the game with the one saved there and shows its map. An
// empty or damaged slot says so and leaves everything as it was.
#pragma once

#include "screens/dialogs/SlotDialog.h"

namespace golmok::screens {

class OpenFile : public SlotDialog {
    Q_OBJECT
  public:
    explicit OpenFile(Screens& screens);

  protected:
    void SlotClicked(int slot) override;
};

}  // namespace golmok::screens
