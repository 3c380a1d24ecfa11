// Windows that hold what they show: both fight fields as high as the board, the credits' dotted
// leaders ending in one column, and 조직정보 keeping its size when a gang is chosen.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ScreenTestSupport.h"
#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/fight/FightField.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/map/MainGame.h"
#include "screens/title/Credit.h"
#include "screens/title/GroupSelectMenu.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

constexpr int kSeocho = 7;  // 거지파's
constexpr int kDobong = 8;  // 흑사파's

}  // namespace

class WindowSizesTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private:
    MainGame* map_ = nullptr;

  private slots:
    void init() {
        StartGame();
        map_ = StartOnMap(0);
    }

    void cleanup() { StopGame(); }

    void bothFieldsHoldTheWholeBoard_data() {
        QTest::addColumn<bool>("defending");
        QTest::newRow("AttackGround") << false;
        QTest::newRow("DefenceGround") << true;
    }

    void bothFieldsHoldTheWholeBoard() {
        QFETCH(bool, defending);
        FightSetupScreen* setup = nullptr;
        if (defending) {
            // 흑사파 comes from 도봉 to 서초, as a turn end announces it.
            AnnounceAttack(kDobong, kSeocho);
            setup = screens_->defence();
        } else {
            QTest::mouseClick(Control<QPushButton>(map_, "Cmd", kSeocho), Qt::LeftButton);
            screens_->gameMenu()->findChild<QAction*>("행동_싸움")->trigger();
            setup = screens_->attack();
            auto* ll2 = setup->findChild<QListWidget*>("LL2");
            ll2->setCurrentItem(ll2->findItems("도봉", Qt::MatchExactly).first());
        }
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        ll1->setCurrentRow(0);
        ll1->item(0)->setSelected(true);
        setup->OkClicked();
        Settle();
        FightField* field = screens_->fightField();
        QVERIFY2(field, qPrintable(platform_->informed.join(" / ")));
        QCOMPARE(field->objectName(), QString(defending ? "DefenceGround" : "AttackGround"));
        auto* board = field->findChild<QWidget*>("Image1");
        QCOMPARE(board->height(), 640);
        QVERIFY(field->rect().contains(board->geometry()));
        QCOMPARE(field->height(), board->height());
    }

    // Every role's dots run to the same column, where every maker's name starts.
    void theCreditsLeadersLineUp() {
        map_->findChild<QAction*>("도움말_제작팀소개")->trigger();
        Credit* credit = screens_->credit();
        QVERIFY(credit);
        credit->show();
        QVERIFY(QTest::qWaitForWindowExposed(credit));
        const QList<QLabel*> makers = credit->findChildren<QLabel*>("Maker");
        const QList<QLabel*> roles = credit->findChildren<QLabel*>("Role");
        const QList<QWidget*> leaders = credit->findChildren<QWidget*>("Leader");
        QCOMPARE(makers.size(), roles.size());
        QCOMPARE(leaders.size(), roles.size());
        QVERIFY(roles.size() >= 3);
        const auto left = [credit](QWidget* w) { return w->mapTo(credit, QPoint(0, 0)).x(); };
        for (int i = 0; i < roles.size(); ++i) {
            QCOMPARE(left(makers[i]), left(makers[0]));
            QCOMPARE(left(leaders[i]) + leaders[i]->width(), left(makers[0]));
            // The dots start after the role's words, never over them.
            QVERIFY(left(leaders[i]) >= left(roles[i]) + roles[i]->sizeHint().width());
            QVERIFY(leaders[i]->width() > 0);
        }
    }

    // 조직정보 is as wide before the first gang is chosen as after any.
    void groupInfoKeepsItsSize() {
        QTest::mouseClick(Control<QPushButton>(map_, "Cmd", kSeocho), Qt::LeftButton);
        screens_->gameMenu()->findChild<QAction*>("정보_조직정보")->trigger();
        CommandDialog* info = screens_->dialog("GroupInfo");
        QVERIFY(info);
        QVERIFY(QTest::qWaitForWindowExposed(info));
        const QSize opened = info->size();
        // A gang with much money: the widest figures the game usually shows.
        world().CityMoney[kSeocho] = 123456789012;
        auto* list = info->findChild<QListWidget*>("LL");
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentRow(row);
            QCoreApplication::processEvents();
            QVERIFY(Control<QLabel>(info, "Skill", 0)->isVisible());
            QCOMPARE(info->size(), opened);
        }
    }
};

QTEST_MAIN(WindowSizesTest)
#include "WindowSizesTest.moc"
