// Export of a branch or a leaf, printing, and the stand-alone book builder.
#include <sys/file.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QTextEdit>
#include <QTreeView>

#include "ContentsModel.h"
#include "MainFun.h"
#include "MainUnit.h"
#include "controls/Interaction.h"
#include "controls/ZqLabel.h"
#include "document/QbxError.h"
#include "settings/QbxConst.h"
#include "shell/ShellUnit.h"
#include "text/BranchExport.h"
#include "text/ContentLoader.h"
#include "text/ProgressiveLoader.h"
#include "text/RtfWriter.h"

namespace qbx {
namespace {

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

// Export, Print and the bookmark menu work on exactly one selected node.
void TQbxForm::PrintActionUpdate() {
    const bool one = SelectedNode() >= 0 && TreeView->selectionModel()->selectedRows().size() == 1;
    for (const char* name : {"ExportAction", "PrintAction"}) {
        QAction* a = Action(QString::fromLatin1(name));
        if (a->property("tagEnabled").toBool()) a->setEnabled(one);
    }
    if (QAction* e = findChild<QAction*>(QStringLiteral("ExporttoNormalMenuitem"))) e->setEnabled(one);
    Menu(QStringLiteral("togglebookmark"))->setEnabled(one);
}

void TQbxForm::ExportMenuItemClick() {
    const int node = SelectedNode();
    if (!CurrentDocument || node < 0) return;
    const std::string title(Contents->Catalog().Title(node));
    if (Contents->Catalog().Nodes[static_cast<size_t>(node)].FirstChild >= 0) {
        const QString chosen = SelectDirectory(this);
        if (chosen.isEmpty()) return;
        const QString top = QDir(chosen).filePath(QString::fromStdString(ExportName(title)));
        if (QFileInfo::exists(top)) {
            Interaction().Message(this, Message(33), Message(1), QMessageBox::Critical);
            return;
        }
        QDir().mkdir(top);
        BusyCursor busy;
        ExportBranch(*CurrentDocument, Contents->Catalog(), node, top.toStdString());
        return;
    }
    // A leaf: what the content view shows, as plain text or as RTF.
    const QString filter = Message(6) + u'|' + Message(7);
    QString name = Interaction().SaveFileName(this, Message(3), QString::fromStdString(ExportName(title)), filter,
                                              &exportFilterIndex_);
    if (name.isEmpty()) return;
    if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".txt");  // the default extension
    BodyLoader->Finish();
    const QByteArray bytes =
        exportFilterIndex_ == 0 ? PlainTextForSaving(*RichEdit->document()) : WriteRtf(*RichEdit->document());
    QFile out(name);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        throw QbxError(QbxError::Kind::Io, "cannot write the file \"" + name.toStdString() + "\"");
}

void TQbxForm::PrintMenuItemClick() {
    try {
        QPrinter printer;
        printer.setDocName(TitleLabel->text());
        if (!Interaction().Print(this, &printer)) return;
        BodyLoader->Finish();
        RichEdit->document()->print(&printer);
    } catch (...) {
        // Printing errors are not reported.
    }
}

void TQbxForm::MakeExeActionExecute() {
    const QString chosen = Interaction().OpenFileName(this, Message(4), QString(), Message(2));
    if (chosen.isEmpty()) return;
    const QString output = chosen.chopped(std::min<qsizetype>(3, chosen.size())) + QStringLiteral("exe");
    // The book must never replace the document it is built from.
    if (QFileInfo(output).absoluteFilePath() == QFileInfo(chosen).absoluteFilePath()) {
        Interaction().Message(this, Message(37), Message(1), QMessageBox::Critical);
        return;
    }
    if (QFileInfo::exists(output) && Interaction().Message(this, Message(36), Message(1), QMessageBox::Warning,
                                                           QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    QFile::remove(output);
    if (!QFile::copy(QCoreApplication::applicationFilePath(), output)) {
        Interaction().Message(this, Message(37), Message(1), QMessageBox::Critical);
        return;
    }
    {
        QFile book(output);
        QFile document(chosen);
        if (!book.open(QIODevice::ReadWrite))
            throw QbxError(QbxError::Kind::Io, "cannot write \"" + output.toStdString() + "\"");
        if (!document.open(QIODevice::ReadOnly)) {
            book.close();
            QFile::remove(output);
            Interaction().Message(this, Message(37), Message(1), QMessageBox::Critical);
            return;
        }
        ::flock(document.handle(), LOCK_SH);  // others may read it meanwhile, not write
        book.seek(book.size());
        BusyCursor busy;
        while (!document.atEnd()) {
            const QByteArray chunk = document.read(1 << 20);
            if (chunk.isEmpty() && document.error() != QFile::NoError)
                throw QbxError(QbxError::Kind::Io, "cannot read \"" + chosen.toStdString() + "\"");
            if (book.write(chunk) != chunk.size())
                throw QbxError(QbxError::Kind::Io, "cannot write \"" + output.toStdString() + "\"");
        }
    }
    QFile::setPermissions(output, QFile::permissions(output) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther |
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::WriteOwner);
    if (Interaction().Message(this, Message(38), Message(1), QMessageBox::Information,
                              QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
        Interaction().StartProgram(output);
}

}  // namespace qbx
