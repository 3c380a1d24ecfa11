// What the screen tests share: a desktop that records what the game shows and answers its
// questions, the game's windows on it built afresh for every test function, a finder for controls
// by their object name and index, the mouse and keyboard inputs the tests send, and a way to let
// closed windows go.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

namespace golmok::screens::testing {

class FakePlatform : public Platform {
  public:
    void Inform(QWidget*, const QString& text) override { informed << text; }
    void InformDetail(QWidget*, const QString& text, const QString& detail) override {
        informed << text;
        details << text + "|" + detail;
    }
    bool Ask(QWidget*, const QString& title, const QString& text) override {
        asked << title + "|" + text;
        return answer;
    }
    bool OpenHomePage() override {
        ++homePages;
        return browser;
    }
    void EndProgram() override { ++ends; }

    QStringList informed;  // every message box, in order
    QStringList details;   // the boxes with a second line, as "text|detail"
    QStringList asked;     // every question as "title|text"
    bool answer = false;   // the answer to every question
    int homePages = 0;
    bool browser = true;  // a browser takes the guide
    int ends = 0;
};

// The control of `screen` with the object name `name` and the index property `index` (controls
// that share a name, like the district buttons Cmd(0..24), are told apart by it).
template <class T>
T* Control(QWidget* screen, const char* name, int index = 0) {
    for (T* child : screen->findChildren<T*>(QString::fromUtf8(name))) {
        if (child->property("index").toInt() == index) return child;
    }
    return nullptr;
}

// A left click near the widget's top-left corner, where every button and picture reacts.
inline void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
}

// Unloaded screens are deleted later; let that happen before looking at the hub.
inline void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The mouse passing over the widget, near its top-left corner.
inline void MouseMove(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A shortcut typed into the window, which must be the active one for it to reach the window.
inline void PressShortcut(QWidget* window, QKeyCombination keys) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
}

// The game on the fake desktop: the world built from the shipped record files, and the start-up
// screen showing. A test class derives from QObject first and from this second; its init() calls
// StartGame and its cleanup() StopGame, so every test function begins from a fresh game.
class GameOnScreen {
  protected:
    // `slotFolder`: where the save slots live, when a test needs them.
    void StartGame(const std::filesystem::path& slotFolder = {}) {
        session_ = std::make_unique<Session>(BuildNewWorld(test::ShippedData()));
        platform_ = std::make_unique<FakePlatform>();
        // No theme.wav where this points: the game must run on in silence.
        screens_ = std::make_unique<Screens>(*session_, *platform_, "/nonexistent/theme.wav");
        if (!slotFolder.empty()) screens_->SetSlotFolder(slotFolder);
        screens_->Start();
    }

    // The same with the save slots in a folder of the test's own, gone with StopGame; every
    // question is answered 예.
    void StartGameWithSlots() {
        slotFolder_ = std::make_unique<test::TempFolder>();
        StartGame(slotFolder_->path());
        platform_->answer = true;
    }

    void StopGame() {
        screens_.reset();
        Settle();
        platform_.reset();
        session_.reset();
        slotFolder_.reset();
    }

    World& world() { return session_->world(); }
    MenuState& menu() { return session_->menu(); }

    // The gang of district `from` attacks the player's `to`, as a turn end announces it: the map
    // locked, every defender's weapon back to 주먹, the defence set-up open.
    void AnnounceAttack(int from, int to) {
        World& w = world();
        w.AttackFromCity = from;
        w.AttackToCity = to;
        LockMap(w);
        w.DefenceSetupOpen = true;
        for (auto& weapon : w.HumanWeapon)
            weapon = "주먹";
        screens_->DefenceAnnounced();
    }

    // Through the title pages (while they show) and the group selection onto the map as gang
    // `group`.
    MainGame* StartOnMap(int group) {
        if (screens_->gameLogo()->isVisible()) {
            for (int k = 0; k < 4; ++k)
                screens_->gameLogo()->TitleStep();
        }
        GroupSelectMenu* select = screens_->ShowGroupSelectMenu();
        select->Choose(group);
        select->Start();
        Settle();
        return screens_->map();
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<Screens> screens_;
    std::unique_ptr<test::TempFolder> slotFolder_;  // set by StartGameWithSlots
};

}  // namespace golmok::screens::testing
