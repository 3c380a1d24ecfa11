#include "screens/dialogs/OpenFile.h"

#include <utility>

#include "screens/Screens.h"
#include "screens/map/MainGame.h"

namespace golmok::screens {

namespace {
constexpr const char* kLoadQuestion = "저장하지 않은 주가 사라집니다. 불러오시겠습니까?";
}  // namespace

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
    // Weeks played since the game was last kept in a slot would be lost: the player says so first.
    if (session.ChangedSinceSave() && !screens_.platform().Ask(this, QStringLiteral("불러오기"),
                                                               QString::fromUtf8(kLoadQuestion)))
        return;
    const QString loaded = label(slot);
    screens_.ShowLoadedGame(std::move(game.world), std::move(game.chronicle), std::move(game.news));
    // The slot window has closed: the map says what it now shows, and what beside the slot could
    // not be read.
    MainGame* map = screens_.map();
    if (map) map->ShowStatus(QStringLiteral("불러왔습니다: ") + loaded);
    for (const std::string& notice : game.result.notices)
        screens_.platform().Inform(map, QString::fromStdString(notice));
}

}  // namespace golmok::screens
