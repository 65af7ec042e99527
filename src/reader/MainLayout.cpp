// The layout commands of the main window: status bar, title bar (left pane),
// toolbars, toolbar reset, full screen, exit; the about box and the language switch.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>

#include "MainUnit.h"
#include "MenuLayout.h"
#include "controls/Interaction.h"
#include "dialogs/QbxAbout.h"
#include "dialogs/QbxOption.h"
#include "readbook/QbxSlider.h"
#include "settings/QbxConst.h"
#include "shell/Association.h"
#include "shell/ShellUnit.h"
#include "text/ProgressiveLoader.h"

namespace qbx {

QString TQbxForm::ToolbarNameOf(const QString& actionName) {
    return actionName.left(std::max<qsizetype>(actionName.size() - 6, 0)) + QStringLiteral("Bar");
}

void TQbxForm::StatusMenuItemClick() { statusBar()->setVisible(Action("StatusAction")->isChecked()); }

void TQbxForm::TitleMenuItemClick() {
    const bool shown = Action("TitleAction")->isChecked();
    LeftForm->setVisible(shown);  // the splitter's handle goes with the pane
}

void TQbxForm::SearchToolPopClick(QAction* action) {
    if (QToolBar* bar = ToolBar(ToolbarNameOf(action->objectName())))
        SetToolbarVisible(bar->objectName(), action->isChecked());
}

// The check follows the toolbar, however it was hidden.
void TQbxForm::FileToolActionUpdate(QAction* action) {
    if (QToolBar* bar = ToolBar(ToolbarNameOf(action->objectName())))
        action->setChecked(Toolbar(bar->objectName()).Visible);
}

void TQbxForm::ToolsMenuItemClick() {
    for (const TToolbarReset& r : ToolbarResetTable()) {
        QToolBar* bar = ToolBar(QString::fromLatin1(r.name));
        if (!bar) continue;
        if (bar->isWindow()) {  // floating: dock it back
            bar->setWindowFlags(Qt::Widget);
            addToolBar(Qt::TopToolBarArea, bar);
        }
        SetToolbarVisible(bar->objectName(), true);
        SetToolbarGeometry(bar->objectName(), QRect(r.left, r.top, r.width, 24));
    }
    UpdateActions();
}

void TQbxForm::ToolbarFloated(QToolBar* bar) {
    if (!bar->isWindow()) return;
    const QPoint place = bar->pos();
    bar->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    bar->move(place);
    bar->show();
}

void TQbxForm::FullScreenExecute() {
    fullScreen_ = Action("FullScreen")->isChecked();
    for (QToolBar* bar : toolbars_) {
        if (fullScreen_) {
            toolbarShown_[bar->objectName()] = !bar->isHidden();
            bar->hide();
        } else {
            bar->setVisible(toolbarShown_.value(bar->objectName(), true));
        }
    }
    if (fullScreen_)
        showMaximized();
    else
        showNormal();
}

void TQbxForm::ExitMenuItemClick() { close(); }

void TQbxForm::HomePageMenuItemClick() { OpenInBrowser(QString::fromLatin1(kHomePageUrl)); }

void TQbxForm::EMailMenuItemClick() { Interaction().OpenUrl(QUrl(QString::fromLatin1(kAuthorMail))); }

// The HTML manual: beside the program in a build, in the documentation folder once installed.
void TQbxForm::ReadmeMenuItemClick() {
    const QString dir = QCoreApplication::applicationDirPath();
    const QString installed = dir + QStringLiteral("/../share/doc/quirebox/quirebox-manual.html");
    OpenFile(QFile::exists(installed) ? QDir::cleanPath(installed) : dir + QStringLiteral("/quirebox-manual.html"));
}

void TQbxForm::OptionsMenuItemClick() {
    TOptionValues values;
    values.Associated = IsAssociated();
    values.FileListVisible = AppIni->FileListVisible;
    values.LoadNearFile = AppIni->LoadNearFile;
    values.MyLoveVisible = AppIni->MyLoveVisible;
    values.MyLoveFile = AppIni->MyLoveFile;
    values.Tree = TreeLook();
    values.Content = ContentLook();
    values.SliderFont = AppIni->SliderFont;
    values.SliderBackColor = AppIni->SliderBackColor;
    values.LineColor = AppIni->LineColor;
    TOptionForm form(values, QCoreApplication::applicationFilePath(), this);
    if (Interaction().Exec(&form) == QDialog::Accepted) {
        const TOptionValues v = form.Values();
        SetAssociation(v.Associated, QCoreApplication::applicationFilePath());
        Mru->SetVisible(v.FileListVisible);
        UpdateFavouriteItems(v.MyLoveVisible);
        AppIni->SliderFont = v.SliderFont;
        AppIni->SliderBackColor = v.SliderBackColor;
        AppIni->LoadNearFile = v.LoadNearFile;
        AppIni->FileListVisible = v.FileListVisible;
        AppIni->MyLoveVisible = v.MyLoveVisible;
        AppIni->MyLoveFile = v.MyLoveFile;  // taken as it is, without checking
        AppIni->LineColor = v.LineColor;
        SetTreeLook(v.Tree);
        SetContentLook(v.Content);
    }
    UpdateFavouriteItems(AppIni->MyLoveVisible);  // enabled when a favourite is set
}

// Read-book mode takes the content view's text; with none it does not start.
void TQbxForm::SliderMenuItemClick() {
    QAction* action = Action(QStringLiteral("SliderAction"));
    BodyLoader->Finish();
    const QString text = RichEdit->toPlainText();
    if (text.isEmpty()) {
        action->setChecked(false);
        return;
    }
    action->setChecked(true);
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    TSliderForm form(text, *AppIni, s ? s->size() : QSize(1024, 768), this);
    Interaction().Exec(&form);
    action->setChecked(false);
}

void TQbxForm::AboutMenuItemClick() {
    TAboutForm about(this);
    Interaction().Exec(&about);
}

void TQbxForm::SimpliedChineseMenuitemClick(QAction* item) {
    SwitchLanguage(item->property("tag").toInt(), this);
    item->setChecked(true);
}

}  // namespace qbx
