#include "screens/look/Platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "screens/look/Art.h"
#include "screens/look/Look.h"

namespace golmok::screens {

namespace {

void ShowBox(QWidget* parent, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::NoIcon, kGameTitle, text, QMessageBox::Ok, parent);
    SetBoxSign(box, BoxSign::Notice, parent);
    // The figures sit under the sentence, a size smaller.
    if (!detail.isEmpty()) {
        box.setInformativeText(QStringLiteral("<span style=\"font-size: small\">%1</span>")
                                   .arg(detail.toHtmlEscaped()));
    }
    box.exec();
}

}  // namespace

QPixmap BoxSignPixmap(BoxSign sign, qreal ratio) {
    const QString resource = sign == BoxSign::Notice ? QStringLiteral(":/art/box_info.svg")
                                                     : QStringLiteral(":/art/box_warning.svg");
    return PaintedPixmap(resource, QSize(48, 48), ratio);
}

void SetBoxSign(QMessageBox& box, BoxSign sign, const QWidget* parent) {
    // Painted for the screen's scale, never Qt's bitmap icon blown up at 200 %.
    const qreal ratio = parent ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
    box.setIconPixmap(BoxSignPixmap(sign, ratio));
    // Nor the desktop theme's little bitmaps on 확인, 예 and 아니요: the words say it all.
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
}

void ShowFailure(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kGameTitle, text, QMessageBox::Ok);
    SetBoxSign(box, BoxSign::Warning, nullptr);
    box.exec();
}

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
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    ApplyGameLook(&box);
    SetBoxSign(box, BoxSign::Warning, parent);
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
