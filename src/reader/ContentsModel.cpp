#include "ContentsModel.h"

#include <QPainter>

#include "TreeIcons.h"
#include "settings/QbxConst.h"
#include "text/CodePageText.h"

namespace qbx {

TContentsModel::TContentsModel(QObject* parent) : QAbstractItemModel(parent) { Clear(); }

void TContentsModel::Clear() { SetCatalog(TQbxCatalog{}); }

void TContentsModel::SetCatalog(TQbxCatalog catalog) {
    beginResetModel();
    catalog_ = std::move(catalog);
    const size_t n = catalog_.Nodes.size();
    // Children in order, grouped by parent (the root, -1, counts as node n).
    std::vector<int32_t> counts(n + 1, 0);
    row_.assign(n, 0);
    for (size_t i = 0; i < n; ++i) {
        const int32_t p = catalog_.Nodes[i].Parent;
        const size_t slot = p < 0 ? n : static_cast<size_t>(p);
        row_[i] = counts[slot]++;
    }
    childStart_.assign(n + 2, 0);
    for (size_t i = 0; i <= n; ++i) childStart_[i + 1] = childStart_[i] + counts[i];
    children_.assign(n, 0);
    for (size_t i = 0; i < n; ++i) {
        const int32_t p = catalog_.Nodes[i].Parent;
        const size_t slot = p < 0 ? n : static_cast<size_t>(p);
        children_[static_cast<size_t>(childStart_[slot] + row_[i])] = static_cast<int32_t>(i);
    }
    unlocked_.assign(n, false);
    marked_.assign(n, false);
    endResetModel();
}

int TContentsModel::NodeOf(const QModelIndex& index) const {
    if (!index.isValid()) return -1;
    return static_cast<int>(static_cast<const TCatalogNode*>(index.internalPointer()) - catalog_.Nodes.data());
}

QModelIndex TContentsModel::Make(int node) const {
    if (node < 0 || node >= Count()) return {};
    return createIndex(row_[static_cast<size_t>(node)], 0,
                       const_cast<TCatalogNode*>(&catalog_.Nodes[static_cast<size_t>(node)]));
}

int TContentsModel::AbsoluteIndex(const QModelIndex& index) const { return NodeOf(index); }

QModelIndex TContentsModel::IndexOf(int absolute) const { return Make(absolute); }

uint32_t TContentsModel::DataValue(int absolute) const {
    const auto pos = static_cast<uint32_t>(catalog_.Nodes[static_cast<size_t>(absolute)].NodePos) & 0x7FFFFFFF;
    return pos | (unlocked_[static_cast<size_t>(absolute)] ? 0x80000000u : 0);
}

void TContentsModel::SetBookmarkMark(int absolute, bool on) {
    if (absolute < 0 || absolute >= Count()) return;
    marked_[static_cast<size_t>(absolute)] = on;
    const QModelIndex i = Make(absolute);
    emit dataChanged(i, i, {Qt::DecorationRole});
}

QString TContentsModel::NodeText(int absolute) const {
    if (IsRecycleBin(absolute)) return Message(25);
    return Cp936ToUnicode(catalog_.Title(absolute));
}

QModelIndex TContentsModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const int p = parent.isValid() ? NodeOf(parent) : Count();
    const int32_t start = childStart_[static_cast<size_t>(p)];
    if (row >= childStart_[static_cast<size_t>(p) + 1] - start) return {};
    return Make(children_[static_cast<size_t>(start + row)]);
}

QModelIndex TContentsModel::parent(const QModelIndex& child) const {
    const int node = NodeOf(child);
    return node < 0 ? QModelIndex() : Make(catalog_.Nodes[static_cast<size_t>(node)].Parent);
}

int TContentsModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    const size_t p = parent.isValid() ? static_cast<size_t>(NodeOf(parent)) : static_cast<size_t>(Count());
    return childStart_[p + 1] - childStart_[p];
}

int TContentsModel::columnCount(const QModelIndex&) const { return 1; }

bool TContentsModel::hasChildren(const QModelIndex& parent) const {
    if (!parent.isValid()) return Count() > 0;
    return catalog_.Nodes[static_cast<size_t>(NodeOf(parent))].FirstChild >= 0;
}

QVariant TContentsModel::data(const QModelIndex& index, int role) const {
    const int node = NodeOf(index);
    if (node < 0) return {};
    switch (role) {
    case Qt::DisplayRole:
        return NodeText(node);
    case Qt::DecorationRole:
        return TreeIcon(catalog_.Nodes[static_cast<size_t>(node)].IconIndex, marked_[static_cast<size_t>(node)]);
    case Qt::UserRole:
        return DataValue(node);
    default:
        return {};
    }
}

Qt::ItemFlags TContentsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace qbx
