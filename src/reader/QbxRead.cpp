// The reader's main routine: the language for this start, the English file
// written when it is used, the main window, the event loop.
#include <QFile>

#include "MainUnit.h"
#include "dialogs/ErrorShowUnit.h"
#include "settings/RegUnit.h"

int main(int argc, char** argv) {
    qbx::TQbxApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quirebox"));
    qbx::LanguageFileName = qbx::GetLanguageFileName();
    const bool english = qbx::LanguageFileName == QLatin1String(qbx::kEnglishLanguageFile);
    if (english) qbx::WriteEnglishLanguageFile();
    int result = 0;
    {
        qbx::TQbxForm form;
        form.show();
        result = app.exec();
    }
    if (english) QFile::remove(qbx::ConfigDir() + QString::fromLatin1(qbx::kEnglishLanguageFile));
    return result;
}
