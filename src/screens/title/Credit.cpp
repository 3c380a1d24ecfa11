#include "screens/title/Credit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "screens/Screens.h"
#include "screens/title/TextScreen.h"

namespace golmok::screens {

namespace {

constexpr const char* kMakers = "골목패권기 제작팀";

// Who did what: each role runs into its maker along a dotted leader.
constexpr const char* kRoles[] = {"기획 · 규칙 설계", "프로그램", "그림 (SVG로 손수 그림)",
                                  "음악 「골목의 밤」"};

constexpr const char* kTesters = "시험해 주신 분들\n밤새워 맞짱을 뜬 제작팀 모두";
constexpr const char* kMotto = "골목은 좁아도 꿈은 넓다.";

constexpr const char* kInk = "color: #2b2118; background: transparent;";

// A dotted leader: dots on the text's baseline, as many as fill the room, flush against the
// name's column so that every row's dots end at the same place.
class Leader : public QWidget {
  public:
    explicit Leader(QWidget* parent) : QWidget(parent) {
        setObjectName("Leader");
        setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral(" ....")));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QColor("#5a4330"));
        const QFontMetrics metrics = fontMetrics();
        const int dot = metrics.horizontalAdvance(QLatin1Char('.'));
        const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
        const int count = std::max(0, (width() - 2 * gap) / dot);
        const QString dots(count, QLatin1Char('.'));
        painter.drawText(rect().adjusted(gap, 0, -gap, 0), Qt::AlignRight | Qt::AlignVCenter, dots);
    }
};

QLabel* Line(const QString& text, QWidget* parent, const char* name = "") {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setStyleSheet(kInk);
    return label;
}

}  // namespace

Credit::Credit(Screens& screens) : Screen(screens, "Credit", "제작팀소개") {
    auto* layout = new QVBoxLayout(this);

    // Text1: the makers' names and roles, the testers and the motto, on paper.
    auto* text1 = new QFrame(this);
    text1->setObjectName("Text1");
    text1->setFrameShape(QFrame::StyledPanel);
    text1->setStyleSheet("QFrame#Text1 { background: #f6ecd2; }");
    auto* grid = new QGridLayout(text1);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->setHorizontalSpacing(0);
    int row = 0;
    grid->addWidget(Line(kMakers, text1), row++, 0, 1, 3);
    grid->setRowMinimumHeight(row++, 8);
    for (const char* role : kRoles) {
        // The dots run from the end of the role's words to the makers' column.
        auto* line = new QHBoxLayout;
        line->setSpacing(0);
        line->addWidget(Line(QString::fromUtf8(role), text1, "Role"));
        line->addWidget(new Leader(text1), 1);
        grid->addLayout(line, row, 0, 1, 2);
        grid->addWidget(Line(kMakers, text1, "Maker"), row, 2);
        ++row;
    }
    grid->setRowMinimumHeight(row++, 8);
    grid->addWidget(Line(kTesters, text1), row++, 0, 1, 3);
    grid->setRowMinimumHeight(row++, 8);
    grid->addWidget(Line(kMotto, text1), row++, 0, 1, 3);
    grid->setColumnMinimumWidth(1, 48);
    layout->addWidget(text1);

    auto* close = TextButton("Command1", "확인", this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    CloseByEscAndEnter(close);
    setFocusProxy(close);
    close->setFocus();
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace golmok::screens
