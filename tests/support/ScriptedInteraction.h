// An interaction that answers from a script and records what was asked, so
// GUI tests can drive flows that open message boxes and dialogs.
#pragma once

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

#include "controls/Interaction.h"

namespace qbx::testing {

class ScriptedInteraction : public TInteraction {
public:
    ScriptedInteraction() { SetInteraction(this); }
    ~ScriptedInteraction() override { SetInteraction(nullptr); }

    struct Asked {
        QString kind, text, caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    std::vector<Asked> asked;
    std::deque<QMessageBox::StandardButton> buttons;   // answers to Message, Ok when none left
    std::deque<QString> fileNames;                     // answers to the file and folder dialogs
    std::deque<std::function<int(QDialog*)>> dialogs;  // runs a dialog instead of exec(); Rejected when none
    std::vector<QUrl> openedUrls;

    QMessageBox::StandardButton Message(QWidget*, const QString& text, const QString& caption, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons) override {
        asked.push_back({"message", text, caption, icon});
        return Next(buttons, QMessageBox::Ok);
    }
    QString OpenFileName(QWidget*, const QString& title, const QString&, const QString& filter) override {
        asked.push_back({"open", filter, title});
        return Next(fileNames, QString());
    }
    QString SaveFileName(QWidget*, const QString& title, const QString& proposed, const QString&, int*) override {
        asked.push_back({"save", proposed, title});
        return Next(fileNames, QString());
    }
    QString ExistingDirectory(QWidget*, const QString& title, const QString&) override {
        asked.push_back({"folder", QString(), title});
        return Next(fileNames, QString());
    }
    std::optional<QColor> Color(QWidget*, const QColor& initial) override {
        asked.push_back({"color", initial.name(), QString()});
        return std::nullopt;
    }
    std::deque<FontChoice> fonts;  // answers to the font dialog; cancelled when none
    std::optional<FontChoice> Font(QWidget*, const QFont& initial, const QColor& initialColor) override {
        asked.push_back({"font", initial.family(), initialColor.name()});
        if (fonts.empty()) return std::nullopt;
        return Next(fonts, FontChoice{});
    }
    int Exec(QDialog* dialog) override {
        asked.push_back({"dialog", dialog->objectName(), dialog->windowTitle()});
        if (dialogs.empty()) return QDialog::Rejected;
        auto run = dialogs.front();
        dialogs.pop_front();
        return run(dialog);
    }
    std::deque<std::function<bool(QPrinter*)>> prints;  // answers to the print dialog; cancelled when none
    std::vector<QString> startedPrograms;
    bool Print(QWidget*, QPrinter* printer) override {
        asked.push_back({"print", QString(), QString()});
        if (prints.empty()) return false;
        auto answer = prints.front();
        prints.pop_front();
        return answer(printer);
    }
    bool StartProgram(const QString& program) override {
        startedPrograms.push_back(program);
        return true;
    }
    bool OpenUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return true;
    }

private:
    template <typename T, typename D>
    static T Next(std::deque<T>& queue, D fallback) {
        if (queue.empty()) return fallback;
        T v = queue.front();
        queue.pop_front();
        return v;
    }
};

}  // namespace qbx::testing
