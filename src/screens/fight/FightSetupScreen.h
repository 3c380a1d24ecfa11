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
    // Position and size in twips as pixels on this screen: 15 twips a pixel at 100 %, fewer at
    // the screen's scale.
    int Px(int twips) const { return static_cast<int>(twips * scale_ / 15); }
    QLabel* AddLabel(const QString& text, int left, int top, int width);
    // What the screen holds chosen now, as OK would read it.
    SetupChoice CurrentChoice() const;
    int CurrentTarget() const;
    // After every choice: the party's strength, the weapons it needs against the stocks, and
    // 싸움 예상 when the option is on.
    void ShowChoice();

    FightSide side_;
    // The map's scale as far as the screen lets the set-up grow (1: its size at 100 %), taken
    // when it opens.
    double scale_ = 1.0;
    FightSetup setup_;
    QListWidget* ll1_;
    QListWidget* ll2_ = nullptr;
    QComboBox* combo1_;
    QPushButton* command3_;
    std::array<QLabel*, 7> skill_{};
    QLabel* party_;  // 고른 사람: how many and their strength
    QLabel* needs_;  // 필요한 무기: what the party needs of each weapon and what is in stock
    QLabel* forecast_;          // 싸움 예상
    QLabel* coming_ = nullptr;  // the defence: the party that comes, its strength and weapons
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
