#include "screens/help.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "screens/HomePage.h"
#include "screens/Screens.h"
#include "screens/TextScreen.h"

namespace golmok::screens {

help::help(Screens& screens) : Screen(screens, "help", "도움말") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ReadOnlyText("Text1", kFightHelp, this));
    layout->addWidget(
        ReadOnlyText("Text2", "더 궁금한 것은 안내서(guide.html)에 정리되어 있습니다.", this));
    auto* buttons = new QHBoxLayout;
    auto* homePage = TextButton("Command1", kHomePageCaption, this);
    connect(homePage, &QPushButton::clicked, this, [this] { screens_.platform().OpenHomePage(); });
    auto* close = TextButton("Command2", "닫기", this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(homePage);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace golmok::screens
