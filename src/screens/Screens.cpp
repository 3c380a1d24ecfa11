#include "screens/Screens.h"

#include "commands/CommandMenu.h"
#include "fight/FightSetup.h"
#include "world/SharedRoutines.h"
#include "screens/CommandDialog.h"
#include "screens/Credit.h"
#include "screens/FightField.h"
#include "screens/FightSetupScreen.h"
#include "screens/GameLogo.h"
#include "screens/GameMenu.h"
#include "screens/GroupSelectMenu.h"
#include "screens/MainGame.h"
#include "screens/MainMenu.h"
#include "screens/Music.h"
#include "screens/OpenFile.h"
#include "screens/PicturePrint.h"
#include "screens/SaveFile.h"
#include "screens/help.h"
#include "screens/infor.h"

namespace golmok::screens {

Screens::Screens(Session& session, Platform& platform, QString musicPath)
    : session_(session), platform_(platform), musicPath_(std::move(musicPath)) {}

Screens::~Screens() {
    // Whatever is still loaded goes with the hub, the start-up screen (and its music) last.
    delete fightField_;
    delete defence_;
    delete attack_;
    delete openFile_;
    delete saveFile_;
    delete ending_;
    delete credit_;
    delete infor_;
    delete help_;
    for (const QPointer<CommandDialog>& dialog : dialogs_)
        delete dialog.data();
    delete gameMenu_;
    delete map_;
    delete groupSelectMenu_;
    delete mainMenu_;
    delete gameLogo_;
}

template <class T>
T* Screens::Open(QPointer<T>& slot) {
    if (!slot) {
        slot = new T(*this);
        // A closed screen is forgotten at once, so the next opening builds a fresh one even
        // before Qt has deleted the old window.
        connect(slot, &Screen::unloaded, this, [&slot] { slot = nullptr; });
    }
    return slot;
}

namespace {

template <class T>
T* ShowWindow(T* screen) {
    screen->show();
    screen->raise();
    screen->activateWindow();
    return screen;
}

}  // namespace

GameLogo* Screens::gameLogo() const {
    return gameLogo_;
}

MainMenu* Screens::mainMenu() const {
    return mainMenu_;
}

GroupSelectMenu* Screens::groupSelectMenu() const {
    return groupSelectMenu_;
}

MainGame* Screens::map() const {
    return map_;
}

GameMenu* Screens::gameMenu() const {
    return gameMenu_;
}

CommandDialog* Screens::dialog(const QString& name) const {
    return dialogs_.value(name);
}

help* Screens::helpScreen() const {
    return help_;
}

infor* Screens::inforScreen() const {
    return infor_;
}

Credit* Screens::credit() const {
    return credit_;
}

PicturePrint* Screens::ending() const {
    return ending_;
}

SaveFile* Screens::saveFile() const {
    return saveFile_;
}

OpenFile* Screens::openFile() const {
    return openFile_;
}

Attack* Screens::attack() const {
    return attack_;
}

Defence* Screens::defence() const {
    return defence_;
}

FightField* Screens::fightField() const {
    return fightField_;
}

Music& Screens::music() {
    return gameLogo_->music();
}

void Screens::Start() {
    gameLogo_ = new GameLogo(*this, musicPath_);
    Open(mainMenu_);  // laid out now, shown after the third title page
    ShowWindow(gameLogo_.data());
}

MainMenu* Screens::ShowMainMenu() {
    return ShowWindow(Open(mainMenu_));
}

GroupSelectMenu* Screens::ShowGroupSelectMenu() {
    return ShowWindow(Open(groupSelectMenu_));
}

MainGame* Screens::ShowMap() {
    MainGame* map = Open(map_);
    map->Refresh();
    return ShowWindow(map);
}

help* Screens::ShowHelp() {
    return ShowWindow(Open(help_));
}

infor* Screens::ShowInfor() {
    return ShowWindow(Open(infor_));
}

Credit* Screens::ShowCredit() {
    return ShowWindow(Open(credit_));
}

GameMenu* Screens::ShowGameMenu() {
    const bool fresh = !gameMenu_;
    GameMenu* menu = Open(gameMenu_);
    menu->Refresh();
    // Beside the map, not over it: the player keeps clicking districts while it is open.
    if (fresh && map_) menu->move(map_->frameGeometry().topRight() + QPoint(8, 0));
    return ShowWindow(menu);
}

SaveFile* Screens::ShowSaveFile() {
    return ShowWindow(Open(saveFile_));
}

OpenFile* Screens::ShowOpenFile() {
    return ShowWindow(Open(openFile_));
}

Attack* Screens::ShowAttack() {
    if (world().MapLocked || !session_.running() || session_.fight()) return nullptr;
    // Each opening fills the lists anew and puts every weapon back to 주먹.
    if (attack_) {
        attack_->close();
        attack_ = nullptr;
    }
    return ShowWindow(Open(attack_));
}

Defence* Screens::ShowDefence() {
    if (!world().DefenceSetupOpen || !session_.running()) return nullptr;
    return ShowWindow(Open(defence_));
}

void Screens::StartGame() {
    for (const std::string& message : session_.StartNewGame(world().PlayerGroupIndex)) {
        platform_.Inform(groupSelectMenu_, QString::fromStdString(message));
    }
    ShowMap();
    if (groupSelectMenu_) groupSelectMenu_->close();
    if (mainMenu_) mainMenu_->hide();
}

void Screens::OpenCommandMenu(int city) {
    if (world().MapLocked || !session_.running()) return;
    const bool moved = session_.ClickCity(city);
    ShowGameMenu();
    if (!moved) return;
    // The attack set-up lists the people of the district it was opened for.
    if (attack_) attack_->close();
    DialogsFollowMenu();
}

void Screens::DialogsFollowMenu() {
    // A dialog's lists belong to the district it was opened for: it follows the menu, or closes
    // where its menu is disabled.
    for (const QPointer<CommandDialog>& dialog : dialogs_.values()) {
        if (!dialog) continue;
        if (session_.DialogFollows(dialog->menu())) {
            dialog->Open();
        } else {
            dialog->close();
        }
    }
}

CommandDialog* Screens::OpenDialog(const QString& name,
                                   const std::function<CommandDialog*()>& make) {
    if (world().MapLocked || !session_.running()) return nullptr;
    QPointer<CommandDialog>& slot = dialogs_[name];
    const bool fresh = !slot;
    if (fresh) {
        slot = make();
        connect(slot, &Screen::unloaded, this, [this, name] { dialogs_.remove(name); });
    }
    CommandDialog* dialog = slot;
    dialog->Open();
    if (fresh && gameMenu_) dialog->move(gameMenu_->frameGeometry().bottomLeft() + QPoint(0, 8));
    return ShowWindow(dialog);
}

void Screens::CloseCommandDialogs() {
    for (const QPointer<CommandDialog>& dialog : dialogs_.values()) {
        if (dialog) dialog->close();
    }
}

void Screens::PanelChanged() {
    if (gameMenu_) gameMenu_->Refresh();
}

void Screens::TurnEnded() {
    // The session has refreshed the menu as if its district were clicked again.
    if (!gameMenu_) return;
    gameMenu_->Refresh();
    DialogsFollowMenu();
}

void Screens::CloseGameForms() {
    if (gameMenu_) gameMenu_->close();
    if (map_) map_->close();
}

void Screens::ShowLoadedGame(World loaded) {
    CloseGameForms();
    session_.ShowGame(std::move(loaded));
    ShowMap();
    if (openFile_) openFile_->close();
    // The title menu goes, and with it a gang choice left open there: its Start would throw the
    // loaded game away.
    if (groupSelectMenu_) groupSelectMenu_->close();
    if (mainMenu_) mainMenu_->hide();
    // A slot may hold a game already won or lost; it ends here as it would have on the map.
    OwnersChanged();
}

void Screens::OwnersChanged() {
    const std::string announcement = session_.AnnounceGameEnd();
    if (announcement.empty()) return;
    platform_.Inform(map_, QString::fromStdString(announcement));
    ending_ = new PicturePrint(*this, session_.ending() == GameEnd::Victory);
    ShowWindow(ending_.data());
    // The map closes without bringing back the title menu: the program ends from the ending
    // screen.
    CloseGameForms();
}

void Screens::DefenceAnnounced() {
    if (!world().DefenceSetupOpen) return;
    // A fight closes the command menu and its dialogs: nothing may change the world under it.
    if (gameMenu_) gameMenu_->close();
    if (DefenceSetupOf(world()).people.empty()) {
        // The computer only attacks a district with people in it; should one be empty all the
        // same, nobody can be sent and the map must not stay frozen.
        world().DefenceSetupOpen = false;
        UnlockMap(world());
        if (map_) map_->Refresh();
        return;
    }
    if (map_) map_->Refresh();      // frozen until the fight is over
    if (attack_) attack_->close();  // no attack goes out while the district is attacked
    ShowDefence();
}

void Screens::OpenFightField(Fight fight) {
    const FightSide side = fight.side;
    session_.StartFight(std::move(fight));
    if (attack_) attack_->close();
    if (defence_) defence_->close();
    if (gameMenu_) gameMenu_->close();  // and its dialogs with it
    if (map_) map_->Refresh();
    if (side == FightSide::Attack) {
        fightField_ = new AttackGround(*this);
    } else {
        fightField_ = new DefenceGround(*this);
    }
    connect(fightField_, &Screen::unloaded, this, [this] { fightField_ = nullptr; });
    ShowWindow(fightField_.data());
    fightField_->Begin();
}

void Screens::FightOver() {
    session_.CloseFight();
    if (fightField_) fightField_->close();
    if (map_) map_->Refresh();
    OwnersChanged();
}

void Screens::DropFight() {
    session_.CloseFight();
    world().DefenceSetupOpen = false;
    if (attack_) attack_->close();
    // Taken away rather than closed: they refuse a close while they run. Their clocks find no
    // fight any more until they are gone.
    for (QWidget* screen : {static_cast<QWidget*>(fightField_), static_cast<QWidget*>(defence_)}) {
        if (!screen) continue;
        screen->hide();
        screen->deleteLater();
    }
    fightField_ = nullptr;
    defence_ = nullptr;
}

}  // namespace golmok::screens
