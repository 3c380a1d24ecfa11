// 저장하기: a click on a slot writes the running game into it. The screen stays open, and only a
// save that failed says anything.
#pragma once

#include "screens/dialogs/SlotDialog.h"

namespace golmok::screens {

class SaveFile : public SlotDialog {
    Q_OBJECT
  public:
    explicit SaveFile(Screens& screens);

  protected:
    void SlotClicked(int slot) override;
};

}  // namespace golmok::screens
