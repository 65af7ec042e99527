#include "RegUnit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSaveFile>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include "IniFile.h"
#include "QbxConst.h"

namespace qbx {

QString LanguageFileName = QString::fromLatin1(kChineseLanguageFile);
QString LanguageDir;

QString ConfigDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/quirebox/");
}

QString GetLanguageFileName(const QLocale& locale) {
    const bool prc = locale.language() == QLocale::Chinese && locale.territory() == QLocale::China;
    return QString::fromLatin1(prc ? kChineseLanguageFile : kEnglishLanguageFile);
}

QString LanguageFileForTag(int tag) {
    switch (tag) {
    case 0:
        return QString::fromLatin1(kEnglishLanguageFile);
    case 2:
        return QString::fromLatin1(kTraditionalLanguageFile);
    default:
        return QString::fromLatin1(kChineseLanguageFile);
    }
}

namespace {

QString LanguageFolder() { return LanguageDir.isEmpty() ? ConfigDir() : LanguageDir; }

}  // namespace

bool WriteEnglishLanguageFile() {
    if (!QDir().mkpath(LanguageFolder())) return false;
    QSaveFile f(LanguageFolder() + QString::fromLatin1(kEnglishLanguageFile));
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(EnglishLanguageFile());
    return f.commit();
}

namespace {

// Looks up one window's keys, each defaulting to the current text.
class Lookup {
public:
    Lookup(const TIniFile& ini, const QString& section) : ini_(ini), section_(section) {}
    QString Caption(const QString& name, const QString& current) const {
        return ini_.ReadString(section_, name + QStringLiteral(".Caption"), current);
    }
    std::optional<QString> Hint(const QString& name) const {
        const QString key = name + QStringLiteral(".Hint");
        if (!ini_.HasKey(section_, key)) return std::nullopt;
        return ini_.ReadString(section_, key, QString());
    }
    QString Value(const QString& section, const QString& key, const QString& current) const {
        return ini_.ReadString(section, key, current);
    }

private:
    const TIniFile& ini_;
    QString section_;
};

void SetLanguageFont(QWidget* w) {
    QFont f = w->font();
    f.setFamilies({QString::fromLatin1(kLanguageFontFace)});
    w->setFont(f);
}

// "tool tip|status text"; without a bar both are the whole hint.
void SetHint(QObject* o, const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    const QString tip = bar < 0 ? hint : hint.left(bar);
    const QString status = bar < 0 ? hint : hint.mid(bar + 1);
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setToolTip(tip);
        a->setStatusTip(status);
    } else if (auto* w = qobject_cast<QWidget*>(o)) {
        w->setToolTip(tip);
        w->setStatusTip(status);
    }
}

