#include "screens/dialogs/Lists.h"

#include <QListWidget>

namespace golmok::screens {

void FillEntries(QListWidget* list, const std::vector<int>& values,
                 const std::function<QString(int)>& name) {
    list->clear();
    for (int value : values) {
        auto* item = new QListWidgetItem(name(value), list);
        item->setData(Qt::UserRole, value);
    }
    list->clearSelection();
    // "No current entry" set through the view itself, not through the list's own shortcut to its
    // selection model, also tells the view that the current entry is the player's business: the
    // focus arriving by Tab then moves nothing.
    list->setCurrentIndex(QModelIndex());
}

std::optional<int> SelectedEntry(QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return selected.first()->data(Qt::UserRole).toInt();
}

void OnEntryChosen(QListWidget* list, QObject* context, std::function<void(int)> chosen) {
    QObject::connect(list, &QListWidget::currentItemChanged, context,
                     [list, chosen](QListWidgetItem* current, QListWidgetItem*) {
                         if (!current) return;
                         if (list->selectionMode() == QAbstractItemView::SingleSelection &&
                             !current->isSelected()) {
                             current->setSelected(true);
                         }
                         chosen(current->data(Qt::UserRole).toInt());
                     });
}

}  // namespace golmok::screens
