#include "screens/dialogs/CommandDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyleOptionFocusRect>

#include "screens/Screens.h"
#include "screens/dialogs/Lists.h"
#include "screens/look/Art.h"
#include "screens/look/Look.h"
#include "screens/look/Platform.h"
#include "world/Numbers.h"

namespace golmok::screens {

namespace {

constexpr const char* kFrozenFace = "고정";
// The controls' widths at 100 %, chosen so that the widest dialog stays within 640 pixels.
constexpr int kListWidth = 116;
constexpr int kListHeight = 150;
constexpr int kFigureWidth = 56;
constexpr int kBoxWidth = 96;
constexpr int kBarWidth = 130;
constexpr const char* kBarTip =
    "마우스를 따라 양이 정해집니다. 누르면 그 자리에 고정되고, 다시 누르면 풀립니다.";

// A person (or district, or gang) list that asks only for the room of a few names, so that it
// takes the height of the rows beside it instead of stretching them.
class NameList : public QListWidget {
  public:
    using QListWidget::QListWidget;
    QSize sizeHint() const override { return {kListWidth, kListHeight}; }
};

}  // namespace

// --- The note over an empty list -----------------------------------------------------------

namespace {

// Keeps itself over the whole of the list's viewport.
class EmptyNote : public QLabel {
  public:
    explicit EmptyNote(QWidget* viewport) : QLabel(viewport) {
        setObjectName("WhyEmpty");
        setWordWrap(true);
        setAlignment(Qt::AlignCenter);
        setMargin(6);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setStyleSheet("color: #8a7a5a; background: transparent;");
        setGeometry(viewport->rect());
        viewport->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parentWidget() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return QLabel::eventFilter(watched, event);
    }
};

}  // namespace

void ShowWhyEmpty(QListWidget* list, const std::string& why) {
    auto* note = list->viewport()->findChild<QLabel*>("WhyEmpty", Qt::FindDirectChildrenOnly);
    if (why.empty() || list->count() > 0) {
        if (note) note->hide();
        return;
    }
    if (!note) note = new EmptyNote(list->viewport());
    note->setText(QString::fromStdString(why));
    note->setGeometry(list->viewport()->rect());
    note->show();
}

// --- PictureButton ----------------------------------------------------------------------------

PictureButton::PictureButton(const QString& picture, const char* name, QWidget* parent)
    : QAbstractButton(parent), face_(new Picture(picture, this)) {
    setObjectName(QString::fromUtf8(name));
    setAccessibleName(face_->accessibleName());
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    face_->setAttribute(Qt::WA_TransparentForMouseEvents);
    face_->move(2, 2);
    setFixedSize(sizeHint());
}

QSize PictureButton::sizeHint() const {
    return PictureSize(face_->name()) + QSize(4, 4);
}

void PictureButton::SetButtonSize(QSize size) {
    face_->resize(size - QSize(4, 4));
    setFixedSize(size);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

bool ConfirmOrCancelKey(QKeyEvent* event, QWidget* window, const std::function<void()>& confirm,
                        const std::function<void()>& cancel) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A focused text button (모두 선택, 맞짱도움말) passes Enter on: it presses that
            // button.
            if (auto* button = qobject_cast<QAbstractButton*>(window->focusWidget())) {
                button->click();
            } else {
                confirm();
            }
            return true;
        case Qt::Key_Escape:
            cancel();
            return true;
        default:
            return false;
    }
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    // In the margin around the picture, which covers the rest of the button.
    QPainter painter(this);
    PaintFocusRings(painter, rect(), 1, 8);
}

// --- AmountBar --------------------------------------------------------------------------------

AmountBar::AmountBar(Screens& screens, int index, QWidget* parent)
    : QProgressBar(parent), screens_(screens) {
    setObjectName("PB");
    setProperty("index", index);
    setMouseTracking(true);
    setRange(0, 200);
    setValue(0);
    setAlignment(Qt::AlignCenter);
    setFixedHeight(18);
    setMinimumWidth(kBarWidth);
    setToolTip(kBarTip);
    connect(&screens_, &Screens::barTrackingChanged, this, &AmountBar::ShowTracking);
    ShowTracking();
}

void AmountBar::SetRatio(double ratio) {
    setValue(static_cast<int>(std::clamp(ratio, 0.0, 1.0) * maximum() + 0.5));
}

