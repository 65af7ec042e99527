// The five most recently opened documents, most recent first, shown as the
// five items of the recent-files submenu and of the Open button's drop-down.
#pragma once

#include <QString>
#include <array>

class QMenu;

namespace qbx {

// A path shortened to at most `maxLength` characters: the middle folders
// become "...", the file name stays (itself shortened only when it alone is
// too long).
QString CompactPath(const QString& path, int maxLength = 34);

class TMru {
public:
    static constexpr int kCount = 5;

    // The menus' first five actions are the list's positions (tags 1..5).
    QMenu* ParentItem = nullptr;
    QMenu* PopupMenu = nullptr;

    // Makes `path` the most recent entry; paths compare exactly.
    void Add(const QString& path);
    // The path at position 0..4, or empty.
    QString Item(int position) const;
    void SetVisible(bool visible);
    bool Visible() const { return visible_; }

    // "&1 /home/.../name.qbx": the caption of a position's items.
    static QString Caption(int position, const QString& path);

private:
    void Rebuild();
    void ShowItems(QMenu* menu);

    std::array<QString, kCount> entries_;
    std::array<int, kCount> order_ = {0, 1, 2, 3, 4};
    bool visible_ = true;
};

}  // namespace qbx
