#include "screens/title/PicturePrint.h"

#include <QLabel>

#include "screens/Screens.h"
#include "screens/look/Art.h"

namespace golmok::screens {

namespace {

constexpr const char* kJoke =
    "두목: 이제 서울 바닥은 전부 우리 거다!\n"
    "부하: 형님, 그럼 내일부터는 뭘 합니까?\n"
    "두목: 글쎄... 가서 부산 지도나 한 장 사 와라.\n"
    "부하: 형님, 지도값은 어느 구역에서 걷을까요?";

}  // namespace

PicturePrint::PicturePrint(Screens& screens, bool victory)
    : Screen(screens, "PicturePrint", "THE END"), victory_(victory) {
    setFocusPolicy(Qt::StrongFocus);
    image1_ = new Picture(victory ? "victory1" : "defeat", this);
    image1_->setObjectName("Image1");
    connect(image1_, &Picture::clicked, this, &PicturePrint::Advance);
    label1_ = new QLabel(kJoke, this);
    label1_->setObjectName("Label1");
    QFont font = label1_->font();
    font.setPixelSize(15);
    label1_->setFont(font);
    label1_->setMargin(10);
    label1_->adjustSize();
    label1_->setVisible(victory);
    if (victory) {
        // The joke sits under the first page, with a little room below it.
        label1_->move(0, image1_->height());
        const int width = std::max(image1_->width(), label1_->width());
        setFixedSize(width, label1_->height() + image1_->height() + Px(500));
    } else {
        setFixedSize(image1_->size());
    }
}

const QString& PicturePrint::pictureShown() const {
    return image1_->name();
}

void PicturePrint::Advance() {
    if (victory_ && image1_->name() == "victory1") {
        image1_->SetPicture("victory2");
        label1_->hide();
        setFixedSize(image1_->size());
        return;
    }
    screens_.EndProgram();
}

void PicturePrint::keyPressEvent(QKeyEvent*) {
    Advance();
}

// Closing the window is one more way to leave the finished game: nothing else is on screen.
void PicturePrint::Unload() {
    screens_.EndProgram();
}

}  // namespace golmok::screens
