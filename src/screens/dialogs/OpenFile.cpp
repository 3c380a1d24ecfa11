#include "screens/dialogs/OpenFile.h"

#include <utility>

#include "screens/Screens.h"
#include "screens/map/MainGame.h"

namespace golmok::screens {

OpenFile::OpenFile(Screens& screens)
    : SlotDialog(screens, "OpenFile", "불러오기", kSaveSlotCount + 1) {}

void OpenFile::SlotClicked(int slot) {
    Session& session = screens_.session();
    // On the map 불러오기 sits in the menu a fight freezes; from the title menu it is always there.
    if (session.running() && session.world().MapLocked) return;
    // The slot is read onto a copy: the running game is replaced only by a whole, sound game.
    SlotGame game = ReadSlotGame(session.world(), screens_.slotFolder(), slot);
    if (game.result.state != SlotState::Game) {
        screens_.platform().Inform(this, QString::fromStdString(game.result.message));
        return;
    }
    const QString loaded = label(slot);
    screens_.ShowLoadedGame(std::move(game.world), std::move(game.chronicle), std::move(game.news));
    // The slot window has closed: the map says what it now shows.
    if (MainGame* map = screens_.map()) map->ShowStatus(QStringLiteral("불러왔습니다: ") + loaded);
}

}  // namespace golmok::screens
