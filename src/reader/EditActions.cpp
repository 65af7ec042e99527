// The standard edit actions: they act on the focused text control and follow
// what it can do.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "MainUnit.h"

namespace qbx {
namespace {

struct FocusedText {
    QLineEdit* line = nullptr;
    QTextEdit* rich = nullptr;
    QPlainTextEdit* plain = nullptr;
    bool any() const { return line || rich || plain; }
};

FocusedText Focused() {
    FocusedText f;
    QWidget* w = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(w)) w = combo->lineEdit();
    f.line = qobject_cast<QLineEdit*>(w);
    f.rich = qobject_cast<QTextEdit*>(w);
    f.plain = qobject_cast<QPlainTextEdit*>(w);
    return f;
}

}  // namespace

void TQbxForm::EditCommand(const QString& name) {
    const FocusedText f = Focused();
    if (name == QLatin1String("EditCopy")) {
        if (f.line) f.line->copy();
        if (f.rich) f.rich->copy();
        if (f.plain) f.plain->copy();
    } else if (name == QLatin1String("EditCut")) {
        if (f.line) f.line->cut();
        if (f.rich) f.rich->cut();
        if (f.plain) f.plain->cut();
    } else if (name == QLatin1String("EditPaste")) {
        if (f.line) f.line->paste();
        if (f.rich) f.rich->paste();
        if (f.plain) f.plain->paste();
    } else if (name == QLatin1String("EditSelectAll")) {
        if (f.line) f.line->selectAll();
        if (f.rich) f.rich->selectAll();
        if (f.plain) f.plain->selectAll();
    } else if (name == QLatin1String("EditUndo")) {
        if (f.line) f.line->undo();
        if (f.rich) f.rich->undo();
        if (f.plain) f.plain->undo();
    }
}

void TQbxForm::UpdateEditActions() {
    const FocusedText f = Focused();
    const bool selection = (f.line && f.line->hasSelectedText()) || (f.rich && f.rich->textCursor().hasSelection()) ||
                           (f.plain && f.plain->textCursor().hasSelection());
    const bool editable =
        (f.line && !f.line->isReadOnly()) || (f.rich && !f.rich->isReadOnly()) || (f.plain && !f.plain->isReadOnly());
    const bool undo = (f.line && f.line->isUndoAvailable()) || (f.rich && f.rich->document()->isUndoAvailable()) ||
                      (f.plain && f.plain->document()->isUndoAvailable());
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    Action(QStringLiteral("EditCopy"))->setEnabled(selection);
    Action(QStringLiteral("EditCut"))->setEnabled(selection && editable);
    Action(QStringLiteral("EditPaste"))->setEnabled(editable && clip && clip->hasText());
    Action(QStringLiteral("EditSelectAll"))->setEnabled(f.any());
    Action(QStringLiteral("EditUndo"))->setEnabled(editable && undo);
}

}  // namespace qbx
