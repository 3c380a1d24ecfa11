// The parts the help, information and credits screens share.
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>

namespace golmok::screens {

// A read-only text box that shows its whole text without a scroll bar.
inline QPlainTextEdit* ReadOnlyText(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QPlainTextEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setStyleSheet("QPlainTextEdit { background: #f6ecd2; color: #2b2118; }");
    const QFontMetrics metrics(box->font());
    int widest = 0;
    const QStringList lines = text.split('\n');
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    box->setFixedSize(widest + 40, metrics.lineSpacing() * static_cast<int>(lines.size()) + 24);
    return box;
}

inline QPushButton* TextButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace golmok::screens
