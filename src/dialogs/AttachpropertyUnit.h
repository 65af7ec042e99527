// The attachment property dialog: the selected attachment's icon, name, type,
// exact size and save time, with Open, Save as and Cancel.
#pragma once

#include <QDialog>
#include <QIcon>

class QAction;
class QLabel;
class QPushButton;

namespace qbx {

class TAttachmentpropertyForm : public QDialog {
    Q_OBJECT
public:
    struct Item {
        QString name, typeName, sizeText, timeText;
        QIcon icon;
    };
    // `saveAs` is the main window's Save as command, which the Save button runs.
    TAttachmentpropertyForm(const Item& item, QAction* saveAs, QWidget* parent = nullptr);
    QLabel* IconImage;
    QLabel* FilenameLabel;
    QLabel* FileTypeLabel;
    QLabel* FileSizeLabel;
    QLabel* FileTimeLabel;
    QPushButton* OpenSpeedButton;
    QPushButton* SaveasSpeedButton;
    QPushButton* CancelSpeedButton;

signals:
    void OpenRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qbx
