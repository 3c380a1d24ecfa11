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

class MainGame : public Screen {
    Q_OBJECT
  public:
    explicit MainGame(Screens& screens);

    // Repaints everything from the world: owners, date, emblem, the map lock, the check marks.
    void Refresh();
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

  protected:
    void Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAction* AddItem(QMenu* menu, const char* name, const char* caption);
    // A check item that switches one of the settings.
    QAction* AddOption(QMenu* menu, const char* name, const char* caption, bool Options::*option);

    QMenuBar* menuBar_;
    std::array<QPushButton*, kCityCount> cmd_{};
    std::array<QLabel*, 3> skill_{};
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
    QAction* preview_;      // 다음 주 예상: what the next turn end would do, on the map
    QLabel* status_;        // DistrictStatus: the district under the pointer, at a glance
};

}  // namespace golmok::screens
