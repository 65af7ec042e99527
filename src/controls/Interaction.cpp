#include "Interaction.h"

#include "FontColorDialog.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QProcess>

namespace qbx {
namespace {

TInteraction realDialogs;
TInteraction* current = &realDialogs;

}  // namespace

TInteraction& Interaction() { return *current; }

void SetInteraction(TInteraction* interaction) { current = interaction ? interaction : &realDialogs; }

QString QtFilter(const QString& barFilter) {
    const QStringList parts = barFilter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

QMessageBox::StandardButton TInteraction::Message(QWidget* parent, const QString& text, const QString& caption,
                                                  QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString TInteraction::OpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                   const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, QtFilter(filter));
}

QString TInteraction::SaveFileName(QWidget* parent, const QString& title, const QString& proposed,
                                   const QString& filter, int* filterIndex) {
    const QStringList filters = QtFilter(filter).split(QStringLiteral(";;"));
    QString selected =
        filterIndex && *filterIndex >= 0 && *filterIndex < filters.size() ? filters[*filterIndex] : QString();
    const QString name = QFileDialog::getSaveFileName(parent, title, proposed, filters.join(";;"), &selected);
    if (filterIndex && !name.isEmpty())
        *filterIndex = static_cast<int>(std::max<qsizetype>(filters.indexOf(selected), 0));
    return name;
}

QString TInteraction::ExistingDirectory(QWidget* parent, const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

std::optional<QColor> TInteraction::Color(QWidget* parent, const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, parent);
    return c.isValid() ? std::optional<QColor>(c) : std::nullopt;
}

std::optional<TInteraction::FontChoice> TInteraction::Font(QWidget* parent, const QFont& initial,
                                                           const QColor& initialColor) {
    TFontColorDialog dialog(initial, initialColor, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return FontChoice{dialog.SelectedFont(), dialog.SelectedColor()};
}

int TInteraction::Exec(QDialog* dialog) { return dialog->exec(); }

bool TInteraction::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool TInteraction::Print(QWidget* parent, QPrinter* printer) {
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool TInteraction::StartProgram(const QString& program) { return QProcess::startDetached(program, {}); }

}  // namespace qbx
