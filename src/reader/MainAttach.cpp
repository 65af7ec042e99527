// Commands on the attachment list: open (into the private temporary folder,
// then with the desktop's program) and save as (one through the save dialog,
// several into a chosen folder). Names become plain file names first, so no
// attachment can write outside the folder.
#include <QAction>
#include <QApplication>
#include <QTreeWidget>

#include "MainFun.h"
#include "MainUnit.h"
#include "controls/Interaction.h"
#include "dialogs/AttachpropertyUnit.h"
#include "settings/QbxConst.h"
#include "shell/ShellUnit.h"

namespace qbx {

void TQbxForm::OpenAttachmentActionExecute() {
    if (!CurrentDocument) return;
    for (int i = 0; i < ListView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = ListView->topLevelItem(i);
        if (!item->isSelected()) continue;
        const QString file = AttachmentPath(AppIni ? AppIni->TempDir : PrivateTempDir(), item->text(0));
        try {
            CurrentDocument->ExtractAttachment(file.toStdString(), i);
        } catch (const std::exception&) {
            // Ignored: an earlier copy may still be there to open.
        }
        OpenFile(file);
    }
}

void TQbxForm::SaveAsAttachmentActionExecute() {
    if (!CurrentDocument) return;
    const QList<QTreeWidgetItem*> selected = ListView->selectedItems();
    if (selected.size() == 1) {
        int filterIndex = 0;
        const QString name = Interaction().SaveFileName(
            this, Message(3), SafeFileNameOfAttachment(selected[0]->text(0)), Message(8), &filterIndex);
        if (name.isEmpty()) return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct Restore {
            ~Restore() { QApplication::restoreOverrideCursor(); }
        } restore;
        CurrentDocument->ExtractAttachment(name.toStdString(), ListView->indexOfTopLevelItem(selected[0]));
        return;
    }
    const QString folder = SelectDirectory(this);
    if (folder.isEmpty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore {
        ~Restore() { QApplication::restoreOverrideCursor(); }
    } restore;
    TQbxObject* doc = CurrentDocument.get();
    for (int i = 0; i < ListView->topLevelItemCount(); ++i) {
        QCoreApplication::processEvents();  // the window repaints during a long save
        if (CurrentDocument.get() != doc || i >= ListView->topLevelItemCount()) break;
        QTreeWidgetItem* item = ListView->topLevelItem(i);
        if (item->isSelected()) doc->ExtractAttachment(AttachmentPath(folder, item->text(0)).toStdString(), i);
    }
}

void TQbxForm::PropertyAttachmentActionExecute() {
    const QList<QTreeWidgetItem*> selected = ListView->selectedItems();
    if (selected.size() != 1) return;
    const QTreeWidgetItem* it = selected[0];
    TAttachmentpropertyForm::Item item{it->text(0), it->text(2), QString::number(it->data(2, Qt::UserRole).toInt()),
                                       it->text(3), it->icon(0)};
    TAttachmentpropertyForm form(item, Action(QStringLiteral("SaveAsAttachmentAction")), this);
    // Its Open button opens the attachment, as the list's Open command does.
    connect(&form, &TAttachmentpropertyForm::OpenRequested, this, &TQbxForm::OpenAttachmentActionExecute);
    Interaction().Exec(&form);
}

// The pop-up menu offers the view styles when nothing is selected, the file
// commands when something is; the property only for exactly one item.
void TQbxForm::PropertyAttachmentActionUpdate() {
    const int selected = static_cast<int>(ListView->selectedItems().size());
    for (const char* name : {"BigIconAction", "SmallIconAction", "ListShowAction", "DetailAction"})
        Action(QString::fromLatin1(name))->setVisible(selected == 0);
    for (const char* name : {"OpenAttachmentAction", "SaveAsAttachmentAction", "PropertyAttachmentAction"})
        Action(QString::fromLatin1(name))->setVisible(selected > 0);
    QAction* property = Action(QStringLiteral("PropertyAttachmentAction"));
    if (property->property("tagEnabled").toBool()) property->setEnabled(selected == 1);
}

void TQbxForm::ListViewDblClick() {
    if (!ListView->selectedItems().isEmpty()) OpenAttachmentActionExecute();
}

}  // namespace qbx
