#include "screens/title/infor.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "screens/Screens.h"
#include "screens/look/Art.h"
#include "screens/title/HomePage.h"
#include "screens/title/TextScreen.h"

namespace golmok::screens {

infor::infor(Screens& screens) : Screen(screens, "infor", "정보") {
    auto* layout = new QVBoxLayout(this);
    auto* pictures = new QHBoxLayout;
    for (const char* name : {"Image1", "Image2"}) {
        auto* picture = new Picture(name == QStringLiteral("Image1") ? "info1" : "info2", this);
        picture->setObjectName(name);
        picture->setFixedSize(picture->size());
        pictures->addWidget(picture);
    }
    layout->addLayout(pictures);
    layout->addWidget(ReadOnlyText(
        "Text1", "Gamename : 골목패권기\nVersion : 1.5a\n만든 이 : 골목패권기 제작팀", this));
    auto* buttons = new QHBoxLayout;
    auto* homePage = TextButton("Command1", kHomePageCaption, this);
    connect(homePage, &QPushButton::clicked, this, [this] { screens_.ShowHelp(); });
    auto* close = TextButton("Command2", "닫기", this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(homePage);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    CloseByEscAndEnter(close);
    setFocusProxy(close);
    close->setFocus();
}

}  // namespace golmok::screens
