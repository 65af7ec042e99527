#include "GuardedSelection.h"

namespace qbx {

void TGuardedSelectionModel::setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) {
    refused_ = QPersistentModelIndex();
    if (index.isValid() && index != currentIndex() && AllowChange && !AllowChange(index)) {
        refused_ = index;
        return;
    }
    QItemSelectionModel::setCurrentIndex(index, command);
}

void TGuardedSelectionModel::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) {
    if (refused_.isValid() && selection.contains(refused_)) return;
    QItemSelectionModel::select(selection, command);
}

void TGuardedSelectionModel::select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) {
    if (refused_.isValid() && index == refused_) return;
    QItemSelectionModel::select(index, command);
}

}  // namespace qbx
