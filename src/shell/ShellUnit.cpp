#include "ShellUnit.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QHash>
#include <QMimeDatabase>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "controls/Interaction.h"
#include "settings/QbxConst.h"

namespace qbx {

QString LastFolder;

QString FileTypeName(const QString& extension) {
    if (extension.size() < 2) return {};
    const QMimeType mime =
        QMimeDatabase().mimeTypeForFile(QStringLiteral("x") + extension, QMimeDatabase::MatchExtension);
    return mime.isDefault() ? QString() : mime.comment();
}

QIcon ThemeIcon(const char* name) {
    if (!*name) return {};
    static const bool searchPathsSet = [] {
        // Without a desktop session Qt looks for themes in its resources only.
        QStringList paths = QIcon::themeSearchPaths();
        for (const QString& dir :
             QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, "icons", QStandardPaths::LocateDirectory))
            if (!paths.contains(dir)) paths << dir;
        QIcon::setThemeSearchPaths(paths);
        return true;
    }();
    (void)searchPathsSet;
    const QString n = QString::fromLatin1(name);
    if (QIcon::hasThemeIcon(n)) return QIcon::fromTheme(n);
    if (QIcon::hasThemeIcon(n + QStringLiteral("-symbolic"))) return QIcon::fromTheme(n + QStringLiteral("-symbolic"));
    const QString desktopTheme = QIcon::themeName();
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon icon = QIcon::fromTheme(n, QIcon::fromTheme(n + QStringLiteral("-symbolic")));
    icon = QIcon(icon.pixmap(24, 24));  // keep the picture when the theme goes back
    QIcon::setThemeName(desktopTheme);
    return icon;
}

QIcon FileIcon(const QString& extension) {
    static QHash<QString, QIcon> cache;
    const QString key = extension.toLower();
    auto it = cache.find(key);
    if (it != cache.end()) return *it;
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(QStringLiteral("x") + key, QMimeDatabase::MatchExtension);
    QIcon icon = ThemeIcon(mime.iconName().toLatin1().constData());
    if (icon.isNull()) icon = ThemeIcon(mime.genericIconName().toLatin1().constData());
    if (icon.isNull()) icon = ThemeIcon("text-x-generic");
    return *cache.insert(key, icon);
}

QString SelectDirectory(QWidget* parent) {
    const QString folder = Interaction().ExistingDirectory(parent, Message(20), LastFolder);
    if (!folder.isEmpty()) LastFolder = folder;
    return folder;
}

void OpenInBrowser(const QString& url) {
    const QUrl address = QUrl::fromUserInput(url);
    if (Interaction().OpenUrl(address)) return;
    const QString browser = qEnvironmentVariable("BROWSER");
    if (!browser.isEmpty()) QProcess::startDetached(browser, {address.toString()});
}

bool OpenFile(const QString& path) { return Interaction().OpenUrl(QUrl::fromLocalFile(path)); }

namespace {

// Ours, a real folder and not a link, and closed to others.
bool IsPrivateFolder(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) return false;
    if ((st.st_mode & 077) != 0) ::chmod(QFile::encodeName(path).constData(), 0700);
    return true;
}

}  // namespace

QString PrivateTempDir() {
    static QString dir;
    if (!dir.isEmpty() && IsPrivateFolder(dir)) return dir + u'/';
    const QString base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString wanted = base + QStringLiteral("/quirebox-%1").arg(::getuid());
    ::mkdir(QFile::encodeName(wanted).constData(), 0700);
    if (IsPrivateFolder(wanted)) {
        dir = wanted;
    } else {  // someone else's or a link: a fresh folder of our own instead
        QByteArray pattern = QFile::encodeName(base + QStringLiteral("/quirebox-XXXXXX"));
        dir = ::mkdtemp(pattern.data()) ? QFile::decodeName(pattern) : base;
    }
    return dir + u'/';
}

QString SafeFileNameOfAttachment(const QString& name) {
    QString plain = name;
    plain.remove(QChar(0));
    const qsizetype cut = std::max(plain.lastIndexOf(u'/'), plain.lastIndexOf(u'\\'));
    if (cut >= 0) plain = plain.mid(cut + 1);  // drives and folders go with the separators
    if (plain.size() >= 2 && plain[1] == u':') plain = plain.mid(2);
    if (plain.trimmed().isEmpty() || plain == QLatin1String(".") || plain == QLatin1String(".."))
        return QStringLiteral("attachment");
    return plain;
}

QString AttachmentPath(const QString& folder, const QString& name) {
    QString f = folder;
    if (!f.endsWith(u'/')) f += u'/';
    return f + SafeFileNameOfAttachment(name);
}

}  // namespace qbx
