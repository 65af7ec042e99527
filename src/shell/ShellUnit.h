// The desktop around the reader: file-type names and icons, the folder
// picker, opening addresses and files, and the private temporary folder.
#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace qbx {

// The folder most recently chosen in SelectDirectory, for this run.
extern QString LastFolder;

// An icon from the desktop's theme, or Adwaita's symbolic one in its place.
QIcon ThemeIcon(const char* name);

// The description of a file type from its extension with the dot (".txt");
// empty for an extension the desktop does not know.
QString FileTypeName(const QString& extension);
// The desktop's icon for files with this extension (a generic one otherwise).
QIcon FileIcon(const QString& extension);

// Lets the user pick a folder (title message 20, starting at LastFolder);
// empty when cancelled.
QString SelectDirectory(QWidget* parent);

// Opens a web address in the user's browser: the desktop's handler, else $BROWSER.
void OpenInBrowser(const QString& url);
// Has the desktop open a file with its program.
bool OpenFile(const QString& path);

// A folder of our own under the temporary location, mode 0700, checked to be
// ours and not a link (names written there are predictable, so a folder
// others can write to would let them plant links). With a trailing "/".
QString PrivateTempDir();

// An attachment's stored name as a plain file name: no folder parts ("/" or
// "\"), no ".." or NUL; a name that ends up empty becomes "attachment".
QString SafeFileNameOfAttachment(const QString& name);
// folder + "/" + the safe name: always inside `folder`.
QString AttachmentPath(const QString& folder, const QString& name);

}  // namespace qbx
