// What every command dialog of the district menu shares, written once: the person lists (`LL`,
// `LL1`..`LL3`), the figure labels `Skill` with their captions, the amount bars `PB` driven by the
// mouse, the amount boxes `Text1`, 확인 `Command1` and 취소 `Command2`, and the way a command's
// outcome is shown. Each dialog is a small view over one operation of src/commands: it collects the
// inputs, calls the operation and shows what it answers.
#pragma once

#include <QAbstractButton>
#include <QProgressBar>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/CommandMenu.h"
#include "commands/Dialog.h"
#include "screens/Screen.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;

namespace golmok::screens {

class Picture;

// A picture button (확인, 취소) that the keyboard can reach: Tab gives it the focus, Space
// presses it.
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    PictureButton(const QString& picture, const char* name, QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Picture* face_;
};

// The amount bar: a progress bar used as a slider whose full scale is its width, so its value is
// the pointer's offset inside it. A press toggles BarTracking (the amount freezes or follows the
// pointer again); a press that leaves it following, or freezes it, puts it where it was pressed. A
// frozen bar says so on its face, so the toggle never surprises the player.
class AmountBar : public QProgressBar {
    Q_OBJECT
  public:
    AmountBar(Screens& screens, int index, QWidget* parent);
    double fullScale() const { return maximum(); }
    // Places the bar at `ratio` (0..1) of its width, as the reorganizing dialog does.
    void SetRatio(double ratio);
    // Repaints the frozen or following look from BarTracking.
    void ShowTracking();
    // A mouse press at offset x: toggles BarTracking. Another control may pass its presses on.
    void Press(double x);
    // The pointer over the bar at offset x: the bar follows it while BarTracking is on.
    void Track(double x);

  signals:
    // The bar was set to `offset` by the pointer.
    void pointed(double offset);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Point(double x);
    Screens& screens_;
};

class CommandDialog : public Screen {
    Q_OBJECT
  public:
    CommandDialog(Screens& screens, const char* name, const char* title, Menu menu);

    // The menu whose item opens this dialog: a district where that menu is disabled closes it.
    Menu menu() const { return menu_; }

    // The item handler: the bar follows the pointer, every list and label rebuilt from the world.
    // Also what a dialog that is already open does when its item is chosen again, or when the
    // command menu follows its district to another one or into a new turn.
    void Open();

    // 확인 and 취소, as the buttons and the Enter and Esc keys give them.
    void Confirm();
    void Cancel() { close(); }

  protected:
    // Empties and refills the lists and labels.
    virtual void Fill() = 0;
    // The command's OK. Not called while the map is locked.
    virtual void Ok() {}

    World& world();
    MenuState& menuState();
    void keyPressEvent(QKeyEvent* event) override;

    // --- Building the window ----------------------------------------------------------------
    QGridLayout* grid() { return grid_; }
    QListWidget* AddList(const char* name, int row, int column, int rowSpan = 1,
                         int columnSpan = 1);
    // A caption label and `Skill`(index) beside it.
    QLabel* AddFigure(int index, const char* caption, int row, int column,
                      const char* captionName = "Label1");
    QLabel* AddCaption(const char* text, int row, int column, const char* name = "Label1");
    QLineEdit* AddBox(int index, int row, int column, int columnSpan = 1);
    AmountBar* AddBar(int index, int row, int column, int columnSpan = 1);
    // 확인 and 취소 (or 취소 alone) on the last row.
    void AddButtons(int row, bool ok = true, bool cancel = true);

    // --- Lists ------------------------------------------------------------------------------
    using Names = std::function<std::string(int)>;
    static void FillList(QListWidget* list, const std::vector<int>& entries, const Names& name);
    // The index behind the selected entry, or nothing.
    static std::optional<int> Selected(QListWidget* list);
    // Runs `choose` with the entry's index whenever the player selects an entry.
    void OnChoose(QListWidget* list, std::function<void(int)> choose);
    std::string PersonName(int human);
    std::string GroupName(int group);
    std::string CityName(int city);

    // --- Amounts ----------------------------------------------------------------------------
    // The bar writes its amount into the box: base × offset / width, rounded as given.
    void Drive(AmountBar* bar, QLineEdit* box, std::function<double()> base,
               BarRounding rounding = BarRounding::HalfUp);
    // A box's amount for an operation that checks the typed-amount rule itself.
    static double BoxAmount(QLineEdit* box);
    static void Write(QLabel* label, double value);
    static void Write(QLineEdit* box, double value);

    // --- Outcome ----------------------------------------------------------------------------
    // Refreshes the panel, then shows each message in order. A command carried out closes the
    // dialog, or opens it afresh where `reopen` says so. Returns whether it was carried out.
    bool Show(const Outcome& outcome, bool reopen = false);
    void Inform(const std::string& message);

  private:
    Menu menu_;
    QGridLayout* grid_;

  protected:
    // The information views leave BarTracking alone.
    bool keepsBarTracking_ = false;
};

}  // namespace golmok::screens