void AmountBar::ShowTracking() {
    const bool frozen = !screens_.menu().BarTracking;
    setFormat(frozen ? kFrozenFace : QString());
    setTextVisible(frozen);
    setProperty("frozen", frozen);
    Restyle(this);
}

void AmountBar::Point(double x) {
    const double offset = std::clamp(x, 0.0, fullScale());
    setValue(static_cast<int>(offset));
    emit pointed(offset);
}

void AmountBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    Press(event->position().x());
}

void AmountBar::mouseMoveEvent(QMouseEvent* event) {
    Track(event->position().x());
}

void AmountBar::Press(double x) {
    // The bar lands where it was pressed whenever it is following: a press that freezes it
    // freezes it there, and a press that releases it puts it under the pointer at once.
    Track(x);
    ToggleBarTracking(screens_.menu());
    emit screens_.barTrackingChanged();
    Track(x);
}

void AmountBar::Track(double x) {
    if (screens_.menu().BarTracking) Point(x);
}

void AmountBar::resizeEvent(QResizeEvent* event) {
    // The full scale is the bar's width: a value is an offset in pixels.
    const double ratio = maximum() > 0 ? double(value()) / maximum() : 0;
    setMaximum(std::max(1, width()));
    SetRatio(ratio);
    QProgressBar::resizeEvent(event);
}

// --- CommandDialog ----------------------------------------------------------------------------

CommandDialog::CommandDialog(Screens& screens, const char* name, const char* title, Menu menu)
    : Screen(screens, name, QString::fromUtf8(title)), menu_(menu), grid_(new QGridLayout(this)) {
    ApplyGameLook(this);
    grid_->setSizeConstraint(QLayout::SetFixedSize);
    grid_->setHorizontalSpacing(8);
}

World& CommandDialog::world() {
    return screens_.world();
}

MenuState& CommandDialog::menuState() {
    return screens_.menu();
}

void CommandDialog::Open() {
    if (!keepsBarTracking_) {
        menuState().BarTracking = true;
        emit screens_.barTrackingChanged();
    }
    Fill();
}

void CommandDialog::Confirm() {
    // While a fight is set up or fought the world belongs to the fight.
    if (world().MapLocked) return;
    Ok();
}

void CommandDialog::keyPressEvent(QKeyEvent* event) {
    if (!ConfirmOrCancelKey(
            event, this, [this] { Confirm(); }, [this] { Cancel(); })) {
        Screen::keyPressEvent(event);
    }
}

QListWidget* CommandDialog::AddList(const char* name, int row, int column, int rowSpan,
                                    int columnSpan) {
    auto* list = new NameList(this);
    list->setObjectName(QString::fromUtf8(name));
    // Narrow and as tall as its neighbours: names are short, and a dialog is read at a glance.
    list->setFixedWidth(kListWidth);
    list->setMinimumHeight(kListHeight);
    grid_->addWidget(list, row, column, rowSpan, columnSpan);
    return list;
}

QLabel* CommandDialog::NewCaption(const char* text, const char* name) {
    auto* caption = new QLabel(QString::fromUtf8(text), this);
    caption->setObjectName(QString::fromUtf8(name));
    return caption;
}

QLabel* CommandDialog::NewFigure(int index) {
    auto* figure = new QLabel(this);
    figure->setObjectName("Skill");
    figure->setProperty("index", index);
    figure->setMinimumWidth(kFigureWidth);
    figure->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return figure;
}

QLabel* CommandDialog::AddCaption(const char* text, int row, int column, const char* name) {
    QLabel* caption = NewCaption(text, name);
    grid_->addWidget(caption, row, column);
    return caption;
}

QLabel* CommandDialog::AddFigure(int index, const char* caption, int row, int column,
                                 const char* captionName) {
    AddCaption(caption, row, column, captionName)->setProperty("index", index);
    QLabel* figure = NewFigure(index);
    grid_->addWidget(figure, row, column + 1);
    return figure;
}

QHBoxLayout* CommandDialog::AddRow(int row, int column, int columnSpan) {
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    grid_->addLayout(line, row, column, 1, columnSpan);
    return line;
}

QLabel* CommandDialog::AddFigure(int index, const char* caption, QHBoxLayout* row,
                                 const char* captionName) {
    QLabel* label = NewCaption(caption, captionName);
    label->setProperty("index", index);
    QLabel* figure = NewFigure(index);
    row->addWidget(label);
    row->addWidget(figure);
    return figure;
}

