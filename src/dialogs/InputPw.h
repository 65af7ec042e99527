// The password dialog: a masked box of at most 11 characters. Enter is OK
// (also with an empty box); Escape and Cancel empty the box and cancel; the
// title bar's close box cancels and leaves the box as typed.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qbx {

class TZqLabel;

class TInPwForm : public QDialog {
    Q_OBJECT
public:
    explicit TInPwForm(QWidget* parent = nullptr);
    TZqLabel* InputLabel;
    QLineEdit* Edit;
    QPushButton* CancelSpeedButton;
    QPushButton* OkSpeedButton;

    void CancelAndEmpty();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qbx
