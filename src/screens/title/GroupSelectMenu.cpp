#include "screens/title/GroupSelectMenu.h"

#include <QKeyEvent>
#include <algorithm>

#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/look/Art.h"
#include "screens/look/Placement.h"
#include "screens/map/MainGame.h"

namespace golmok::screens {

GroupSelectMenu::GroupSelectMenu(Screens& screens)
    : Screen(screens, "GroupSelectMenu", kGameTitle) {
    // Everything lies on one page of the background's size, kept in the middle of the window.
    page_ = new QWidget(this);
    auto* background = new Picture("select_back", page_);
    background->setObjectName("Image1");
    page_->resize(background->size());
    setFixedSize(background->size());
    DressTitlePage(this);

    for (int row = 0; row < kGroupCount; ++row) {
        const int g = kGroupSelectOrder[row];
        groupSelect_[g] = new Picture(QStringLiteral("emblem%1").arg(g), page_);
        groupSelect_[g]->setObjectName("GroupSelect");
        groupSelect_[g]->setProperty("index", g);
        groupSelect_[g]->move(40, 80 + row * 72);
        connect(groupSelect_[g], &Picture::clicked, this, [this, g] { Choose(g); });

        groupSelect2_[g] = new Picture(QStringLiteral("emblem%1_on").arg(g), page_);
        groupSelect2_[g]->setObjectName("GroupSelect2");
        groupSelect2_[g]->setProperty("index", g);
        groupSelect2_[g]->move(groupSelect_[g]->pos());
        // The emblems speak their gang's name.
        const QString gang = QString::fromStdString(screens.world().GroupName[g]);
        groupSelect_[g]->setAccessibleName(gang);
        groupSelect2_[g]->setAccessibleName(gang);
        groupSelect2_[g]->hide();
    }

    auto* start = new Picture("ok", page_);
    start->setObjectName("Command1");
    start->move(page_->width() / 2 - start->width() - 20, page_->height() - start->height() - 16);
    start->setAccessibleName("시작");
    connect(start, &Picture::clicked, this, &GroupSelectMenu::Start);
    auto* back = new Picture("cancel", page_);
    back->setObjectName("Command2");
    back->move(page_->width() / 2 + 20, page_->height() - back->height() - 16);
    back->setAccessibleName("돌아가기");
    connect(back, &Picture::clicked, this, &GroupSelectMenu::Back);
    setFocusPolicy(Qt::StrongFocus);
}

void GroupSelectMenu::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    CentrePage(this, page_);
}

void GroupSelectMenu::Choose(int i) {
    for (int k = 0; k < kGroupCount; ++k) {
        groupSelect2_[k]->setVisible(k == i);
        groupSelect_[k]->setVisible(k != i);
    }
    chosenRow_ = static_cast<int>(std::find(kGroupSelectOrder.begin(), kGroupSelectOrder.end(), i) -
                                  kGroupSelectOrder.begin());
    ChooseGroup(screens_.world(), i);
    // The map's emblem always follows the player's gang; an open map shows it at once.
    if (MainGame* map = screens_.map()) map->Refresh();
}

void GroupSelectMenu::Start() {
    screens_.StartGame();
}

void GroupSelectMenu::Back() {
    close();
}

void GroupSelectMenu::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up: {
            const int step = event->key() == Qt::Key_Down ? 1 : -1;
            // Before any choice Down takes the top gang and Up the bottom one.
            const int row = chosenRow_ < 0 ? (step > 0 ? 0 : kGroupCount - 1)
                                           : std::clamp(chosenRow_ + step, 0, kGroupCount - 1);
            Choose(kGroupSelectOrder[row]);
            return;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Start();
            return;
        case Qt::Key_Escape:
            Back();
            return;
        default:
            Screen::keyPressEvent(event);
    }
}

}  // namespace golmok::screens