// A page of a tab widget: what the design calls a tab sheet.
QTabWidget* TabWidgetOf(QWidget* w) {
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

void ApplyToComponent(QObject* o, const Lookup& l) {
    const QString name = o->objectName();
    if (name.isEmpty()) return;
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(l.Caption(name, a->text()));
        if (auto hint = l.Hint(name)) SetHint(a, *hint);
        return;
    }
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) return;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(l.Caption(name, label->text()));
    } else if (qobject_cast<QLineEdit*>(w)) {
    } else if (auto* b = qobject_cast<QCheckBox*>(w)) {
        b->setText(l.Caption(name, b->text()));
    } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
        r->setText(l.Caption(name, r->text()));
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(l.Caption(name, g->title()));
    } else if (auto* t = qobject_cast<QToolBar*>(w)) {
        t->setWindowTitle(l.Caption(name, t->windowTitle()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // Tool buttons that show an action take their texts from it.
        if (auto* tool = qobject_cast<QToolButton*>(button); tool && tool->defaultAction()) return;
        button->setText(l.Caption(name, button->text()));
        if (auto hint = l.Hint(name)) SetHint(button, *hint);
    } else if (QTabWidget* tabs = TabWidgetOf(w)) {
        const int index = tabs->indexOf(w);
        tabs->setTabText(index, l.Caption(name, tabs->tabText(index)));
    } else {
        return;  // other kinds keep their texts and fonts
    }
    SetLanguageFont(w);
}

void SetMenuCaption(QWidget* form, const QString& name, const Lookup& l) {
    if (auto* menu = form->findChild<QMenu*>(name)) {
        menu->setTitle(l.Caption(name, menu->title()));
    } else if (auto* action = form->findChild<QAction*>(name)) {
        action->setText(l.Caption(name, action->text()));
    }
}

void ApplyMainWindowExtras(QWidget* form, const TIniFile& ini, const Lookup& l) {
    QFont menuFont = QApplication::font("QMenu");
    menuFont.setFamilies({QString::fromLatin1(kLanguageFontFace)});
    QApplication::setFont(menuFont, "QMenu");
    // The four menus of the menu bar come first; a language file without them keeps them as they are.
    for (const char* name : {"FileMenuItem", "EditMenuItem", "ViewMenuItem", "HelpMenuItem", "RecentFileMenuitem",
                             "ToolbarsMenuitem", "togglebookmark", "gobookmark"})
        SetMenuCaption(form, QString::fromLatin1(name), l);

    const QString word = l.Value(form->objectName(), QStringLiteral("BookMark"), QStringLiteral("书签"));
    for (int n = 1; n <= 10; ++n)
        for (const QString& prefix : {QStringLiteral("bookmark"), QStringLiteral("gobookmark")})
            if (auto* item = form->findChild<QAction*>(prefix + QString::number(n)))
                item->setText(word + QString::number(n));

    SetMenuCaption(form, QStringLiteral("ExporttoNormalMenuitem"), l);
    if (auto* group = form->findChild<QGroupBox*>(QStringLiteral("ContextTypeRadioGroup"))) {
        group->setTitle(l.Caption(group->objectName(), group->title()));
        SetLanguageFont(group);
    }
    if (auto* list = form->findChild<QWidget*>(QStringLiteral("ListView"))) SetLanguageFont(list);
    auto* host = dynamic_cast<TLanguageHost*>(form);
    if (host) {
        QStringList headers = host->AttachmentColumnHeaders();
        for (int i = 0; i < headers.size() && i < 4; ++i)
            headers[i] = l.Caption(QStringLiteral("Column[%1]").arg(i), headers[i]);
        host->SetAttachmentColumnHeaders(headers);
    }
    for (int i = 0; i < kMessageCount; ++i)
        MessageTable[i] = ini.ReadString(QStringLiteral("Strings"), QString::number(i), MessageTable[i]);
    if (host) host->RelabelSearchMode();
    form->setWindowTitle(Message(1));
    QGuiApplication::setApplicationDisplayName(Message(1));
    if (host) host->ApplyDocumentTexts();
}

}  // namespace

void ApplyLanguage(QWidget* form) {
    const bool mainWindow = form->objectName() == QLatin1String("QbxForm");
    if (LanguageFileName == QLatin1String(kChineseLanguageFile)) {
        if (mainWindow) QGuiApplication::setApplicationDisplayName(Message(1));
        return;
    }
    const TIniFile ini(LanguageFolder() + LanguageFileName, TIniFile::Encoding::Utf8OrCp936);
    const Lookup l(ini, form->objectName());
    form->setWindowTitle(l.Caption(form->objectName(), form->windowTitle()));
    SetLanguageFont(form);
    for (QObject* o : form->findChildren<QObject*>()) ApplyToComponent(o, l);
    if (mainWindow) ApplyMainWindowExtras(form, ini, l);
}

void SwitchLanguage(int tag, QWidget* mainWindow) {
    LanguageFileName = LanguageFileForTag(tag);
    ApplyLanguage(mainWindow);
}

}  // namespace qbx
