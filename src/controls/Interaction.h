// Every modal interaction of the program (message boxes, file, folder, colour
// and font dialogs, running a dialog modally) and opening an address go
// through one interface. Its default shows the real dialogs; tests install a
// scripted one that answers and records what was asked.
#pragma once

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QString>
#include <QUrl>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace qbx {

class TInteraction {
public:
    virtual ~TInteraction() = default;
    // Returns the button pressed.
    virtual QMessageBox::StandardButton Message(QWidget* parent, const QString& text, const QString& caption,
                                                QMessageBox::Icon icon,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    // Empty when cancelled. Filters are "description|pattern" pairs joined by "|".
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter);
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& proposed, const QString& filter,
                                 int* filterIndex);
    virtual QString ExistingDirectory(QWidget* parent, const QString& title, const QString& folder);
    virtual std::optional<QColor> Color(QWidget* parent, const QColor& initial);
    // The font dialog picks the font and its colour together.
    struct FontChoice {
        QFont font;
        QColor color;
    };
    virtual std::optional<FontChoice> Font(QWidget* parent, const QFont& initial, const QColor& initialColor);
    // Shows `dialog` modally; returns its result code.
    virtual int Exec(QDialog* dialog);
    // Hands an address (web page, mail, file) to the desktop.
    virtual bool OpenUrl(const QUrl& url);
    // The print dialog; true when the user confirmed it for `printer`.
    virtual bool Print(QWidget* parent, QPrinter* printer);
    // Starts a program of its own (a book that was just built).
    virtual bool StartProgram(const QString& program);
};

TInteraction& Interaction();
// Installs `interaction` (not owned); nullptr restores the real dialogs.
void SetInteraction(TInteraction* interaction);

// "Text file(*.txt)|*.txt|RTF(*.rtf)|*.rtf" as Qt's file dialogs want it.
QString QtFilter(const QString& barFilter);

}  // namespace qbx
