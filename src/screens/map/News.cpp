#include "screens/map/News.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/TurnNews.h"
#include "screens/Screens.h"
#include "screens/look/Look.h"

namespace golmok::screens {

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 380;

}  // namespace

News::News(Screens& screens) : Screen(screens, "News", kNewsTitle) {
    auto* layout = new QVBoxLayout(this);
    auto* date = new QLabel(this);
    date->setObjectName("DateLabel");
    // The game's look sets the type of every widget: the date asks for its own.
    date->setStyleSheet("font-family: \"NanumMyeongjo\"; font-size: 16px; font-weight: bold;");
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
    resize(kWidth, kHeight);
    Refresh();
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
