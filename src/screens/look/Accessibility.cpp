#include "screens/look/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QWidget>
#include <limits>

namespace golmok::screens {

namespace {

// The windows a player answers and closes, over the map: everything else of the game is a frame.
constexpr const char* kDialogClasses[] = {
    "golmok::screens::GameMenu",   "golmok::screens::CommandDialog",
    "golmok::screens::SlotDialog", "golmok::screens::FightSetupScreen",
    "golmok::screens::News",
};

constexpr const char* kFocusedChild = "golmokFocusedChild";

// A control whose focus lies on one of the controls drawn on it.
class FocusHolder : public QAccessibleWidget {
  public:
    explicit FocusHolder(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Grouping) {}

    QAccessibleInterface* focusChild() const override {
        auto* child = widget()->property(kFocusedChild).value<QObject*>();
        if (child && widget()->hasFocus()) return QAccessible::queryAccessibleInterface(child);
        return QAccessibleWidget::focusChild();
    }
};

QAccessibleInterface* WindowRole(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (widget->property(kFocusedChild).isValid()) return new FocusHolder(widget);
    if (!widget->isWindow() || !object->inherits("golmok::screens::Screen")) return nullptr;
    return new QAccessibleWidget(
        widget, IsDialogWindow(widget) ? QAccessible::Dialog : QAccessible::Window);
}

// A caption as spoken: without the colon and the blanks that line captions up ("투 자  금 :").
QString Spoken(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("[\\s:]")));
    return caption;
}

// The caption of `control`: the nearest label left of it on its line, else the nearest one just
// above it, in the window's coordinates.
QString CaptionOf(const QWidget* control, const QList<QLabel*>& labels, const QWidget* window) {
    const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
    const QLabel* best = nullptr;
    int bestGap = std::numeric_limits<int>::max();
    for (const QLabel* label : labels) {
        if (label->text().isEmpty() || !label->isVisibleTo(window)) continue;
        const QRect caption(label->mapTo(window, QPoint(0, 0)), label->size());
        const int middle = caption.center().y();
        if (middle >= place.top() && middle <= place.bottom() && caption.right() <= place.left()) {
            const int gap = place.left() - caption.right();
            if (gap < bestGap) {
                best = label;
                bestGap = gap;
            }
        }
    }
    if (best) return Spoken(best->text());
    for (const QLabel* label : labels) {
        if (label->text().isEmpty() || !label->isVisibleTo(window)) continue;
        const QRect caption(label->mapTo(window, QPoint(0, 0)), label->size());
        const bool over = caption.left() < place.right() && caption.right() > place.left();
        const int gap = place.top() - caption.bottom();
        if (over && gap >= 0 && gap < 24 && gap < bestGap) {
            best = label;
            bestGap = gap;
        }
    }
    return best ? Spoken(best->text()) : QString();
}

}  // namespace

void InstallWindowRoles() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(WindowRole);
}

void SetFocusedChild(QWidget* holder, QWidget* child) {
    if (!holder->property(kFocusedChild).isValid()) {
        // Qt may have made the holder a plain interface already: it is made again as one.
        holder->setProperty(kFocusedChild, QVariant::fromValue(static_cast<QObject*>(child)));
        if (QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(holder);
            plain && !dynamic_cast<FocusHolder*>(plain))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
    }
    holder->setProperty(kFocusedChild, QVariant::fromValue(static_cast<QObject*>(child)));
    if (!holder->hasFocus()) return;
    QAccessibleEvent focus(child, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

bool IsDialogWindow(const QWidget* window) {
    for (const char* name : kDialogClasses) {
        if (window->inherits(name)) return true;
    }
    return false;
}

void NameControls(QWidget* window) {
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->accessibleName().isEmpty()) continue;
        // What it is, said after its caption, and alone where it has none: a box or a choice
        // is called by its caption alone ("진검", "투자금").
        QString kind;
        bool kindAfterCaption = true;
        if (qobject_cast<QAbstractItemView*>(control)) {
            if (qobject_cast<QComboBox*>(control->parentWidget())) continue;
            kind = QStringLiteral("목록");
        } else if (qobject_cast<QLineEdit*>(control)) {
            if (qobject_cast<QComboBox*>(control->parentWidget())) continue;
            kind = QStringLiteral("양");
            kindAfterCaption = false;
        } else if (qobject_cast<QProgressBar*>(control)) {
            kind = QStringLiteral("막대");
        } else if (qobject_cast<QComboBox*>(control)) {
            kind = QStringLiteral("고르기");
            kindAfterCaption = false;
        } else {
            continue;
        }
        const QString caption = CaptionOf(control, labels, window);
        if (caption.isEmpty()) {
            control->setAccessibleName(kind);
        } else {
            control->setAccessibleName(kindAfterCaption ? caption + " " + kind : caption);
        }
    }
}

}  // namespace golmok::screens
