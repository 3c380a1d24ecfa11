#include "screens/Screen.h"

#include <QCloseEvent>

namespace golmok::screens {

Screen::Screen(Screens& screens, const char* name, const QString& caption) : screens_(screens) {
    setObjectName(QString::fromUtf8(name));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
}

void Screen::closeEvent(QCloseEvent* event) {
    Unload();
    emit unloaded();
    event->accept();
}

}  // namespace golmok::screens
