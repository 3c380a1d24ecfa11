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
#include "commands/Listing.h"
#include "screens/Screen.h"

class QGridLayout;
class QHBoxLayout;
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
    // A button of another size than its drawing's: the drawing is scaled to fill it.
    void SetButtonSize(QSize size);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter on the focused button presses it, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Picture* face_;
};

// Enter and Esc on a dialog or a set-up. Enter on a focused button presses that button, anywhere
// else it is `confirm` (확인); Esc is `cancel` (취소). Returns false for any other key.
bool ConfirmOrCancelKey(QKeyEvent* event, QWidget* window, const std::function<void()>& confirm,
                        const std::function<void()>& cancel);

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

// Writes over an empty list why it is empty (the note "WhyEmpty", wrapped to the list's width);
// hides the note again while the list holds anybody.
void ShowWhyEmpty(QListWidget* list, const std::string& why);

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
    // A row of its own inside the grid, for controls that line up among themselves.
    QHBoxLayout* AddRow(int row, int column, int columnSpan = 1);
    // A caption label and `Skill`(index) beside it, at the end of `row`.
    QLabel* AddFigure(int index, const char* caption, QHBoxLayout* row,
                      const char* captionName = "Label1");
    QLineEdit* AddBox(int index, int row, int column, int columnSpan = 1);
    QLineEdit* AddBox(int index, QHBoxLayout* row);
    AmountBar* AddBar(int index, int row, int column, int columnSpan = 1);
    AmountBar* AddBar(int index, QHBoxLayout* row);
    // 확인 and 취소 (or 취소 alone) on the last row.
    void AddButtons(int row, bool ok = true, bool cancel = true);

    // --- Lists ------------------------------------------------------------------------------
    using Names = std::function<std::string(int)>;
    static void FillList(QListWidget* list, const std::vector<int>& entries, const Names& name);
    // The same, and an empty list says why.
    static void FillList(QListWidget* list, const Listing& listing, const Names& name);
    // The index behind the selected entry, or nothing.
    static std::optional<int> Selected(QListWidget* list);
    // Runs `choose` with the entry's index whenever the player chooses an entry, with a click or
    // with the keyboard.
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
    // Before a command that loses something for good: whether `command` would be carried out
    // now (tried on a copy of the world), and if so the player's answer to the question (title,
    // text), Enter 예 and Esc 아니요. True when the command may go ahead: a command that would be
    // refused goes ahead unasked, to say why.
    bool AskFirst(const std::function<Outcome(World&, MenuState&)>& command, const QString& title,
                  const QString& question);

  private:
    QLabel* NewCaption(const char* text, const char* name);
    QLabel* NewFigure(int index);
    QLineEdit* NewBox(int index);

    Menu menu_;
    QGridLayout* grid_;

  protected:
    // The information views leave BarTracking alone.
    bool keepsBarTracking_ = false;
};

}  // namespace golmok::screens
