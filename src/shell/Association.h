// The ".qbx" file type on the Linux desktop, and launchers to the reader.
// Everything is written under the user's data folder (XDG_DATA_HOME): a
// shared-mime-info package, a desktop entry that opens documents, and the
// default-handler line; turning it off removes exactly what we wrote.
#pragma once

#include <QString>

namespace qbx {

inline constexpr const char* kQbxMimeType = "application/x-quirebox";
inline constexpr const char* kDesktopFileName = "quirebox-reader.desktop";

// Registers (or removes) the document type, with our executable as its program.
void SetAssociation(bool on, const QString& executable);
// True when our mime package is there and the desktop entry has a command.
bool IsAssociated();

// A launcher named by `linkPath` (relative to the folder that `folderValue`
// names: "Programs", "Desktop" or "AppData"; "/" or "\" separate folders)
// that runs `target` in its own folder. One missing folder level is created;
// nothing is reported when it cannot be written.
void CreateShortcut(const QString& target, const QString& linkPath, const QString& description,
                    const QString& folderValue);
// The folder a shortcut folder name stands for; empty for an unknown name.
QString ShortcutFolder(const QString& folderValue);

// A desktop entry's Exec value running `program` with `argument`.
QString DesktopExec(const QString& program, const QString& argument = QString());

}  // namespace qbx
