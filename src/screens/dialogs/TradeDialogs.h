// The dialogs that carry goods: 무기매입 and 무기매출 (ArmsBuy, ArmsSell), 이동 and 수송
// (MoveCity, Transport), 동맹, 원조 and 동맹취소 (AllyOk, AllyHelp, AllyCancel).
#pragma once

#include <QLabel>
#include <array>

#include "commands/Amounts.h"
#include "commands/Moving.h"
#include "screens/dialogs/CommandDialog.h"

class QPushButton;

namespace golmok::screens {

// A dialog with rows of goods: an amount box per good with its bar under it.
class GoodsDialog : public CommandDialog {
    Q_OBJECT
  public:
    using CommandDialog::CommandDialog;

  protected:
    // `count` rows (swords, knives, sticks, and money when there are four) from grid row `row`,
    // captions in `column`; bar i reaches bases()[i].
    void AddGoods(int row, int column, int count, std::function<Amounts<4>()> bases);
    void EmptyBoxes();
    ArmsBoxes ArmsTexts() const;
    GoodsBoxes GoodsTexts() const;

    std::array<QLineEdit*, 4> boxes_{};
};

// 무기매입 and 무기매출 share one layout: prices, total, the trader's intelligence, three goods.
class ArmsDialog : public GoodsDialog {
    Q_OBJECT
  public:
    ArmsDialog(Screens& screens, bool buying);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    void ShowTotal();
    const bool buying_;
    QListWidget* list_;
    std::array<QLabel*, 8> skill_{};
};

// ArmsBuy: 무기매입, buys swords, knives and sticks with the district's money.
class ArmsBuy : public ArmsDialog {
    Q_OBJECT
  public:
    explicit ArmsBuy(Screens& screens) : ArmsDialog(screens, true) {}
};

// ArmsSell: 무기매출, sells them back.
class ArmsSell : public ArmsDialog {
    Q_OBJECT
  public:
    explicit ArmsSell(Screens& screens) : ArmsDialog(screens, false) {}
};

// MoveCity: 이동, moves people with money and weapons to another district of the gang.
class MoveCity : public GoodsDialog {
    Q_OBJECT
  public:
    explicit MoveCity(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* people_;
    QListWidget* targets_;
    QPushButton* selectAll_;
    SelectAllButton toggle_;  // its caption survives a refill while the window is open
    // Whether the player has pointed at an entry since the list was filled: the list's "current
    // entry". Qt makes the first entry current as soon as the list takes the focus, which the
    // player never chose.
    bool pointed_ = false;
};

// Transport: 수송, ships money and weapons to another district of the gang; an escort decides
// how much arrives.
class Transport : public GoodsDialog {
    Q_OBJECT
  public:
    explicit Transport(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* people_;
    QListWidget* targets_;
    std::array<QLabel*, 4> skill_{};
};

// 동맹 and 원조 share one layout: envoys, gangs, the envoy's intelligence and charm, the gang's
// hostility and four goods.
class EnvoyDialog : public GoodsDialog {
    Q_OBJECT
  public:
    EnvoyDialog(Screens& screens, const char* name, const char* title);

  protected:
    void Fill() override;
    virtual Listing Gangs() = 0;
    virtual Amounts<4> Bases() = 0;

    QListWidget* envoys_;
    QListWidget* gangs_;
    std::array<QLabel*, 3> skill_{};
};

// AllyOk: 동맹, buys an alliance with another gang through an envoy.
class AllyOk : public EnvoyDialog {
    Q_OBJECT
  public:
    explicit AllyOk(Screens& screens) : EnvoyDialog(screens, "AllyOk", "동맹") {}

  protected:
    Listing Gangs() override;
    Amounts<4> Bases() override;
    void Ok() override;
};

// AllyHelp: 원조, asks an ally for money and weapons.
class AllyHelp : public EnvoyDialog {
    Q_OBJECT
  public:
    explicit AllyHelp(Screens& screens) : EnvoyDialog(screens, "AllyHelp", "원조") {}

  protected:
    Listing Gangs() override;
    Amounts<4> Bases() override;
    void Ok() override;
};

// AllyCancel: 동맹취소, ends an alliance.
class AllyCancel : public CommandDialog {
    Q_OBJECT
  public:
    explicit AllyCancel(Screens& screens);

  protected:
    void Fill() override;
    void Ok() override;

  private:
    QListWidget* gangs_;
    QLabel* hostility_;
};

}  // namespace golmok::screens
