#include "screens/Screens.h"

#include <QWindow>
#include <algorithm>

#include "commands/CommandMenu.h"
#include "fight/FightSetup.h"
#include "screens/Music.h"
#include "screens/chronicle/ChronicleChart.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/dialogs/OpenFile.h"
#include "screens/dialogs/SaveFile.h"
#include "screens/fight/FightField.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/look/Accessibility.h"
#include "screens/look/Placement.h"
#include "screens/map/MainGame.h"
#include "screens/map/News.h"
#include "screens/title/Credit.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "screens/title/MainMenu.h"
#include "screens/title/PicturePrint.h"
#include "screens/title/help.h"
#include "screens/title/infor.h"
#include "world/SharedRoutines.h"

namespace golmok::screens {

Screens::Screens(Session& session, Platform& platform, QString musicPath)
    : session_(session), platform_(platform), musicPath_(std::move(musicPath)) {
    InstallWindowRoles();
    // An autosave written behind the turn end reports its failure from the saving thread: the
    // message is shown on this one.
    session_.SetSaveListener(
        [this] { QMetaObject::invokeMethod(this, &Screens::ShowSaveFailures, Qt::QueuedConnection); });
}

void Screens::ShowSaveFailures() {
    for (const std::string& failure : session_.TakeSaveFailures()) {
        QWidget* parent = map_ && map_->isVisible() ? static_cast<QWidget*>(map_) : nullptr;
        platform_.Inform(parent, QString::fromStdString(failure));
    }
}

Screens::~Screens() {
    session_.SetSaveListener({});
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

const QWidget* Screens::Anchor() const {
    for (const QWidget* window :
         {static_cast<const QWidget*>(map_.data()), static_cast<const QWidget*>(mainMenu_.data()),
          static_cast<const QWidget*>(groupSelectMenu_.data()),
          static_cast<const QWidget*>(gameLogo_.data())}) {
        if (window && window->isVisible()) return window;
    }
    return nullptr;
}

QRect Screens::MapPanel() const {
    return map_ && map_->isVisible() ? map_->sidePanelOnScreen() : QRect();
}

QRect Screens::MapStatus() const {
    return map_ && map_->isVisible() ? map_->statusLineOnScreen() : QRect();
}

void Screens::PlaceOnMap(QWidget* window, Placing how, const QWidget* anchor,
                         const QRect& district) {
    const QWidget* framed = Anchor();
    Place(window, how, anchor ? anchor : framed, framed, MapPanel(), district, MapStatus());
}

double Screens::MapScale() const {
    return map_ && map_->isVisible() ? map_->board()->scale() : 1.0;
}

template <class T>
T* Screens::ShowWindow(T* screen, Placing how, const QWidget* anchor, const QRect& district) {
    PlaceOnMap(screen, how, anchor, district);
    // Every window of a game in play belongs to the map: the window manager keeps it above the
    // map and out of the task bar.
    if (map_ && static_cast<QWidget*>(screen) != map_ && map_->isVisible()) {
        screen->winId();
        map_->winId();
        if (QWindow* own = screen->windowHandle()) own->setTransientParent(map_->windowHandle());
    }
    screen->show();
    // Placed again now that its own frame is known, where the window manager has told it.
    PlaceOnMap(screen, how, anchor, district);
    // Laid out now: every list and box can be named by the caption beside it.
    NameControls(screen);
    screen->raise();
    screen->activateWindow();
    return screen;
}

void Screens::ScaleToMap(QWidget* window, bool dialog) {
    constexpr double kLargest = 3.0;  // beyond it a dialog would hide the map it belongs to
    const double wanted = std::clamp(MapScale(), 1.0, kLargest);
    ScaleDialog(window, wanted);
    if (wanted <= 1.0) return;
    const QRect area = AvailableArea(Anchor());
    if (dialog && gameMenu_ && gameMenu_->isVisible()) {
        ScaleNearMenu(window, wanted, area);
        return;
    }
    const double across = (area.width() - MapPanel().width()) / 2.0 - kWindowGap;
    const double down = area.height() * (dialog ? 0.48 : 0.9);
    // A window's size follows its scale nearly in proportion: a few steps settle it.
    for (int step = 0; step < 3; ++step) {
        const QSize size = window->sizeHint();
        const double scale = DialogScale(window);
        if (size.isEmpty() || scale <= 1.0) return;
        const double fit = std::min(across / size.width(), down / size.height());
        if (fit >= 1.0) return;
        ScaleDialog(window, std::max(1.0, scale * fit));
    }
}

void Screens::ScaleNearMenu(QWidget* dialog, double wanted, const QRect& area) {
    const QRect menu = FrameOf(gameMenu_, Anchor());
    // A dialog is framed as its menu is (a full-screen map lends no frame to measure by).
    const QSize borders = menu.size() - gameMenu_->size();
    const auto fits = [&] {
        return FitsNearMenu(dialog->sizeHint() + borders, menu, area, MapPanel(), MapStatus());
    };
    if (fits()) return;
    // Its size does not follow its scale in proportion (a wrapped note grows as the dialog
    // narrows): the largest scale that fits is found by measuring, to within a few percent.
    double low = 1.0;
    double high = wanted;
    for (int step = 0; step < 6; ++step) {
        const double middle = (low + high) / 2;
        ScaleDialog(dialog, middle);
        (fits() ? low : high) = middle;
    }
    ScaleDialog(dialog, low);
}

double Screens::ScaleToFit(QSize size) const {
    const double wanted = MapScale();
    if (wanted <= 1.0 || size.isEmpty()) return 1.0;
    const QWidget* anchor = Anchor();
    // Room for a title bar and borders, as large as the map's where the window manager says.
    QMargins frame(kWindowGap, 4 * kWindowGap, kWindowGap, kWindowGap);
    if (const QWindow* framed = anchor ? anchor->windowHandle() : nullptr) {
        const QMargins own = framed->frameMargins();
        frame =
            QMargins(std::max(frame.left(), own.left()), std::max(frame.top(), own.top()),
                     std::max(frame.right(), own.right()), std::max(frame.bottom(), own.bottom()));
    }
    const QRect room = AvailableArea(anchor).marginsRemoved(frame);
    const double fit =
        std::min(double(room.width()) / size.width(), double(room.height()) / size.height());
    return std::clamp(wanted, 1.0, std::max(1.0, fit));
}

QRect Screens::MenuDistrict() const {
    const int city = session_.menu().SelectedCity;
    if (!map_ || !map_->isVisible() || city < 0 || city >= kCityCount) return {};
    return map_->districtOnScreen(city);
}

void Screens::WindowsFollowMap() {
    if (gameMenu_ && gameMenu_->isVisible()) {
        ScaleToMap(gameMenu_, false);
        PlaceOnMap(gameMenu_, Placing::BesideMap, map_, MenuDistrict());
    }
    for (const QPointer<CommandDialog>& dialog : dialogs_.values()) {
        if (!dialog || !dialog->isVisible()) continue;
        ScaleToMap(dialog, true);
        PlaceOnMap(dialog, Placing::NearMenu, DialogAnchor());
    }
    if (news_ && news_->isVisible()) {
        news_->SetScale(ScaleToFit(News::kSize));
        PlaceOnMap(news_, Placing::BesideMap, map_);
        if (defence_ && defence_->isVisible()) KeepApart(news_, defence_, Anchor());
    }
}

template <class T>
T* Screens::ShowCentred(T* screen) {
    return ShowWindow(screen, Placing::Centred, nullptr);
}

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
    // The title menu is laid out once the first page is on the screen, and shown after the
    // third page.
    connect(gameLogo_, &GameLogo::firstPainted, this, [this] { Open(mainMenu_); });
    ShowCentred(gameLogo_.data());
}

MainMenu* Screens::ShowMainMenu() {
    MainMenu* menu = Open(mainMenu_);
    menu->RefreshContinue();
    return ShowCentred(menu);
}

GroupSelectMenu* Screens::ShowGroupSelectMenu() {
    return ShowCentred(Open(groupSelectMenu_));
}

MainGame* Screens::ShowMap(const std::optional<MapPlace>& place) {
    const bool fresh = !map_;
    MainGame* map = Open(map_);
    // The command menu and its dialogs grow and shrink with the map.
    if (fresh) connect(map->board(), &MapBoard::rescaled, this, &Screens::WindowsFollowMap);
    map->Refresh();
    if (!place) return ShowCentred(map);
    if (place->states & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        map->setGeometry(place->normalGeometry);
        map->setWindowState(place->states);
    } else {
        map->resize(place->size);
        map->move(place->frameTopLeft);  // a window's position is its frame's
    }
    map->show();
    map->raise();
    map->activateWindow();
    return map;
}

help* Screens::ShowHelp() {
    return ShowCentred(Open(help_));
}

News* Screens::ShowNews() {
    const bool fresh = !news_;
    News* news = Open(news_);
    if (fresh) {
        // Read, the news hands the keyboard back to a defence it was opened over.
        connect(news, &Screen::unloaded, this, [this] {
            if (defence_ && defence_->isVisible()) {
                defence_->raise();
                defence_->activateWindow();
            }
        });
    }
    news->Refresh();
    news->SetScale(ScaleToFit(News::kSize));
    // Beside the map where there is room, else over the map clear of its side panel; never over
    // the defence set-up, which the player answers after reading it.
    if (map_ && map_->isVisible()) {
        ShowWindow(news, Placing::BesideMap, map_);
    } else {
        ShowCentred(news);
    }
    if (defence_ && defence_->isVisible()) KeepApart(news, defence_, Anchor());
    return news;
}

ChronicleChart* Screens::ShowChronicle() {
    // Drawn when it opens: an open chart is opened afresh.
    if (chronicleChart_) chronicleChart_->close();
    return ShowCentred(Open(chronicleChart_));
}

News* Screens::news() const {
    return news_;
}

ChronicleChart* Screens::chronicleChart() const {
    return chronicleChart_;
}

void Screens::ContinueGame() {
    if (session_.running() && world().MapLocked) return;
    SlotGame game = ReadSlotGame(world(), slotFolder_, kAutosaveSlot);
    if (game.result.state != SlotState::Game) {
        platform_.Inform(mainMenu_, QString::fromStdString(game.result.message));
        return;
    }
    ShowLoadedGame(std::move(game.world), std::move(game.chronicle), std::move(game.news));
    for (const std::string& notice : game.result.notices)
        platform_.Inform(map_, QString::fromStdString(notice));
}

void Screens::StoreSettings() {
    // Told once a run; the option holds for this run either way.
    if (auto failure = settingsKeeper_.Store(settingsFile_, world()))
        platform_.Inform(map_, QString::fromStdString(*failure));
}

infor* Screens::ShowInfor() {
    return ShowCentred(Open(infor_));
}

Credit* Screens::ShowCredit() {
    return ShowCentred(Open(credit_));
}

GameMenu* Screens::ShowGameMenu() {
    GameMenu* menu = Open(gameMenu_);
    menu->Refresh();
    ScaleToMap(menu, false);
    // Beside the map where there is room, else beside its district: the player keeps clicking
    // districts while it is open.
    return ShowWindow(menu, Placing::BesideMap, map_, MenuDistrict());
}

SaveFile* Screens::ShowSaveFile() {
    return ShowCentred(Open(saveFile_));
}

OpenFile* Screens::ShowOpenFile() {
    return ShowCentred(Open(openFile_));
}

Attack* Screens::ShowAttack() {
    if (world().MapLocked || !session_.running() || session_.fight()) return nullptr;
    // Each opening fills the lists anew and puts every weapon back to 주먹.
    if (attack_) {
        attack_->close();
        attack_ = nullptr;
    }
    return ShowCentred(Open(attack_));
}

Defence* Screens::ShowDefence() {
    if (!world().DefenceSetupOpen || !session_.running()) return nullptr;
    Defence* defence = ShowCentred(Open(defence_));
    // The week's news, already open, moves out of its way.
    if (news_ && news_->isVisible()) KeepApart(news_, defence, Anchor());
    return defence;
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
    if (!moved) {
        // The district already shown: 재편성 lists the people standing there now.
        if (const QPointer<CommandDialog> reorg = dialogs_.value("Reset")) {
            if (session_.DialogFollows(reorg->menu())) {
                reorg->Open();
            } else {
                reorg->close();
            }
        }
        return;
    }
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
            PlaceOnMap(dialog, Placing::NearMenu, DialogAnchor());
        } else {
            dialog->close();
        }
    }
}

