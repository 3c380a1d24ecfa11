// The screen hub: the one run of the game (its Session), the desktop it talks to, and every
// screen, each existing at most once. Screens call the hub to open one another; the hub knows the
// order of things when a game starts, ends or is left.
#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

#include "screens/look/Placement.h"
#include "screens/look/Platform.h"
#include "session/Session.h"
#include "world/Settings.h"

namespace golmok::screens {

class GameLogo;
class MainMenu;
class GroupSelectMenu;
class MainGame;
class GameMenu;
class CommandDialog;
class help;
class infor;
class Credit;
class PicturePrint;
class Music;
class SaveFile;
class OpenFile;
class Attack;
class Defence;
class FightField;
class News;
class ChronicleChart;

class Screens : public QObject {
    Q_OBJECT
  public:
    // `musicPath` is theme.wav beside the program; empty for silence.
    Screens(Session& session, Platform& platform, QString musicPath);
    ~Screens() override;

    Session& session() { return session_; }
    World& world() { return session_.world(); }
    MenuState& menu() { return session_.menu(); }
    Platform& platform() { return platform_; }
    Music& music();
    // The folder of the five save slots; set once at start-up.
    const std::filesystem::path& slotFolder() const { return slotFolder_; }
    void SetSlotFolder(std::filesystem::path folder) { slotFolder_ = std::move(folder); }
    // The file the options are kept in from one start to the next (world/Settings.h); empty, as
    // in the screen tests, they last for this run only.
    const std::filesystem::path& settingsFile() const { return settingsFile_; }
    void SetSettingsFile(std::filesystem::path file) { settingsFile_ = std::move(file); }
    // Writes the options and fight mode in force into the settings file; a file that cannot be
    // written is told once a run.
    void StoreSettings();

    // Program start: the start-up screen with its logo, the music playing, the title menu laid
    // out hidden.
    void Start();

    // Each returns the screen, building it if it does not exist, and shows it.
    MainMenu* ShowMainMenu();
    GroupSelectMenu* ShowGroupSelectMenu();
    // Where the player had the map: a loaded game's map opens there, at that size and state.
    struct MapPlace {
        QPoint frameTopLeft;
        QSize size;
        QRect normalGeometry;  // where a maximised or full-screen map goes back to
        Qt::WindowStates states;
    };
    MainGame* ShowMap(const std::optional<MapPlace>& place = std::nullopt);
    help* ShowHelp();
    infor* ShowInfor();
    Credit* ShowCredit();
    GameMenu* ShowGameMenu();
    SaveFile* ShowSaveFile();
    OpenFile* ShowOpenFile();
    // 행동 > 맞짱 of the command menu: the attack set-up of the selected district, opened afresh.
    // Nothing opens while the map is frozen.
    Attack* ShowAttack();
    // The defence set-up of the attack a turn end announced.
    Defence* ShowDefence();
    // 이번 주 소식, filled from the last turn end (refilled when it is already open).
    News* ShowNews();
    // 기능 > 연대기: the chronicle of the game, drawn as it stands now.
    ChronicleChart* ShowChronicle();

    // The screens as they are now; null when not loaded.
    GameLogo* gameLogo() const;
    MainMenu* mainMenu() const;
    GroupSelectMenu* groupSelectMenu() const;
    MainGame* map() const;
    GameMenu* gameMenu() const;
    // The command dialog of that name (`ArmsBuy`, `MoveCity`, ...) while it is open.
    CommandDialog* dialog(const QString& name) const;
    help* helpScreen() const;
    infor* inforScreen() const;
    Credit* credit() const;
    PicturePrint* ending() const;
    SaveFile* saveFile() const;
    OpenFile* openFile() const;
    Attack* attack() const;
    Defence* defence() const;
    // AttackGround or DefenceGround while a fight is on the board.
    FightField* fightField() const;
    News* news() const;
    ChronicleChart* chronicleChart() const;

    // The scale a window of `size` at 100 % opens at beside the map (the fight screens, the
    // news): the map's, never below 1, and no larger than lets the window, with its title bar
    // and borders, lie wholly in the available area of the map's screen.
    double ScaleToFit(QSize size) const;

