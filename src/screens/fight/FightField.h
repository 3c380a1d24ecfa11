// The fight field: the 10 × 10 board with the player's five pieces on top and the computer's at
// the bottom, the weapon pieces, the health bars and the side panel. `AttackGround` shows an
// attack of the player, `DefenceGround` a defence; both draw the running fight that the Session
// holds and feed it the player's keys and the field's clocks. The field closes itself on the
// result; the player cannot close it while the fight runs.
#pragma once

#include <QTimer>
#include <array>

#include "fight/Fight.h"
#include "screens/Screen.h"
#include "screens/look/Art.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace golmok::screens {

// A fighter's piece: his picture, with the border that marks the player's fighters: a thin line
// on each, and on the one whose turn it is a raised ring of lamplight between two ink lines, so
// that it stands out on every cell and beside every piece.
class Piece : public Picture {
    Q_OBJECT
  public:
    enum class Border { None, Flat, Raised };
    using Picture::Picture;
    // The field's scale: the border, the name band and the bars grow with the piece.
    void SetScale(double scale) { scale_ = scale; }
    void SetBorder(Border border);
    Border border() const { return border_; }
    // The fighter's short name on a band across the top of the piece, and under it his stamina
    // and his members as two thin bars, each a share of what he went out with.
    void SetFigures(const QString& shortName, double stamina, double members);
    const QString& shortName() const { return shortName_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PaintBorder(QPainter& painter) const;

    double scale_ = 1.0;
    Border border_ = Border::None;
    QString shortName_;
    double stamina_ = 0;
    double members_ = 0;
};

// What a blow took, over the piece it struck: "-12" in lamplight outlined in dark red, readable
// on the board, on either side's pieces and on the hit mark.
class DamageFigure : public QWidget {
    Q_OBJECT
  public:
    // As wide as a cell of the field at `scale`, its type as large.
    DamageFigure(QWidget* parent, double scale);
    void SetDamage(double damage);
    const QString& text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double scale_;
    QString text_;
};

class FightField : public Screen {
    Q_OBJECT
  public:
    // Draws the fight as it stands and starts its clocks.
    void Begin();
    // A key press on the field, as the keyboard would send it.
    void PressFightKey(FightKey key);
    // Timer2: one computer action.
    void ComputerTick();
    // Timer3: the computer's weapon and the hit marks disappear again.
    void HideTick();
    // The damage figures go after a moment, if no new blow has replaced them before.
    void HideDamage();
    // One tick of the side fighting by itself: one round at the normal pace, as many as keep the
    // fight within its time at the fast pace.
    void AutoTick();
    // The 자동 button: the player's side fights by itself, or is handed back.
    void ToggleAutoBattle();
    // The 빠르게 button: the fight goes on by itself fast enough to end within a few seconds, or
    // back at the pace a player can follow.
    void ToggleFastPace();
    bool fastPace() const { return fastPace_; }

    QTimer& timer2() { return timer2_; }
    QTimer& timer3() { return timer3_; }
    QTimer& autoTimer() { return autoTimer_; }
    QTimer& damageTimer() { return damageTimer_; }
    // Redraws pieces, bars, the highlight and the panel from the fight.
    void Refresh();

  protected:
    FightField(Screens& screens, const char* name, FightSide side);
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Position and size in twips as pixels on the field: it is drawn at twice the size of the
    // other screens (a cell of 480 twips is 64 pixels at 100 %), times its scale.
    int F(int twips) const { return static_cast<int>(twips * scale_ * 2 / 15); }
    // A length in pixels at 100 % (a type size, a border) at the field's scale.
    int Scaled(int pixels) const;
    // A label of the side panel in its bold type.
    QLabel* PanelLabel(const QString& text, int left, int top, int width);
    Fight* fight();
    // After every event of the field: the death and result pass, what to show, the result.
    void Finish(std::vector<std::string> messages);
    // The blows of the step just run, as the fight kept them: a hit mark and the damage on each
    // piece struck. They replace those of an earlier step.
    void ShowStrikes();
    // The gang names' side captions and colour swatches.
    void ShowSides(const Fight& running);
    // The panel's lists of fighters, with the one whose move it is marked.
    void ShowRoster(const Fight& running);
    void Pointed(bool player, int slot);

    // The map's scale as far as the screen lets the field grow (1: its size at 100 %), taken when
    // it opens.
    double scale_ = 1.0;
    std::array<Piece*, kSlotCount> yi_{};           // YI: the player's fighters
    std::array<Piece*, kSlotCount> ci_{};           // CI: the computer's fighters
    std::array<Picture*, kWeaponCount> armorI_{};   // ArmorI: the player's aim markers
    std::array<Picture*, kWeaponCount> armorI2_{};  // ArmorI2: where the computer strikes
    // Marks on the fighters just hit and what the blows took, the player's slots first.
    std::array<Picture*, kSlotCount * 2> hit_{};
    std::array<DamageFigure*, kSlotCount * 2> damage_{};
    std::array<QProgressBar*, kSlotCount> ypb1_{};  // YPB1: the player's health bars
    std::array<QProgressBar*, kSlotCount> cpb1_{};  // CPB1: the computer's health bars
    // Skill: the panel's labels: district, the player's gang, the computer's gang, and the name
    // and stamina of the fighter under the mouse.
    std::array<QLabel*, 5> skill_{};
    // Side: "우리 편 (위)" over the player's gang and "상대 편 (아래)" under the computer's;
    // Swatch: each gang's colour as the map paints its districts.
    std::array<QLabel*, 2> side_{};
    std::array<QLabel*, 2> swatch_{};
    QLabel* label2_;  // Label2: "체력 :" before the pointed fighter's stamina
    // The fighter whose figures the panel shows (side, slot), until he falls.
    bool pointedPlayer_ = false;
    int pointedSlot_ = -1;
    // The side panel's lists of both sides' fighters (name, weapon, stamina, members, the fallen
    // struck through), the fight mode, and the keys.
    std::array<QLabel*, 2> roster_{};
    QLabel* mode_;
    QLabel* keys_;
    // What each fighter went out with, the player's slots first: the full length of his bars.
    std::array<double, kSlotCount * 2> startStamina_{};
    std::array<double, kSlotCount * 2> startMembers_{};
    QPushButton* auto_;
    QPushButton* fast_;
    bool fastPace_ = false;
    int roundsPerTick_ = 1;
    QTimer timer2_;       // the computer's clock in a real-time fight: 200 ms
    QTimer timer3_;       // hides the computer's weapon 100 ms after its strike
    QTimer autoTimer_;    // paces the fight while the player's side fights by itself
    QTimer damageTimer_;  // takes the damage figures away
    bool released_ = false;
};

class AttackGround : public FightField {
    Q_OBJECT
  public:
    explicit AttackGround(Screens& screens)
        : FightField(screens, "AttackGround", FightSide::Attack) {}
};

class DefenceGround : public FightField {
    Q_OBJECT
  public:
    explicit DefenceGround(Screens& screens)
        : FightField(screens, "DefenceGround", FightSide::Defence) {}
};

}  // namespace golmok::screens
