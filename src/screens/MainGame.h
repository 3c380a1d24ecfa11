// The map of Seoul: 25 district buttons in their owners' colours, the date, the player's emblem
// and the menu bar of the turn, the options, the game functions and the help.
#pragma once

#include <array>

#include "screens/Screen.h"
#include "world/World.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace golmok::screens {

class Picture;

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

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class MainGame : public Screen {
    Q_OBJECT
  public:
    explicit MainGame(Screens& screens);

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
    // A line under the hint telling what the last save or load did; a turn end clears it.
    void ShowStatus(const QString& text);
    QString status() const;
    // The date labels show Year, Month, Week.
    void SkillReset();

    // The district at a glance: the status line under the map tells district `city` (the one
    // under the pointer, or the one the keyboard has reached), or the map's hint for -1.
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
    // The title bar's close button asks first, as 종료하기 does.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class Screens;
    // The game closes the map itself (a quit already confirmed, a load, the end of the game).
    void CloseWithoutQuestion();
    void PlaceFocusMark();
    // The pointer entering or leaving a district's button, or asking for its tooltip.
    void DistrictButtonEvent(QObject* watched, QEvent* event);

    QAction* AddItem(QMenu* menu, const char* name, const char* caption);
    // A check item that switches one of the settings.
    QAction* AddOption(QMenu* menu, const char* name, const char* caption, bool Options::*option);

    QMenuBar* menuBar_;
    QWidget* districts_;  // the map under the buttons: it holds the keyboard for the districts
    DistrictFocusMark* focusMark_;
    int focusedCity_ = 0;
    bool closingByGame_ = false;
    QList<QAction*> shortcuts_;
    std::array<QPushButton*, kCityCount> cmd_{};
    std::array<QLabel*, kCityCount> mark_{};  // the owner's letter on each district
    std::array<QLabel*, 3> skill_{};
    QLabel* notice_ = nullptr;  // Status: what the last load or save did, on the side panel
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
    QLabel* status_;        // DistrictStatus: the district under the pointer, at a glance
};

}  // namespace golmok::screens
