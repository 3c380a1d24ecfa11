#include "screens/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "screens/Art.h"
#include "screens/Look.h"

namespace golmok::screens {

namespace {

// The box's picture is the game's own drawing, painted for the screen's scale, never Qt's
// bitmap icon blown up at 200 %.
void SetGameIcon(QMessageBox& box, const QWidget* parent) {
    const qreal ratio = parent ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
    box.setIconPixmap(PaintedPixmap(QStringLiteral(":/icon/golmok.svg"), QSize(48, 48), ratio));
}

void ShowBox(QWidget* parent, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::NoIcon, kGameTitle, text, QMessageBox::Ok, parent);
    SetGameIcon(box, parent);
    // The figures sit under the sentence, a size smaller.
    if (!detail.isEmpty()) {
        box.setInformativeText(QStringLiteral("<span style=\"font-size: small\">%1</span>")
                                   .arg(detail.toHtmlEscaped()));
    }
    box.exec();
}

}  // namespace

void DesktopPlatform::Inform(QWidget* parent, const QString& text) {
    ShowBox(parent, text, {});
}

void DesktopPlatform::InformDetail(QWidget* parent, const QString& text, const QString& detail) {
    ShowBox(parent, text, detail);
}

void InformAll(Platform& platform, QWidget* parent, const std::vector<std::string>& messages,
               const std::string& detail) {
    for (std::size_t k = 0; k < messages.size(); ++k) {
        const QString text = QString::fromStdString(messages[k]);
        if (k == 0 && !detail.empty()) {
            platform.InformDetail(parent, text, QString::fromStdString(detail));
        } else {
            platform.Inform(parent, text);
        }
    }
}

bool DesktopPlatform::Ask(QWidget* parent, const QString& title, const QString& text) {
    // In the game's paper and ink, whatever window asks. Enter is 예, Esc 아니요.
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    ApplyGameLook(&box);
    SetGameIcon(box, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool DesktopPlatform::OpenHomePage() {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(guidePath_));
}

void DesktopPlatform::EndProgram() {
    QApplication::exit(0);
}

}  // namespace golmok::screens