CommandDialog* Screens::OpenDialog(const QString& name,
                                   const std::function<CommandDialog*()>& make) {
    if (world().MapLocked || !session_.running()) return nullptr;
    QPointer<CommandDialog>& slot = dialogs_[name];
    if (!slot) {
        slot = make();
        connect(slot, &Screen::unloaded, this, [this, name] { dialogs_.remove(name); });
    }
    CommandDialog* dialog = slot;
    dialog->Open();
    return ShowDialog(dialog);
}

const QWidget* Screens::DialogAnchor() const {
    if (gameMenu_ && gameMenu_->isVisible()) return gameMenu_;
    return map_;
}

CommandDialog* Screens::ShowDialog(CommandDialog* dialog) {
    ScaleToMap(dialog, true);
    return ShowWindow(dialog, Placing::NearMenu, DialogAnchor());
}

void Screens::CloseCommandDialogs() {
    for (const QPointer<CommandDialog>& dialog : dialogs_.values()) {
        if (dialog) dialog->close();
    }
}

void Screens::PanelChanged() {
    if (gameMenu_) gameMenu_->Refresh();
    // A command may have emptied a district or filled one: the map marks them.
    if (map_) map_->Refresh();
}

void Screens::TurnEnded() {
    // The session has refreshed the menu as if its district were clicked again.
    if (!gameMenu_) return;
    gameMenu_->Refresh();
    DialogsFollowMenu();
}

