// What the screen tests share: a desktop that records what the game shows and answers its
// questions, a finder for controls by their design name and index, and a way to let closed
// windows go.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>
#include <QtTest>

#include "screens/Platform.h"

namespace golmok::screens::testing {

class FakePlatform : public Platform {
  public:
    void Inform(QWidget*, const QString& text) override { informed << text; }
    bool Ask(QWidget*, const QString& title, const QString& text) override {
        asked << title + "|" + text;
        return answer;
    }
    void OpenHomePage() override { ++homePages; }
    void EndProgram() override { ++ends; }

    QStringList informed;  // every message box, in order
    QStringList asked;     // every question as "title|text"
    bool answer = false;   // the answer to every question
    int homePages = 0;
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

}  // namespace golmok::screens::testing
