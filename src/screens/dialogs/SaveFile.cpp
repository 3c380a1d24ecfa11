#include "screens/dialogs/SaveFile.h"

#include <string>
#include <system_error>

#include "screens/Screens.h"
#include "screens/dialogs/OpenFile.h"

namespace golmok::screens {

SaveFile::SaveFile(Screens& screens)
    : SlotDialog(screens, "SaveFile", "저장하기", kSaveSlotCount) {}

void SaveFile::SlotClicked(int slot) {
    // Only a game on an unfrozen map is saved: during a fight the map's 기능 menu is frozen, and
    // this window may still be open from before the fight.
    if (!screens_.session().running() || screens_.world().MapLocked) return;
    if (slot < 0 || slot >= kSaveSlotCount) return;  // the autosave slot is never saved over
    // A game kept in the slot is lost by saving over it: the player says so first.
    const std::string kept = SlotLabel(screens_.slotFolder(), slot, screens_.world());
    if (kept != kEmptySlotLabel &&
        !screens_.platform().Ask(this, "저장하기",
                                 QStringLiteral("%1 게임이 저장되어 있습니다. 덮어쓰시겠습니까?")
                                     .arg(QString::fromStdString(kept)))) {
        return;
    }
    const auto failure = screens_.session().SaveTo(screens_.slotFolder(), slot);
    if (failure) {
        ShowStatus({});
        screens_.platform().Inform(this, QString::fromStdString(*failure));
    }
    // The captions come from the files, so that a failed save still shows what the slot holds;
    // an open 불러오기 must not offer a slot as it was before.
    RefreshLabels();
    if (!failure)
        ShowStatus(QStringLiteral("%1번 칸에 저장했습니다: %2").arg(slot + 1).arg(label(slot)));
    if (OpenFile* open = screens_.openFile()) open->RefreshLabels();
}

}  // namespace golmok::screens
