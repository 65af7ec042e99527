#include "ErrorShowUnit.h"

#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QStyle>
#include <QUrl>

#include "controls/Interaction.h"
#include "settings/QbxConst.h"
#include "settings/RegUnit.h"
#include "text/CodePageText.h"

namespace qbx {

QStringList ErrorReportLines(const QString& errorMessage) {
    return {
        u'[' + Message(26) + u']',
        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat),
        QString(),
        u'[' + Message(27) + u']',
        QString::fromLatin1(kVersionText),
        QString(),
        u'[' + Message(28) + u']',
        errorMessage,
        QString(),
        u'[' + Message(29) + u']',
        QStringLiteral("Please tell me,Thank you!"),
    };
}

QUrl ErrorReportMailUrl() { return QUrl(QString::fromLatin1(kAuthorMail) + QStringLiteral("?subject=Error Report")); }

TErrorShowForm::TErrorShowForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ErrorShowForm"));
    setWindowTitle(QStringLiteral("出错"));
    setFixedSize(313, 214);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setGeometry(8, 8, 297, 161);
    QFont f(QString::fromLatin1(kLanguageFontFace));
    f.setPixelSize(12);
    Memo->setFont(f);
    Memo->installEventFilter(this);
    Memo->setTabChangesFocus(true);  // Tab leaves the report for the buttons instead of typing a tab
    OkSpeedButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("报告给作者"), this);
    OkSpeedButton->setObjectName(QStringLiteral("OkSpeedButton"));
    OkSpeedButton->setGeometry(56, 178, 100, 27);
    CancelSpeedButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("关闭(&C)"), this);
    CancelSpeedButton->setObjectName(QStringLiteral("CancelSpeedButton"));
    CancelSpeedButton->setGeometry(164, 178, 100, 27);
    for (QPushButton* b : {OkSpeedButton, CancelSpeedButton}) {
        b->setFlat(true);
        b->setAutoDefault(false);  // Enter is the form's: it reports
    }
    connect(OkSpeedButton, &QPushButton::clicked, this, &TErrorShowForm::Report);
    connect(CancelSpeedButton, &QPushButton::clicked, this, &QDialog::reject);
    ApplyLanguage(this);
}

void TErrorShowForm::Report() { Interaction().OpenUrl(ErrorReportMailUrl()); }

void TErrorShowForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Report();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape closes
}

// The form sees Enter before the text box, reports, and lets the line break through.
bool TErrorShowForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) Report();
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowErrorReport(const QString& errorMessage) {
    TErrorShowForm form;
    form.Memo->setPlainText(ErrorReportLines(errorMessage).join(u'\n'));
    Interaction().Exec(&form);
}

QString ErrorText(const char* what) {
    const QByteArray bytes(what);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? Cp936ToUnicode(bytes) : text;
}

TQbxApplication::TQbxApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQbxApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowError(ErrorText(e.what()));
    } catch (...) {
        ShowError(QStringLiteral("unknown error"));
    }
    return false;
}

void TQbxApplication::ShowError(const QString& message) {
    if (ErrorReportInstalled)
        ShowErrorReport(message);
    else
        Interaction().Message(nullptr, message, applicationName(), QMessageBox::Critical);
}

}  // namespace qbx
