#include "screens/News.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/TurnNews.h"
#include "screens/Look.h"
#include "screens/Screens.h"

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
    const std::vector<NewsSection> sections = NewsSections(world, screens_.session().news());
    if (sections.empty()) list_->addItem(QString::fromUtf8(kQuietWeek));
    for (const NewsSection& section : sections) {
        auto* heading = new QListWidgetItem(QString::fromStdString(section.title), list_);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setData(Qt::UserRole, true);  // a heading, not a sentence
        for (const std::string& line : section.lines)
            list_->addItem(QStringLiteral("  ") + QString::fromStdString(line));
    }
}

}  // namespace golmok::screens
