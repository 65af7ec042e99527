// Reading commands of the content view: copy, select all, find and find
// next, word wrap, font zoom, Ctrl+Y, link clicks and the caret position.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QVBoxLayout>

#include "MainUnit.h"
#include "StatusPanels.h"
#include "controls/Interaction.h"
#include "settings/QbxConst.h"
#include "shell/ShellUnit.h"
#include "text/FindText.h"
#include "text/ProgressiveLoader.h"

namespace qbx {

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    setModal(false);
    auto* v = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    FindLabel = new QLabel(this);
    row->addWidget(FindLabel);
    FindEdit = new QLineEdit(this);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindLabel->setBuddy(FindEdit);  // Alt+N and screen readers reach the edit through its label
    row->addWidget(FindEdit, 1);
    FindButton = new QPushButton(this);
    FindButton->setObjectName(QStringLiteral("FindButton"));
    FindButton->setDefault(true);
    row->addWidget(FindButton);
    v->addLayout(row);
    MatchCase = new QCheckBox(this);
    MatchCase->setObjectName(QStringLiteral("MatchCase"));
    WholeWord = new QCheckBox(this);
    WholeWord->setObjectName(QStringLiteral("WholeWord"));
    v->addWidget(WholeWord);
    v->addWidget(MatchCase);
    connect(FindButton, &QPushButton::clicked, this, &TFindDialog::FindRequested);
    UseLanguage(false);
}

void TFindDialog::UseLanguage(bool english) {
    setWindowTitle(english ? QStringLiteral("Find") : QStringLiteral("查找"));
    FindLabel->setText(english ? QStringLiteral("Fi&nd what:") : QStringLiteral("查找内容(&N):"));
    FindButton->setText(english ? QStringLiteral("&Find Next") : QStringLiteral("查找下一个(&F)"));
    MatchCase->setText(english ? QStringLiteral("Match &case") : QStringLiteral("区分大小写(&C)"));
    WholeWord->setText(english ? QStringLiteral("Match &whole word only") : QStringLiteral("全字匹配(&W)"));
}

void TQbxForm::CopyMenuItemClick() { RichEdit->copy(); }

void TQbxForm::SelAllMenuItemClick() { RichEdit->selectAll(); }

// The selection and text lengths in characters, as the view counts them.
static int SelectionLength(const QTextEdit* edit) {
    const QTextCursor c = edit->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

static int TextLength(const QTextEdit* edit) { return edit->document()->characterCount() - 1; }

void TQbxForm::CopyActionUpdate() {
    if (!Action(QStringLiteral("CopyAction"))->property("tagEnabled").toBool()) return;
    Action(QStringLiteral("CopyAction"))->setEnabled(SelectionLength(RichEdit) != 0);
    Action(QStringLiteral("SelAllAction"))->setEnabled(SelectionLength(RichEdit) < TextLength(RichEdit));
}

void TQbxForm::EditMenuItemClick() {
    Action(QStringLiteral("SelAllAction"))
        ->setEnabled(SelectionLength(RichEdit) < TextLength(RichEdit) && RichEdit->isEnabled());
}

void TQbxForm::FindMenuItemClick() {
    LastSearchKind = 4;
    if (RichEdit->textCursor().hasSelection()) FindDialog->FindEdit->setText(RichEdit->textCursor().selectedText());
    FindDialog->UseLanguage(LanguageFileName == QLatin1String(kEnglishLanguageFile));
    FindDialog->show();
    FindDialog->raise();
}

void TQbxForm::FindDialogFind() {
    BodyLoader->Finish();  // the whole body, not only its first screen
    int options = 0;
    if (FindDialog->MatchCase->isChecked()) options |= FindMatchCase;
    if (FindDialog->WholeWord->isChecked()) options |= FindWholeWord;
    const QString needle = FindDialog->FindEdit->text();
    const QString text = RichEdit->document()->toRawText();
    const qsizetype start = RichEdit->textCursor().selectionEnd();
    const qsizetype found = FindText(text, needle, start, text.size() - start, options);
    if (found < 0) {  // no wrap-around
        Interaction().Message(this, Message(30), Message(1), QMessageBox::Warning);
        return;
    }
    if (RightPageControl->currentWidget() == RichEdit->parentWidget()) RichEdit->setFocus();
    QTextCursor c(RichEdit->document());
    c.setPosition(static_cast<int>(found));
    c.setPosition(static_cast<int>(found + needle.size()), QTextCursor::KeepAnchor);
    RichEdit->setTextCursor(c);
}

void TQbxForm::FindNextMenuItemClick() {
    switch (LastSearchKind) {
    case 2:
    case 3:
        FindDialog->FindEdit->setText(LastSearchText);
        FindDialogFind();
        break;
    case 4:
        if (FindDialog->FindEdit->text().isEmpty())
            FindMenuItemClick();
        else
            FindDialogFind();
        break;
    default:
        break;  // after a title or keyword search, nothing
    }
}

void TQbxForm::WordWrapMenuItemClick() { SetWordWrap(Action(QStringLiteral("WordWrapAction"))->isChecked()); }

void TQbxForm::ZoomContent(int step) {
    TViewLook look = ContentLook();
    look.Font.Size = std::max(1, look.Font.Size + step);  // stops at 1 point
    SetContentLook(look);
}

void TQbxForm::SelectCurrentLine() {
    QTextCursor c = RichEdit->textCursor();
    const QTextBlock block = c.block();
    const int inBlock = c.position() - block.position();
    int start = block.position(), end = block.position() + block.length();
    if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(inBlock);
        if (line.isValid()) {
            start = block.position() + line.textStart();
            if (line.lineNumber() + 1 < layout->lineCount()) end = start + line.textLength();
        }
    }
    end = std::min(end, TextLength(RichEdit));  // the last line reaches the end of the text
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    RichEdit->setTextCursor(c);
    // The view is read-only: asking it to delete the selection changes nothing.
}

QString TQbxForm::CaretPositionText() const {
    const QTextCursor c = RichEdit->textCursor();
    const QTextBlock block = c.block();
    const int inBlock = c.position() - block.position();
    int row = block.firstLineNumber(), column = inBlock;
    if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(inBlock);
        if (line.isValid()) {
            row += line.lineNumber();
            column = inBlock - line.textStart();
        }
    }
    return Message(11) + QString::number(std::max(row, 0)) + QStringLiteral("  ") + Message(12) +
           QString::number(column);
}

void TQbxForm::RichEditSelectionChange() {
    StatusPanelText = CaretPositionText();
    StatusPanels->update();
}

bool TQbxForm::RichEditEvent(QObject* watched, QEvent* event) {
    if (watched == RichEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Y && (key->modifiers() & Qt::ControlModifier)) {
            SelectCurrentLine();
            return true;
        }
    }
    if (watched == RichEdit->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QString link = RichEdit->anchorAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && link.size() > 1 && !RichEdit->textCursor().hasSelection()) {
            OpenInBrowser(link);  // "www.example.com" becomes a web address
            return true;
        }
    }
    return false;
}

}  // namespace qbx
