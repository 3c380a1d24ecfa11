#include "screens/dialogs/SlotDialog.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <cmath>

#include "screens/Screens.h"
#include "screens/look/Look.h"
#include "world/SlotFolder.h"

namespace golmok::screens {

namespace {

// The slot buttons, in twips: left 240, a top every 840 from 240, 4335 wide and 735 high.
// The autosave slot's caption names it.
constexpr const char* kAutosavePrefix = "자동저장: ";

constexpr int kSlotLeft = 240;
constexpr int kFirstSlotTop = 240;
constexpr int kSlotStep = 840;
constexpr int kSlotWidth = 4335;
constexpr int kSlotHeight = 735;

constexpr int kCloseWidth = 1500;
constexpr int kCloseHeight = 480;

}  // namespace

SlotDialog::SlotDialog(Screens& screens, const char* name, const QString& caption, int slotCount)
    : Screen(screens, name, caption) {
    const int closeTop = kFirstSlotTop + slotCount * kSlotStep;
    const int width = kSlotWidth + 2 * kSlotLeft;
    const int height = closeTop + kCloseHeight + kSlotLeft;
    // Measured at 100 %, before the window takes its scale: over a maximised or full-screen map
    // it grows with the map.
    scale_ = screens_.ScaleToFit(QSize(Px(width), Px(height)));
    ScaleWindowType(this, scale_);
    QPalette paper = palette();
    paper.setColor(QPalette::Window, QColor(0xe9, 0xdc, 0xbc));
    setPalette(paper);
    setAutoFillBackground(true);
    for (int n = 0; n < slotCount; ++n) {
        auto* button = new QPushButton(this);
        button->setObjectName("OpenList");
        button->setProperty("index", n);
        button->setGeometry(Px(kSlotLeft), Px(kFirstSlotTop + n * kSlotStep), Px(kSlotWidth),
                            Px(kSlotHeight));
        button->setStyleSheet(ScaledSheet(
            "QPushButton { background-color: #c0c0c0; color: #1e1e1e; border: 1px solid #5a5a5a;"
            " border-radius: 2px; font-size: 16px; }"
            "QPushButton:hover { background-color: #d4d4d4; border: 1px solid #2b2118; }"
            "QPushButton:pressed { background-color: #a8a8a8; }"
            "QPushButton:focus { background-color: #fff4d0; border: 3px solid #b8322a; }",
            scale_));
        // Enter on a slot chooses it, as Space does.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, n] { SlotClicked(n); });
        openList_.push_back(button);
    }
    auto* close = new QPushButton("닫기", this);
    close->setObjectName("Command2");
    close->setGeometry(Px(kSlotLeft + kSlotWidth - kCloseWidth), Px(closeTop), Px(kCloseWidth),
                       Px(kCloseHeight));
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    status_ = new QLabel(this);
    status_->setObjectName("Status");
    status_->setWordWrap(true);
    status_->setStyleSheet("color: #2b2118;");
    status_->setGeometry(Px(kSlotLeft), Px(closeTop), Px(kSlotWidth - kCloseWidth - 120),
                         Px(kCloseHeight));
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    // The keyboard starts on the first slot; the arrows and Tab go from slot to slot.
    if (!openList_.empty()) {
        setFocusProxy(openList_.front());
        openList_.front()->setFocus();
    }
    setFixedSize(Px(width), Px(height));
    RefreshLabels();
}

void SlotDialog::RefreshLabels() {
    for (int n = 0; n < static_cast<int>(openList_.size()); ++n) {
        const QString text =
            QString::fromStdString(SlotLabel(screens_.slotFolder(), n, screens_.world()));
        openList_[n]->setText(n == kAutosaveSlot ? kAutosavePrefix + text : text);
    }
}

QString SlotDialog::label(int slot) const {
    return openList_[slot]->text();
}

void SlotDialog::ShowStatus(const QString& text) {
    status_->setText(text);
}

QString SlotDialog::status() const {
    return status_->text();
}

std::filesystem::path GameSlotFolder(const QString& dirOption, const QString& programFolder) {
    const std::filesystem::path dir = dirOption.isEmpty()
                                          ? std::filesystem::path()
                                          : QFileInfo(dirOption).filesystemAbsoluteFilePath();
    return FindGameFolders(dir, QFileInfo(programFolder).filesystemAbsoluteFilePath()).saves;
}

}  // namespace golmok::screens
