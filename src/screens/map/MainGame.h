// The map of Seoul: 25 district buttons in their owners' colours, the date, the player's emblem
// and the menu bar of the turn, the options, the game functions and the help.
#pragma once

#include <array>

#include "screens/Screen.h"
#include "world/World.h"

class QAction;
class QVBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

namespace golmok::screens {

class GangEmblem;
class OwnerBadge;
class Picture;
class ThreatSign;

// The district the arrow keys reach from district `from` going (dx, dy) (each -1, 0 or 1, one of
// them 0): the nearest whose button's centre lies that way, a step across the way counting twice
// a step along it. `from` itself when no district lies that way.
int DistrictToward(int from, int dx, int dy);

// The map's district focus, drawn around the focused district's button while the map holds the
// keyboard: two rings, dark and light, that stand out on every owner's colour.
class DistrictFocusMark : public QWidget {
    Q_OBJECT
  public:
    explicit DistrictFocusMark(QWidget* parent);
    // The rings widen with the map.
    void SetScale(double scale);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double scale_ = 1.0;
};

// The map's board: the map of Seoul and its side panel, 900 × 520 pixels at the default size,
// drawn at any size the window gives it with their proportions kept; the rest of the board is the
// side panel's night blue. Every control on it keeps its place and its type size in proportion.
class MapBoard : public QWidget {
    Q_OBJECT
  public:
    explicit MapBoard(QWidget* parent);

    // Puts `widget` (a child of the board or of a picture on it) at `base`, its rectangle at the
    // default size in its parent's pixels, and gives its type `pixelSize` pixels at that size
    // (0: the type stays as it is); both follow the board's size from now on.
    void Keep(QWidget* widget, const QRect& base, int pixelSize = 0);
    // Puts a kept widget back at its place for the board's size (after something resized it).
    void PlaceAgain(QWidget* widget);
    // How many times the default size the map is shown.
    double scale() const { return scale_; }
    // `base` (at the default size, in a picture's pixels) at the board's scale.
    QRect Scaled(const QRect& base) const;
    // The map and the side panel together, in the board's pixels.
    QRect shownArea() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The board took a new size: whatever is drawn by the scale follows.
    void rescaled();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Kept {
        QWidget* widget;
        QRect base;
        int pixelSize;
    };
    void Apply(const Kept& kept) const;

    QList<Kept> kept_;
    double scale_ = 1.0;
};

class MainGame : public Screen {
    Q_OBJECT
  public:
    explicit MainGame(Screens& screens);

    // F11: the map fills the whole screen, or goes back to its window (maximised if it was).
    void ToggleFullScreen();
    // Whether F11 last asked for full screen (the window manager may take a moment to show it).
    bool fullScreen() const;
    // The window's states as the window manager last told them (maximised, full screen).
    Qt::WindowStates shownStates() const;
    // The side panel (emblem, date, hints) on the screen, where no window should cover it.
    QRect sidePanelOnScreen() const;
    // The status line under the map on the screen, which no window should cover either.
    QRect statusLineOnScreen() const;
    // District `city`'s button on the screen.
    QRect districtOnScreen(int city) const;
    MapBoard* board() const { return board_; }

    // The district that the keyboard is on (the map's district focus). It starts on the player's
    // first district; the arrows move it, Enter or Space opens its command menu, a click on a
    // district moves it there.
    int focusedDistrict() const { return focusedCity_; }
    void FocusDistrict(int city);
    // The map's shortcuts (턴 > 종료, 저장하기, 불러오기, 종료하기, 돈올리기), which the command
    // menu also answers while it holds the keyboard.
    QList<QAction*> shortcuts() const { return shortcuts_; }

    // Repaints everything from the world: owners, date, emblem, the map lock, the check marks.
    void Refresh();
    // A line under the keys hint telling what the last save or load did; it leaves after a few
    // seconds, at the next key on the map, or at a turn end.
    void ShowStatus(const QString& text);
    QString status() const;
    // The date labels show Year, Month, Week.
    void SkillReset();

    // The district at a glance: the status line under the map tells district `city` (the one
    // under the pointer, or the one the keyboard has reached), or the map's hint for -1. It
    // starts on the district focus: the pointer counts once it has moved over the map.
    void ShowDistrict(int city);
    // The words of the status line and of the district's tooltip.
    QString DistrictText(int city) const;

    void EndTurnClicked();  // 턴_종료
    void QuitClicked();     // 기능_종료하기
    void MoneyUpClicked();  // 돈올리기

