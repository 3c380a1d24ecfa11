#include "screens/map/News.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "game/TurnNews.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/look/Look.h"

namespace golmok::screens {

namespace {

// The game's look sets the type of every widget: the date asks for its own.
constexpr const char* kDateSheet =
    "font-family: \"NanumMyeongjo\"; font-size: 16px; font-weight: bold;";

}  // namespace

News::News(Screens& screens) : Screen(screens, "News", kNewsTitle) {
    auto* layout = new QVBoxLayout(this);
    auto* date = new QLabel(this);
    date->setObjectName("DateLabel");
    date->setStyleSheet(kDateSheet);
    layout->addWidget(date);

    list_ = new QListWidget(this);
    list_->setObjectName("NewsList");
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setWordWrap(true);
    list_->setStyleSheet("QListWidget { background: #f6ecd2; color: #2b2118; }");
    layout->addWidget(list_);

    AddCloseButton(layout);
    ApplyGameLook(this);
    resize(kSize);
    Refresh();
}

void News::SetScale(double scale) {
    if (std::abs(DialogScale(this) - scale) < 0.005) return;
    ScaleDialog(this, scale);
    findChild<QLabel*>("DateLabel")->setStyleSheet(ScaledSheet(kDateSheet, scale));
    resize(kSize * scale);
}

void News::Refresh() {
    const World& world = screens_.world();
    findChild<QLabel*>("DateLabel")
        ->setText(
            QStringLiteral("%1년 %2월 %3주").arg(world.Year).arg(world.Month).arg(world.Week));
    list_->clear();
    const WeekNews& news = screens_.session().weekNews();
    const std::vector<std::string> lines = NewsWindowLines(world, news);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(lines[i]), list_);
        // The standings stand above the week's events, in bold.
        if (i == 0 && news.kept) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setData(Qt::UserRole, true);
        }
    }
}

}  // namespace golmok::screens
