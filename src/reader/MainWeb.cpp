// The web view of the content tab: which attachment it can show, the switch
// made once per node change, and the toggle button.
#include <QAction>
#include <QCoreApplication>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTreeWidget>

#include "MainFun.h"
#include "MainUnit.h"
#include "WebView.h"
#include "shell/ShellUnit.h"

namespace qbx {

void TQbxForm::HtmlViewActionUpdate() {
    QAction* action = Action(QStringLiteral("HtmlViewAction"));
    std::vector<QString> names;
    for (int i = 0; i < ListView->topLevelItemCount(); ++i) names.push_back(ListView->topLevelItem(i)->text(0));
    const ViewChoice choice = ChooseViewAttachment(names);
    if (choice.index >= 0) ViewAttachmentIndex = choice.index;  // kept when there is nothing to show
    action->setEnabled(CurrentDocument && choice.index >= 0);
    if (!NodeChanged) return;
    NodeChanged = false;
    if (action->isEnabled() && choice.automatic) {
        action->setChecked(RichEdit->document()->isEmpty());
        try {
            HtmlViewActionExecute();
        } catch (const std::exception&) {  // an automatic switch that fails shows the text, without a message
            action->setChecked(false);
            HtmlViewActionExecute();
        }
    } else {
        action->setChecked(false);
        HtmlViewActionExecute();
    }
}

void TQbxForm::HtmlViewActionExecute() {
    if (!Action(QStringLiteral("HtmlViewAction"))->isChecked() || !CurrentDocument) {
        ContentStack->setCurrentWidget(RichEdit);
        HtmlView->Navigate(QUrl(QStringLiteral("about:blank")));
        return;
    }
    ContentStack->setCurrentWidget(HtmlView->Widget());
    const QString temp = AppIni ? AppIni->TempDir : PrivateTempDir();
    const QString name = ListView->topLevelItem(ViewAttachmentIndex)->text(0);
    const QString file = AttachmentPath(temp, name);
    CurrentDocument->ExtractAttachment(file.toStdString(), ViewAttachmentIndex);
    // A page gets its pictures and other companions beside it (only an exactly
    // lower-case ".htm" or ".html" name, as pages were always made).
    if (name.endsWith(QLatin1String(".htm")) || name.endsWith(QLatin1String(".html"))) {
        TQbxObject* doc = CurrentDocument.get();
        for (int i = 0; i < ListView->topLevelItemCount(); ++i) {
            if (i == ViewAttachmentIndex) continue;
            try {
                doc->ExtractAttachment(AttachmentPath(temp, ListView->topLevelItem(i)->text(0)).toStdString(), i);
            } catch (const std::exception&) {
                // A companion that cannot be written is left out.
            }
            QCoreApplication::processEvents();
            if (CurrentDocument.get() != doc) return;
        }
    }
    HtmlView->Navigate(QUrl::fromLocalFile(file));
}

}  // namespace qbx
