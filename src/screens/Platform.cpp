#include "screens/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "screens/Look.h"

namespace golmok::screens {

void DesktopPlatform::Inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kGameTitle, text, QMessageBox::Ok);
}

bool DesktopPlatform::Ask(QWidget* parent, const QString& title, const QString& text) {
    // In the game's paper and ink, whatever window asks. Enter is 예, Esc 아니요.
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    ApplyGameLook(&box);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void DesktopPlatform::OpenHomePage() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(guidePath_));
}

void DesktopPlatform::EndProgram() {
    QApplication::exit(0);
}

}  // namespace golmok::screens
