// The dialogs that look after the district's people and money: 훈련, 치료, 재편성 (Train, Heal,
// Reset), 조직원 스카웃 (StaffScout), 상업개발, 돈걷기 (Trade, GiveMeMoney), 포상, 해고 (Prize,
// Dismiss), 행동대장 스카웃 (Scout), and the two information views 인물정보, 조직정보 (HumanInfo,
// GroupInfo).
#pragma once

#include <QLabel>
#include <array>

#include "screens/dialogs/CommandDialog.h"

namespace golmok::screens {

// Train: 훈련, pays for a person's training and raises his morale.
class Train : public CommandDialog {
    Q_OBJECT
  public:
    explicit Train(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* list_;
    std::array<QLabel*, 2> skill_{};
};

// Heal: 치료, pays to bring a person's stamina back up.
class Heal : public CommandDialog {
    Q_OBJECT
  public:
    explicit Heal(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* list_;
    std::array<QLabel*, 2> skill_{};
    QProgressBar* stamina_;
    QLabel* done_;  // who was healed last, to what stamina: 치료 has no message box of its own
};

// Reset: 재편성, moves members between the district's people through a shared pool. It has no
// OK: every bar movement and every typed number moves members at once.
class Reset : public CommandDialog {
    Q_OBJECT
  public:
    explicit Reset(Screens& screens);

  protected:
    void Fill() override;
    void Unload() override;

  private:
    void ShowPerson();
    QListWidget* list_;
    std::array<QLabel*, 3> skill_{};
    QLineEdit* box_;
    AmountBar* bar_;
};

// StaffScout: 조직원 스카웃, buys new members for a person, up to his leadership.
class StaffScout : public CommandDialog {
    Q_OBJECT
  public:
    explicit StaffScout(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowMembers(int human, double members);
    QListWidget* list_;
    std::array<QLabel*, 2> skill_{};
    QProgressBar* members_;  // PB(0): members against leadership
    AmountBar* bar_;         // PB(1): the money to spend
    QLineEdit* box_;
};

// Trade: 상업개발, spends the district's money on its commerce.
class Trade : public CommandDialog {
    Q_OBJECT
  public:
    explicit Trade(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* list_;
    std::array<QLabel*, 3> skill_{};
    QLineEdit* box_;
};

// GiveMeMoney: 돈걷기, collects money from the district's commerce.
class GiveMeMoney : public CommandDialog {
    Q_OBJECT
  public:
    explicit GiveMeMoney(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* list_;
    std::array<QLabel*, 4> skill_{};
};

// Prize: 포상, buys a person's loyalty with money.
class Prize : public CommandDialog {
    Q_OBJECT
  public:
    explicit Prize(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* list_;
    QLabel* loyalty_;
    QLineEdit* box_;
};

// Dismiss: 해고, sends a person out of the gang.
class Dismiss : public CommandDialog {
    Q_OBJECT
  public:
    explicit Dismiss(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* list_;
};

// Scout: 행동대장 스카웃, lures another gang's lieutenant with a bribe.
class Scout : public CommandDialog {
    Q_OBJECT
  public:
    explicit Scout(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* scouts_;     // LL1
    QListWidget* targets_;    // LL2
    QListWidget* districts_;  // LL3
    std::array<QLabel*, 13> skill_{};
    QLineEdit* box_;
};

// HumanInfo: 인물정보, every figure of a person of the district, his gang, rank and whether he
// has acted this week.
class HumanInfo : public CommandDialog {
    Q_OBJECT
  public:
    explicit HumanInfo(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override { close(); }

  private:
    QListWidget* list_;
    std::array<QLabel*, 10> skill_{};
    std::array<QLabel*, 3> standing_{};  // Skill(10..12): gang, rank, acted this week
};

// GroupInfo: 조직정보, a gang's money, fame, boss, people and stocks, its districts, hostility
// and alliance.
class GroupInfo : public CommandDialog {
    Q_OBJECT
  public:
    explicit GroupInfo(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override { close(); }

  private:
    QListWidget* list_;
    std::array<QLabel*, 8> skill_{};
    std::array<QLabel*, 3> relations_{};  // Skill(8..10): districts, hostility, alliance
};

}  // namespace golmok::screens
