#include "screens/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace golmok::screens {

void DesktopPlatform::Inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kGameTitle, text, QMessageBox::Ok);
}

bool DesktopPlatform::Ask(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::warning(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

void DesktopPlatform::OpenHomePage() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(guidePath_));
}

void DesktopPlatform::EndProgram() {
    QApplication::exit(0);
}

}  // namespace golmok::screens