  signals:
    // The district focus moved to `city`.
    void districtFocused(int city);

  protected:
    void Unload() override;
    // Esc leaves full screen.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The title bar's close button asks first, as 종료하기 does.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class Screens;
    // The game closes the map itself (a quit already confirmed, a load, the end of the game).
    void CloseWithoutQuestion();
    void PlaceFocusMark();
    // The districts' colours and borders, drawn for the board's scale.
    void StyleDistricts();
    // The status line's type follows the window's width.
    void ScaleStatusLine();
    // The status line's height follows its words.
    void FitStatusLine();
    // Asks for full screen again while the window manager has not shown it (a few times).
    void InsistOnFullScreen();
    // The pointer entering or leaving a district's button, or asking for its tooltip.
    void DistrictButtonEvent(QObject* watched, QEvent* event);
    // Assistive technology follows the district focus: the focused district's button takes the
    // accessible focus, named by its glance.
    void TellFocusedDistrict();

    // The steps that build the window, in the order the constructor takes them.
    struct FunctionItems {
        QAction* save;
        QAction* load;
        QAction* quit;
    };
    void BuildMenuBar(QVBoxLayout* layout);
    QAction* BuildTurnMenu();
    void BuildOptionMenu();
    FunctionItems BuildFunctionMenu();
    void BuildHelpMenu();
    void BuildMap(QVBoxLayout* layout);
    void BuildSidePanel();
    void BuildStatusLine(QVBoxLayout* layout);
    // The district focus starts on the player's first district, and the window's keyboard on it.
    void StartOnPlayerDistrict();
    void FollowBoardScale();
    QAction* AddItem(QMenu* menu, const char* name, const char* caption);
    // A check item that switches one of the settings.
    QAction* AddOption(QMenu* menu, const char* name, const char* caption, bool Options::*option);

    QMenuBar* menuBar_;
    MapBoard* board_;
    QWidget* side_;            // the side panel's picture
    int statusPixelSize_ = 0;  // the status line's type at the default size
    // F11's full screen, as the map asked for it, and the window it goes back to.
    bool fullScreen_ = false;
    int fullScreenRetries_ = 0;
    static constexpr int kFullScreenRetry = 300;  // ms before the map looks again
    static constexpr int kFullScreenRetries = 5;
    struct Windowed {
        QRect place;
        bool maximised = false;
    } windowed_;
    QWidget* districts_;  // the map under the buttons: it holds the keyboard for the districts
    DistrictFocusMark* focusMark_;
    int focusedCity_ = 0;
    bool closingByGame_ = false;
    QList<QAction*> shortcuts_;
    std::array<QPushButton*, kCityCount> cmd_{};
    std::array<OwnerBadge*, kCityCount> mark_{};    // the owner's letter on each district
    std::array<GangEmblem*, kCityCount> emblem_{};  // the owner's shape on each district
    std::array<ThreatSign*, kCityCount> threat_{};  // 다음 주 예상: attacked at the next turn end
    std::array<QLabel*, 3> skill_{};
    QLabel* notice_ = nullptr;  // Status: what the last load or save did, on the side panel
    QTimer* noticeTimer_ = nullptr;
    static constexpr int kNoticeMs = 5000;  // how long a notice stays
    // The pointer has moved over the map since it opened: a window that opens under a still
    // pointer gets an Enter it never asked for.
    bool pointerMoved_ = false;
    Picture* groupLogo_;
    QMenu* turnMenu_;
    QMenu* optionMenu_;
    QMenu* functionMenu_;
    QMenu* helpMenu_;
    QAction* realTime_;
    QAction* turnBased_;
    QAction* music_;
    QAction* notices_;
    QAction* healthBars_;
    QAction* news_;      // 옵션_보기_이번주소식
    QAction* autosave_;  // 옵션_자동저장
    QAction* truce_;     // 초반 휴전: no computer attack on the player in the first four weeks
    QAction* strongGangs_;  // 강한 조직: a full party may attack a district of five or more
    QAction* living_;       // 살아있는 세계: the computer gangs' wars keep moving
    QAction* preview_;      // 다음 주 예상: what the next turn end would do, on the map
    QAction* forecast_;     // 싸움 예상: how a fight would end, in the fight set-ups
    QLabel* status_;        // DistrictStatus: the district under the pointer, at a glance
};

}  // namespace golmok::screens
