#include "Association.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "settings/IniFile.h"
#include "settings/QbxConst.h"

namespace qbx {
namespace {

QString DataHome() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }
QString MimePackage() { return DataHome() + QStringLiteral("/mime/packages/quirebox-qbx.xml"); }
QString DesktopFile() { return DataHome() + QStringLiteral("/applications/") + QString::fromLatin1(kDesktopFileName); }
QString MimeApps() { return DataHome() + QStringLiteral("/applications/mimeapps.list"); }

bool WriteText(const QString& path, const QString& text) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(text.toUtf8());
    return f.commit();
}

QString XmlEscaped(const QString& s) { return s.toHtmlEscaped(); }

// Tells the desktop's mime database about the change; without the tool the
// package still takes effect at its next update.
void UpdateMimeDatabase() {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!tool.isEmpty()) QProcess::execute(tool, {DataHome() + QStringLiteral("/mime")});
}

QString DesktopEntry(const QString& name, const QString& comment, const QString& exec, const QString& extra) {
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nComment=%2\nExec=%3\nTerminal=false\n%4")
        .arg(name, comment, exec, extra);
}

}  // namespace

QString DesktopExec(const QString& program, const QString& argument) {
    // Quoted, with the characters the desktop entry format reserves escaped,
    // then backslashes doubled once more for the string value.
    QString quoted;
    for (QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    QString exec = u'"' + quoted + u'"';
    if (!argument.isEmpty()) exec += u' ' + argument;
    return exec;
}

void SetAssociation(bool on, const QString& executable) {
    TIniFile apps(MimeApps());
    if (!on) {
        QFile::remove(MimePackage());
        QFile::remove(DesktopFile());
        if (apps.ReadString("Default Applications", kQbxMimeType, QString()) == QLatin1String(kDesktopFileName)) {
            apps.WriteString("Default Applications", kQbxMimeType, QString());
            apps.Save();
        }
        UpdateMimeDatabase();
        return;
    }
    WriteText(MimePackage(),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                             "  <mime-type type=\"%1\">\n    <comment>%2</comment>\n    <glob pattern=\"*.qbx\"/>\n"
                             "  </mime-type>\n</mime-info>\n")
                  .arg(QString::fromLatin1(kQbxMimeType), XmlEscaped(Message(0))));
    WriteText(DesktopFile(), DesktopEntry(Message(1), Message(0), DesktopExec(executable, QStringLiteral("%f")),
                                          QStringLiteral("MimeType=%1;\n").arg(QString::fromLatin1(kQbxMimeType))));
    apps.WriteString("Default Applications", kQbxMimeType, kDesktopFileName);
    apps.Save();
    UpdateMimeDatabase();
}

bool IsAssociated() {
    if (!QFile::exists(MimePackage())) return false;
    const TIniFile entry(DesktopFile());
    return !entry.ReadString("Desktop Entry", "Exec", QString()).isEmpty();
}

QString ShortcutFolder(const QString& folderValue) {
    if (folderValue == QLatin1String("Programs")) return DataHome() + QStringLiteral("/applications");
    if (folderValue == QLatin1String("Desktop"))
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folderValue == QLatin1String("AppData")) return DataHome();
    return {};
}

void CreateShortcut(const QString& target, const QString& linkPath, const QString& description,
                    const QString& folderValue) {
    QString relative = linkPath;
    relative.replace(u'\\', u'/');
    const QString link = QDir::cleanPath(ShortcutFolder(folderValue) + u'/' + relative);
    const QFileInfo info(link);
    if (!info.dir().exists() && !QDir().mkdir(info.absolutePath())) return;  // one level only
    const QString name = info.completeBaseName();
    const QString entry = DesktopEntry(name, description, DesktopExec(target),
                                       QStringLiteral("Path=%1\n").arg(QFileInfo(target).absolutePath()));
    QSaveFile f(link);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(entry.toUtf8());
    if (!f.commit()) return;
    QFile::setPermissions(link,
                          QFile::permissions(link) | QFile::ExeUser);  // launchers on the desktop must be executable
}

}  // namespace qbx