void Screens::CloseGameForms() {
    if (gameMenu_) gameMenu_->close();
    // The news and the chronicle tell of the game on the map.
    if (news_) news_->close();
    if (chronicleChart_) chronicleChart_->close();
    if (map_) map_->CloseWithoutQuestion();
}

void Screens::ShowLoadedGame(World loaded, std::optional<Chronicle> chronicle,
                             std::optional<WeekNews> news) {
    // The loaded game's map opens where the player had the map, not centred afresh: a new window
    // centred before the window manager has framed it would land a few pixels off.
    std::optional<MapPlace> place;
    if (map_ && map_->isVisible()) {
        place = MapPlace{map_->frameGeometry().topLeft(), map_->size(), map_->normalGeometry(),
                         map_->shownStates()};
    }
    CloseGameForms();
    session_.ShowGame(std::move(loaded), std::move(chronicle), std::move(news));
    ShowMap(place);
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
    ShowCentred(ending_.data());
    // The map closes without bringing back the title menu: the program ends from the ending
    // screen.
    CloseGameForms();
}

void Screens::DefenceAnnounced() {
    if (!world().DefenceSetupOpen) return;
    // A fight closes the command menu and its dialogs: nothing may change the world under it.
    if (gameMenu_) gameMenu_->close();
    if (DropEmptyDefence(world())) {
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
    ShowCentred(fightField_.data());
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
