// Where the settings and language files live, which language is in use, and
// how a window takes its texts from the language file.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QWidget;

namespace qbx {

inline constexpr const char* kChineseLanguageFile = "qbxchs.ini";
inline constexpr const char* kEnglishLanguageFile = "qbxeng.ini";
inline constexpr const char* kTraditionalLanguageFile = "qbxcht.ini";
inline constexpr const char* kSettingsFileName = "qbx.ini";
inline constexpr const char* kLanguageFontFace = "MS Sans Serif";

// The current language file's name and the folder it is read from (with a
// trailing "/"; empty means the configuration folder).
extern QString LanguageFileName;
extern QString LanguageDir;

// The per-user configuration folder with a trailing "/": the settings file
// and the language files live there (XDG_CONFIG_HOME/quirebox/).
QString ConfigDir();

// Chinese in China starts in simplified Chinese, every other locale in English.
QString GetLanguageFileName(const QLocale& locale = QLocale::system());

// The language switch's menu tags: 0 English, 2 traditional Chinese, any other simplified Chinese.
QString LanguageFileForTag(int tag);

// Writes the carried English file as LanguageDir + "qbxeng.ini" (the
// configuration folder when LanguageDir is empty); false when that fails.
bool WriteEnglishLanguageFile();

// The main window supplies what ApplyLanguage cannot find by name: the
// attachment list's column headers, the search label, and the texts that
// depend on the open document.
class TLanguageHost {
public:
    virtual ~TLanguageHost() = default;
    virtual QStringList AttachmentColumnHeaders() const = 0;
    virtual void SetAttachmentColumnHeaders(const QStringList& headers) = 0;
    virtual void RelabelSearchMode() = 0;
    // Caption with the document's path and message 18, the recycle bin's
    // text; or, without a document, the title label's version text.
    virtual void ApplyDocumentTexts() = 0;
};

// Localises one window from the current language file: its caption, and by
// component name and kind the captions, hints and fonts of what it owns. The
// main window ("QbxForm") also gets its menu captions, bookmark items, column
// headers, the message table and its caption.
void ApplyLanguage(QWidget* form);

// Switches the language by a menu item's tag and applies it to the main window.
void SwitchLanguage(int tag, QWidget* mainWindow);

}  // namespace qbx
