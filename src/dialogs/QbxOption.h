// The options dialog: start-up and list options, the favourite, the file
// association, shortcuts, and the fonts and colours of the tree, the content
// view and read-book mode. It works on copies; the window applies them on OK.
#pragma once

#include <QDialog>

#include "settings/AppIni.h"

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace qbx {

class TZqLabel;

struct TOptionValues {
    bool Associated = false;
    bool FileListVisible = true, LoadNearFile = true, MyLoveVisible = true;
    QString MyLoveFile;
    TViewLook Tree, Content;
    TFontRecord SliderFont;
    TColor SliderBackColor = kClBlack;
    TColor LineColor = kClRed;
};

class TOptionForm : public QDialog {
    Q_OBJECT
public:
    // `initial` presets the controls and, for the colour dialogs, their presets.
    TOptionForm(const TOptionValues& initial, const QString& executable, QWidget* parent = nullptr);
    TOptionValues Values() const;

    void BrowseFavourite();          // SpeedButton1
    void PickColor(QFrame* shape);   // TvShape, ReShape, SliderColor, Shape
    void PickFont(TZqLabel* label);  // TvLabel, ReLabel, SliderFontLabel
    void DefaultSetting();           // SpeedButton4
    void BuildShortcuts();           // SpeedButton6

    QTabWidget* PageControl1;
    QCheckBox *QbxCheckBox, *FileListCheckBox, *LoadQbxCheckBox, *MyLoveCheckBox;
    QLineEdit* MyLoveEdit;
    QPushButton* SpeedButton1;
    QCheckBox *StartMenuCheckBox, *ProgramCheckBox, *DesktopCheckBox, *QuickLaunchCheckbox;
    QPushButton* SpeedButton6;
    QFrame *TvShape, *ReShape, *SliderColor, *Shape;
    TZqLabel *TvLabel, *ReLabel, *SliderFontLabel, *ZqLabel7;
    QPushButton *SpeedButton4, *SpeedButton2, *SpeedButton3;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TColor ShapeColor(const QFrame* shape) const;
    void SetShapeColor(QFrame* shape, TColor color);
    void SetLabelFont(TZqLabel* label, const TFontRecord& font);
    TFontRecord LabelFont(const TZqLabel* label) const;
    TOptionValues initial_;
    QString executable_;
};

}  // namespace qbx
