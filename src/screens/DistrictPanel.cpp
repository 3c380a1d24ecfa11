#include "screens/DistrictPanel.h"

#include <QGridLayout>
#include <QLabel>

#include "commands/CommandMenu.h"
#include "screens/Art.h"
#include "screens/Screens.h"

namespace golmok::screens {

namespace {

constexpr std::array<const char*, kPanelRowCount> kRowCaptions = {
    "인      구 :", "상      업 :", "     돈     :", "조폭인원 :",  "각      목 :",
    "진      검 :", "조직원수 :",   "사 시  미 :",   "명      성 :"};

QString Background(Color color) {
    const QColor back(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const bool dark = 0.299 * back.red() + 0.587 * back.green() + 0.114 * back.blue() < 140;
    return QStringLiteral("background-color: %1; color: %2; padding: 4px; font-weight: bold;")
        .arg(back.name(), dark ? "white" : "black");
}

}  // namespace

DistrictPanel::DistrictPanel(Screens& screens) : Screen(screens, "DistrictPanel", kGameTitle) {
    auto* grid = new QGridLayout(this);
    cityLabel_ = new QLabel(this);
    cityLabel_->setObjectName("Citylabel");
    groupLabel_ = new QLabel(this);
    groupLabel_->setObjectName("GroupLabel");
    for (QLabel* label : {cityLabel_, groupLabel_}) {
        QFont font = label->font();
        font.setPixelSize(20);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
    }
    grid->addWidget(cityLabel_, 0, 0, 1, 2);
    grid->addWidget(groupLabel_, 0, 2, 1, 2);
    // Rows 0, 1, 2 and 8 on the left; 5, 7, 4, 3 and 6 on the right, top to bottom.
    constexpr int kLeft[] = {0, 1, 2, 8};
    constexpr int kRight[] = {5, 7, 4, 3, 6};
    auto place = [&](int k, int line, int column) {
        auto* caption = new QLabel(kRowCaptions[k], this);
        caption->setObjectName("Label1");
        caption->setProperty("index", k);
        rows_[k] = new QLabel(this);
        rows_[k]->setObjectName("LL");
        rows_[k]->setProperty("index", k);
        rows_[k]->setMinimumWidth(90);
        grid->addWidget(caption, line, column);
        grid->addWidget(rows_[k], line, column + 1);
    };
    for (int i = 0; i < 4; ++i)
        place(kLeft[i], i + 1, 0);
    for (int i = 0; i < 5; ++i)
        place(kRight[i], i + 1, 2);
    auto* ok = new Picture("ok", this);
    ok->setObjectName("Command1");
    ok->setFixedSize(ok->size());
    grid->addWidget(ok, 6, 0, 1, 4, Qt::AlignCenter);
    connect(ok, &Picture::clicked, this, &QWidget::close);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void DistrictPanel::Refresh() {
    const Panel& panel = screens_.world().panel;
    cityLabel_->setText(QString::fromStdString(panel.cityLabel));
    groupLabel_->setText(QString::fromStdString(panel.groupLabel));
    cityLabel_->setStyleSheet(Background(panel.labelColor));
    groupLabel_->setStyleSheet(Background(panel.labelColor));
    for (int k = 0; k < kPanelRowCount; ++k) {
        rows_[k]->setText(QString::fromStdString(panel.rows[k]));
    }
}

void DistrictPanel::Unload() {
    CloseCommandMenu(screens_.world());
}

}  // namespace golmok::screens
