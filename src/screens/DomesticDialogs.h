// The dialogs that look after the district's people and money: 훈련, 치료, 재편성 (Train, Heal,
// Reset), 조직원 스카웃 (StaffScout), 상업개발, 돈걷기 (Trade, GiveMeMoney), 포상, 해고 (Prize,
// Dismiss), 행동대장 스카웃 (Scout), and the two information views 인물정보, 조직정보 (HumanInfo,
// GroupInfo).
#pragma once

#include <QLabel>
#include <array>

#include "screens/CommandDialog.h"

namespace golmok::screens {

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
};

// 재편성 has no OK: every bar movement and every typed number moves members at once.
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

// 상업개발. The class keeps the dialog's own name, Trade.
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
};

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
};

}  // namespace golmok::screens
