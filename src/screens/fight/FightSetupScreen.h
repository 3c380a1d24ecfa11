// The two fight set-ups, black screens with white labels: `Attack` (행동 > 맞짱) sends fighters of
// the selected district against a district of another gang; `Defence` answers an attack that a
// turn end announced and cannot be closed or cancelled: the only way out is the fight.
#pragma once

#include <array>

#include "fight/FightSetup.h"
#include "screens/Screen.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace golmok::screens {

class FightSetupScreen : public Screen {
    Q_OBJECT
  public:
    // OK: refused with a message, an unopposed take-over, or the fight on its field.
    void OkClicked();
    void SelectAllClicked();  // Command3: 모두 선택 / 모두 해제
    // Command2 and Esc: the attack closes; the defence cannot be called off.
    void CancelClicked();

  protected:
    FightSetupScreen(Screens& screens, const char* name, FightSide side);
    void closeEvent(QCloseEvent* event) override;
    // Enter is 확인 and Esc is 취소.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // A person of LL1 chosen by a click or with the keys: his figures and weapon are shown.
    void PersonClicked(int h);
    QLabel* AddLabel(const QString& text, int left, int top, int width);

    FightSide side_;
    FightSetup setup_;
    QListWidget* ll1_;
    QListWidget* ll2_ = nullptr;
    QComboBox* combo1_;
    QPushButton* command3_;
    std::array<QLabel*, 7> skill_{};
    bool released_ = false;  // the defence closes only as its fight starts
};

class Attack : public FightSetupScreen {
    Q_OBJECT
  public:
    explicit Attack(Screens& screens) : FightSetupScreen(screens, "Attack", FightSide::Attack) {}
};

class Defence : public FightSetupScreen {
    Q_OBJECT
  public:
    explicit Defence(Screens& screens) : FightSetupScreen(screens, "Defence", FightSide::Defence) {}
};

}  // namespace golmok::screens
