// The about box, and in a reduced form the splash shown while the program starts.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace qbx {

class TZqLabel;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
    // No border, no OK button, and 10 pixels below the inner panel.
    void MakeSplash();

    QFrame* Panel2;
    QFrame* Panel1;
    QLabel* Image1;
    TZqLabel* myLabel1;
    TZqLabel* myLabel2;
    TZqLabel* myLabel3;
    TZqLabel* ZqLabel1;
    QPushButton* OkSpeedButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Enter is OK; Escape has no effect
};

}  // namespace qbx
