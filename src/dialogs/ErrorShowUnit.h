// The error report: every error that no command handles ends here, in a
// dialog with an eleven-line report the user can edit, copy or mail to the
// author. The program then goes on.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace qbx {

// The report's eleven lines for an error message.
QStringList ErrorReportLines(const QString& errorMessage);

// "mailto:" + the author's address + "?subject=Error Report".
QUrl ErrorReportMailUrl();

class TErrorShowForm : public QDialog {
    Q_OBJECT
public:
    explicit TErrorShowForm(QWidget* parent = nullptr);
    QPlainTextEdit* Memo;
    QPushButton* OkSpeedButton;
    QPushButton* CancelSpeedButton;

    void Report();  // opens the mail link; the dialog stays open

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Shows the report dialog for one error and returns when it has closed.
void ShowErrorReport(const QString& errorMessage);

// Error texts may carry code page 936 bytes (names from a document): UTF-8
// when valid, code page 936 otherwise.
QString ErrorText(const char* what);

// The application object: an exception that escapes any event handler is
// shown in the error report (once the main window has installed it) and the
// event loop goes on.
class TQbxApplication : public QApplication {
public:
    TQbxApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // Set by the main window's creation; before that errors get a plain message box.
    static inline bool ErrorReportInstalled = false;

private:
    void ShowError(const QString& message);
};

}  // namespace qbx
