#include "MruUnit.h"

#include <QAction>
#include <QMenu>

namespace qbx {

QString CompactPath(const QString& path, int maxLength) {
    if (path.size() <= maxLength) return path;
    const QString ellipsis = QStringLiteral("...");
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString name = slash < 0 ? path : path.mid(slash + 1);
    // Keep the longest run of leading folders that fits: "/home/.../name.qbx".
    for (qsizetype cut = path.lastIndexOf(u'/', slash - 1); slash > 0 && cut >= 0;
         cut = cut > 0 ? path.lastIndexOf(u'/', cut - 1) : -1) {
        if (cut + 1 + ellipsis.size() + 1 + name.size() <= maxLength)
            return path.left(cut + 1) + ellipsis + u'/' + name;
    }
    if (ellipsis.size() + 1 + name.size() <= maxLength) return ellipsis + u'/' + name;
    return name.left(std::max<qsizetype>(maxLength - ellipsis.size(), 0)) + ellipsis;
}

QString TMru::Caption(int position, const QString& path) {
    QString shown = CompactPath(path);
    shown.replace(u'&', QStringLiteral("&&"));  // a "&" in the path is no accelerator
    return QStringLiteral("&%1 %2").arg(position + 1).arg(shown);
}

void TMru::Add(const QString& path) {
    if (entries_[order_[0]] == path) return;
    int found = -1;
    for (int i = 1; i < kCount && found < 0; ++i)
        if (entries_[order_[i]] == path) found = i;
    const int at = found >= 0 ? found : kCount - 1;
    const int slot = order_[at];
    if (found < 0) entries_[slot] = path;  // the oldest entry is overwritten
    for (int j = at; j > 0; --j) order_[j] = order_[j - 1];
    order_[0] = slot;
    if (visible_) Rebuild();
}

QString TMru::Item(int position) const {
    return position >= 0 && position < kCount ? entries_[order_[position]] : QString();
}

void TMru::ShowItems(QMenu* menu) {
    if (!menu) return;
    const QList<QAction*> actions = menu->actions();
    for (int p = 0; p < kCount && p < actions.size(); ++p) {
        const QString e = Item(p);
        actions[p]->setVisible(visible_ && !e.isEmpty());
        if (!e.isEmpty()) actions[p]->setText(Caption(p, e));
    }
}

void TMru::Rebuild() {
    ShowItems(ParentItem);
    ShowItems(PopupMenu);
}

void TMru::SetVisible(bool visible) {
    visible_ = visible;
    if (ParentItem) ParentItem->menuAction()->setVisible(visible);
    Rebuild();
}

}  // namespace qbx
