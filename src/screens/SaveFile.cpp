#include "screens/SaveFile.h"

#include <system_error>

#include "screens/OpenFile.h"
#include "screens/Screens.h"

namespace golmok::screens {

SaveFile::SaveFile(Screens& screens) : SlotDialog(screens, "SaveFile", "저장하기") {}

void SaveFile::SlotClicked(int slot) {
    // Only a game on an unfrozen map is saved: during a fight the map's 기능 menu is frozen, and
    // this window may still be open from before the fight.
    if (!screens_.session().running() || screens_.world().MapLocked) return;
    const std::filesystem::path& folder = screens_.slotFolder();
    // The player's data folder of an installed game may not exist before the first save. If it
    // cannot be made, the save below says why.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    if (auto failure = SaveGame(screens_.world(), folder, slot)) {
        screens_.platform().Inform(this, QString::fromStdString(*failure));
    }
    // The captions come from the files, so that a failed save still shows what the slot holds;
    // an open 불러오기 must not offer a slot as it was before.
    RefreshLabels();
    if (OpenFile* open = screens_.openFile()) open->RefreshLabels();
}

}  // namespace golmok::screens
