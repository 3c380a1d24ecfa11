#include "screens/Credit.h"

#include <QVBoxLayout>

#include "screens/Screens.h"
#include "screens/TextScreen.h"

namespace golmok::screens {

namespace {

constexpr const char* kCredits =
    "골목패권기 제작팀\n"
    "\n"
    "기획 · 규칙 설계 ....... 골목패권기 제작팀\n"
    "프로그램 ............... 골목패권기 제작팀\n"
    "그림 (SVG로 손수 그림) .. 골목패권기 제작팀\n"
    "음악 「골목의 밤」 ...... 골목패권기 제작팀\n"
    "\n"
    "시험해 주신 분들\n"
    "밤새워 맞짱을 뜬 제작팀 모두\n"
    "\n"
    "골목은 좁아도 꿈은 넓다.";

}  // namespace

Credit::Credit(Screens& screens) : Screen(screens, "Credit", "제작팀소개") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ReadOnlyText("Text1", kCredits, this));
    auto* close = TextButton("Command1", "확인", this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace golmok::screens
