// The search's progress window: modeless, with what is being searched and a
// cancel button that hides it; the search stops when it sees it hidden.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qbx {

class TNowRuningForm : public QDialog {
    Q_OBJECT
public:
    explicit TNowRuningForm(QWidget* parent = nullptr);
    QLabel* nowsearchlabel;
    QPushButton* CancelButton;
};

}  // namespace qbx
