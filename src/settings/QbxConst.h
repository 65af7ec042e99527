// The program's own texts: the message table, the version and the addresses,
// and the English language file carried inside the program.
#pragma once

#include <QString>
#include <QStringList>

namespace qbx {

constexpr int kMessageCount = 39;

// The 39 user-visible messages, built-in (simplified Chinese) until a
// language file replaces them. Other code cites them by index.
extern QStringList MessageTable;
QString Message(int index);
// The built-in texts, exactly as the program starts with them.
const QStringList& BuiltInMessages();
void ResetMessageTable();

inline constexpr const char* kVersionText = "Version 1.0";
inline constexpr const char* kHomePageUrl = "https://quirebox.example.org/";
inline constexpr const char* kAuthorMail = "mailto:author@quirebox.example.org";

// The English language file as the program carries it: ASCII, CR LF.
QByteArray EnglishLanguageFile();

}  // namespace qbx