QLineEdit* CommandDialog::NewBox(int index) {
    auto* box = new QLineEdit(this);
    box->setObjectName("Text1");
    box->setProperty("index", index);
    box->setFixedWidth(kBoxWidth);
    // Amounts are whole numbers of 0 or more: other characters never reach the box.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,15}"), box));
    return box;
}

QLineEdit* CommandDialog::AddBox(int index, int row, int column, int columnSpan) {
    QLineEdit* box = NewBox(index);
    grid_->addWidget(box, row, column, 1, columnSpan);
    return box;
}

QLineEdit* CommandDialog::AddBox(int index, QHBoxLayout* row) {
    QLineEdit* box = NewBox(index);
    row->addWidget(box);
    return box;
}

AmountBar* CommandDialog::AddBar(int index, int row, int column, int columnSpan) {
    auto* bar = new AmountBar(screens_, index, this);
    grid_->addWidget(bar, row, column, 1, columnSpan);
    return bar;
}

AmountBar* CommandDialog::AddBar(int index, QHBoxLayout* row) {
    auto* bar = new AmountBar(screens_, index, this);
    row->addWidget(bar, 1);
    return bar;
}

bool CommandDialog::AskFirst(const std::function<Outcome(World&, MenuState&)>& command,
                             const QString& title, const QString& question) {
    World world = screens_.world();
    MenuState menu = screens_.menu();
    if (!command(world, menu).done) return true;
    return screens_.platform().Ask(this, title, question);
}

void CommandDialog::AddButtons(int row, bool ok, bool cancel) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (ok) {
        auto* command1 = new PictureButton("ok", "Command1", this);
        connect(command1, &QAbstractButton::clicked, this, &CommandDialog::Confirm);
        buttons->addWidget(command1);
    }
    if (cancel) {
        auto* command2 = new PictureButton("cancel", "Command2", this);
        connect(command2, &QAbstractButton::clicked, this, &CommandDialog::Cancel);
        buttons->addWidget(command2);
    }
    buttons->addStretch();
    grid_->addLayout(buttons, row, 0, 1, grid_->columnCount());
}

void CommandDialog::FillList(QListWidget* list, const std::vector<int>& entries,
                             const Names& name) {
    FillEntries(list, entries, [&name](int entry) { return QString::fromStdString(name(entry)); });
}

void CommandDialog::FillList(QListWidget* list, const Listing& listing, const Names& name) {
    FillList(list, listing.entries, name);
    ShowWhyEmpty(list, listing.whyEmpty);
}

std::optional<int> CommandDialog::Selected(QListWidget* list) {
    return SelectedEntry(list);
}

void CommandDialog::OnChoose(QListWidget* list, std::function<void(int)> choose) {
    OnEntryChosen(list, this, std::move(choose));
}

std::string CommandDialog::PersonName(int human) {
    return world().HumanName[human];
}

std::string CommandDialog::GroupName(int group) {
    return world().GroupName[group];
}

std::string CommandDialog::CityName(int city) {
    return world().CityName[city];
}

void CommandDialog::Drive(AmountBar* bar, QLineEdit* box, std::function<double()> base,
                          BarRounding rounding) {
    connect(bar, &AmountBar::pointed, this, [bar, box, base, rounding](double offset) {
        Write(box, BarAmount(base(), offset, bar->fullScale(), rounding));
    });
}

double CommandDialog::BoxAmount(QLineEdit* box) {
    // Whatever the box cannot take reads as -1, which every operation refuses with the message
    // of the typed-amount rule, after its own checks of the lists.
    return ParseWholeAmount(box->text().toStdString()).value_or(-1);
}

void CommandDialog::Write(QLabel* label, double value) {
    label->setText(QString::fromStdString(FormatNumber(value)));
}

void CommandDialog::Write(QLineEdit* box, double value) {
    box->setText(QString::fromStdString(FormatNumber(value)));
}

void CommandDialog::Inform(const std::string& message) {
    screens_.platform().Inform(this, QString::fromStdString(message));
}

bool CommandDialog::Show(const Outcome& outcome, bool reopen) {
    // The panel shows the new figures before the notices tell what changed.
    screens_.PanelChanged();
    InformAll(screens_.platform(), this, outcome.messages, outcome.detail);
    if (!outcome.done) return false;
    if (reopen) {
        Open();
    } else {
        close();
    }
    return true;
}

}  // namespace golmok::screens
