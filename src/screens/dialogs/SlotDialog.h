// The save and load screens share one face: five slot buttons, one under another, each showing
// the game its slot holds ("1930년 3월 2주 거지파") or "비어있음", and a close button. The load
// screen has a sixth button for the autosave slot, which the save screen never offers.
#pragma once

#include <filesystem>
#include <vector>

#include "screens/Screen.h"
#include "world/SavedGames.h"

class QLabel;
class QPushButton;

namespace golmok::screens {

class SlotDialog : public Screen {
    Q_OBJECT
  public:
    // Reads every slot's caption from its file.
    void RefreshLabels();
    QString label(int slot) const;
    // A line beside the close button that tells what the last click did.
    void ShowStatus(const QString& text);
    QString status() const;

  protected:
    // `slotCount` buttons: kSaveSlotCount, or one more for the autosave slot.
    SlotDialog(Screens& screens, const char* name, const QString& caption, int slotCount);
    // A click on slot button `slot`.
    virtual void SlotClicked(int slot) = 0;

  private:
    // Position and size in twips as pixels on this window: 15 twips a pixel at 100 %, fewer at
    // the window's scale.
    int Px(int twips) const { return static_cast<int>(twips * scale_ / 15); }

    // The map's scale as far as the screen lets the window grow (1: its size at 100 %), taken
    // when it opens.
    double scale_ = 1.0;
    std::vector<QPushButton*> openList_;
    QLabel* status_ = nullptr;
};

// The slot folder of the program in `programFolder` (FindGameFolders): `dirOption` is the --dir
// folder or empty, and the player's data folder is $XDG_DATA_HOME/golmok (~/.local/share/golmok),
// which the first save creates.
std::filesystem::path GameSlotFolder(const QString& dirOption, const QString& programFolder);

}  // namespace golmok::screens
