// The contents tree as a model over the document's flat node array: no
// object per node, so a million nodes show at once. Each index carries a
// pointer to its node, which keeps Qt's index hashing spread out.
#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <cstdint>
#include <vector>

#include "document/QbxCatalog.h"

namespace qbx {

class TContentsModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TContentsModel(QObject* parent = nullptr);

    // Replaces the tree in one go; nothing is unlocked or marked.
    void SetCatalog(TQbxCatalog catalog);
    void Clear();
    const TQbxCatalog& Catalog() const { return catalog_; }
    int Count() const { return catalog_.Count(); }

    // The absolute index (catalog line) of a model index, or -1; and back.
    int AbsoluteIndex(const QModelIndex& index) const;
    QModelIndex IndexOf(int absolute) const;

    // Bits 0-30 the node's record position, bit 31 set once its password was given.
    uint32_t DataValue(int absolute) const;
    int32_t RecordPosition(int absolute) const { return static_cast<int32_t>(DataValue(absolute) & 0x7FFFFFFF); }
    bool Unlocked(int absolute) const { return unlocked_[static_cast<size_t>(absolute)]; }
    void SetUnlocked(int absolute) { unlocked_[static_cast<size_t>(absolute)] = true; }
    bool BookmarkMark(int absolute) const { return marked_[static_cast<size_t>(absolute)]; }
    void SetBookmarkMark(int absolute, bool on);
    bool IsRecycleBin(int absolute) const { return absolute >= 0 && absolute == catalog_.RecycleBin; }
    // The text a node shows: its title, or message 25 for the recycle bin.
    QString NodeText(int absolute) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int NodeOf(const QModelIndex& index) const;
    QModelIndex Make(int node) const;
    QIcon IconFor(int32_t iconIndex, bool marked) const;

    TQbxCatalog catalog_;
    std::vector<int32_t> row_;  // position among its siblings
    std::vector<int32_t>
        childStart_;  // children of node i: children_[childStart_[i] .. childStart_[i+1]); the root last
    std::vector<int32_t> children_;
    std::vector<bool> unlocked_, marked_;
};

}  // namespace qbx
