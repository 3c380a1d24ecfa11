#include "screens/title/help.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTextBrowser>

#include "screens/Screens.h"
#include "screens/title/HomePage.h"
#include "screens/title/TextScreen.h"

namespace golmok::screens {

namespace {

QString GuideText() {
    QFile guide(kGuideResource);
    if (!guide.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(guide.readAll());
}

}  // namespace

help::help(Screens& screens) : Screen(screens, "help", "도움말") {
    auto* layout = new QGridLayout(this);
    layout->addWidget(ReadOnlyText("Text1", kFightHelp, this), 0, 0, Qt::AlignTop);
    layout->addWidget(ReadOnlyText("Text2", "더 궁금한 것은 옆의 안내서에 있습니다.", this), 1, 0,
                      Qt::AlignTop);

    // The whole guide, inside the game: it shows whether or not a browser is installed.
    auto* guide = new QTextBrowser(this);
    guide->setObjectName("Guide");
    guide->setOpenLinks(false);
    guide->setHtml(GuideText());
    guide->setFixedSize(560, 420);
    layout->addWidget(guide, 0, 1, 3, 1);

    auto* buttons = new QHBoxLayout;
    auto* homePage = TextButton("Command1", kBrowserCaption, this);
    connect(homePage, &QPushButton::clicked, this, [this] {
        if (!screens_.platform().OpenHomePage())
            screens_.platform().Inform(this, QString::fromUtf8(kNoBrowser));
    });
    auto* close = TextButton("Command2", "닫기", this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(homePage);
    buttons->addWidget(close);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    CloseByEscAndEnter(close);
    // The guide holds the keyboard from the start: Page Down and the arrows scroll it at once.
    setFocusProxy(guide);
    guide->setFocus();
}

}  // namespace golmok::screens