    // The title menu's new game: the fresh world with the chosen gang, the map on screen.
    void StartGame();
    // A click on a district of the map. Dialogs left open follow the menu to the new district,
    // or close where their menu cannot be used.
    void OpenCommandMenu(int city);
    // A command dialog's item: builds the dialog with `make` if it is not open, then (re)opens it.
    CommandDialog* OpenDialog(const QString& name, const std::function<CommandDialog*()>& make);
    // Shows a command dialog near the command menu.
    CommandDialog* ShowDialog(CommandDialog* dialog);
    // Closes every command dialog; closing the command menu does this too.
    void CloseCommandDialogs();
    // A command changed the world: the command menu shows the panel as it is now.
    void PanelChanged();
    // A turn has ended: the command menu and its open dialogs show the new turn.
    void TurnEnded();
    // The autosaves written behind a turn end that failed: each is shown over the map.
    void ShowSaveFailures();
    // The open dialogs follow the command menu's district (Session::DialogFollows): refilled, or
    // closed.
    void DialogsFollowMenu();
    // Closes the command menu and the map; the map's own unload then brings back the title menu.
    void CloseGameForms();
    // A game read from a slot: every game screen closes, and the map opens anew on it with its
    // emblem and owners; the load screen and the title menu go away.
    // The chronicle read beside the slot goes on with the game if it belongs to it.
    void ShowLoadedGame(World loaded, std::optional<Chronicle> chronicle = std::nullopt,
                        std::optional<WeekNews> news = std::nullopt);
    // The title menu's 이어하기 and the load screen's sixth entry: the game of the autosave slot.
    void ContinueGame();
    // Run wherever districts may have changed hands: announces a victory or a defeat once, then
    // the ending screen replaces the map.
    void OwnersChanged();
    // After a turn end announced an attack on the player: the defence set-up opens.
    void DefenceAnnounced();
    // A set-up's OK started `fight`: the set-up, the command menu and its dialogs close, the map
    // freezes and the fight's field opens.
    void OpenFightField(Fight fight);
    // The field has shown its result: it closes, the map shows the new owners, and the game may
    // be over.
    void FightOver();
    // The game is left while a fight or a defence set-up is open: they go without a result.
    void DropFight();
    void EndProgram() { platform_.EndProgram(); }

  signals:
    // A press on an amount bar froze or released every amount bar.
    void barTrackingChanged();

  private:
    template <class T>
    T* Open(QPointer<T>& slot);
    // The game window now on screen that the others open against: the map, else the title menu,
    // the gang choice or the start-up screen.
    const QWidget* Anchor() const;
    // What a command dialog opens near: the command menu, or the map without it.
    const QWidget* DialogAnchor() const;
    // Places `screen` by the placement rules and brings it to the front. A window beside the map
    // leaves the map's side panel in sight where it can.
    // The command menu opens beside `district` (on the screen) where the map leaves no room.
    template <class T>
    T* ShowWindow(T* screen, Placing how, const QWidget* anchor, const QRect& district = {});
    // The command menu or a dialog at the map's scale, within limits that keep it on the screen:
    // never smaller than at 100 %; the menu at most half the width the map's side panel leaves and
    // nine tenths of the screen's height; a dialog as large as still finds a place near the menu
    // clear of the side panel and the status line (where none does even at 100 %, at most half
    // the screen's height, so that it fits above or under the menu).
    void ScaleToMap(QWidget* window, bool dialog);
    // A dialog of the command menu at the largest scale up to `wanted` at which it finds a place
    // near the menu inside `area`, clear of the side panel and the status line; 100 % where none
    // does.
    void ScaleNearMenu(QWidget* dialog, double wanted, const QRect& area);
    // The map took a new size: the command menu and its dialogs take its scale and their places
    // again.
    void WindowsFollowMap();
    // The district of the command menu on the screen, where the map shows it; else nothing.
    QRect MenuDistrict() const;
    // The map's side panel on the screen, where the map is shown; else nothing.
    QRect MapPanel() const;
    // The status line under the map on the screen, where the map is shown; else nothing.
    QRect MapStatus() const;
    // Places `window` by `how` against `anchor` (the map's side panel and status line kept in
    // sight, the frame measured by the map's), beside `district` where that rule uses one.
    void PlaceOnMap(QWidget* window, Placing how, const QWidget* anchor,
                    const QRect& district = {});
    // The map's scale while it is shown; else 1.
    double MapScale() const;
    template <class T>
    T* ShowCentred(T* screen);

    Session& session_;
    Platform& platform_;
    QString musicPath_;
    std::filesystem::path slotFolder_;
    std::filesystem::path settingsFile_;
    SettingsKeeper settingsKeeper_;
    QPointer<GameLogo> gameLogo_;
    QPointer<MainMenu> mainMenu_;
    QPointer<GroupSelectMenu> groupSelectMenu_;
    QPointer<MainGame> map_;
    QPointer<GameMenu> gameMenu_;
    QMap<QString, QPointer<CommandDialog>> dialogs_;
    QPointer<help> help_;
    QPointer<infor> infor_;
    QPointer<Credit> credit_;
    QPointer<PicturePrint> ending_;
    QPointer<SaveFile> saveFile_;
    QPointer<OpenFile> openFile_;
    QPointer<Attack> attack_;
    QPointer<Defence> defence_;
    QPointer<FightField> fightField_;
    QPointer<News> news_;
    QPointer<ChronicleChart> chronicleChart_;
};

}  // namespace golmok::screens
