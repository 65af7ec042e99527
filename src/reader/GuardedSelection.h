// A selection model that asks before the current node changes, so the tree
// can refuse a selection (a node's password not given).
#pragma once

#include <QItemSelectionModel>
#include <functional>

namespace qbx {

class TGuardedSelectionModel : public QItemSelectionModel {
public:
    using QItemSelectionModel::QItemSelectionModel;
    // Asked with the new current index; false refuses the change.
    std::function<bool(const QModelIndex&)> AllowChange;

    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;
    void select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;

private:
    QPersistentModelIndex refused_;  // a click refused as current is not selected either
};

}  // namespace qbx
