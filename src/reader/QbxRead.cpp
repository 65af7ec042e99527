// The reader's main routine: the language for this start (the English file
// written when it is used), the splash for at least a second from just before
// the main window's creation, the main window with its start-up document, the
// event loop, and the English file removed again at the end.
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "MainUnit.h"
#include "dialogs/ErrorShowUnit.h"
#include "dialogs/QbxAbout.h"
#include "settings/RegUnit.h"
#include "webview/WebEngineView.h"

#include <unistd.h>

int main(int argc, char** argv) {
    // The browser engine shares its graphics context and, run as root, cannot sandbox itself.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::getuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qbx::TQbxApplication app(argc, argv);
    qbx::UseWebEngineView();
    app.setApplicationName(QStringLiteral("Quirebox"));
    qbx::LanguageFileName = qbx::GetLanguageFileName();
    const bool english = qbx::LanguageFileName == QLatin1String(qbx::kEnglishLanguageFile);
    const bool englishWritten = english && qbx::WriteEnglishLanguageFile();

    auto splash = std::make_unique<qbx::TAboutForm>();
    splash->MakeSplash();
    splash->show();
    app.processEvents();  // painted at once

    QElapsedTimer shown;
    shown.start();
    int result = 0;
    {
        qbx::TQbxForm form;
        try {
            form.OpenStartupDocument(app.arguments().mid(1), QCoreApplication::applicationFilePath());
        } catch (const std::exception& e) {
            qbx::ShowErrorReport(qbx::ErrorText(e.what()));  // start-up goes on with the window
        }
        form.show();
        // The splash stays a second, without handling events meanwhile.
        if (shown.elapsed() < 1000) QThread::msleep(static_cast<unsigned long>(1000 - shown.elapsed()));
        splash.reset();
        result = app.exec();
    }
    if (englishWritten) QFile::remove(qbx::ConfigDir() + QString::fromLatin1(qbx::kEnglishLanguageFile));
    return result;
}
