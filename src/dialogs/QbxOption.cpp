#include "QbxOption.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>

#include "controls/Interaction.h"
#include "controls/ZqLabel.h"
#include "settings/QbxConst.h"
#include "settings/RegUnit.h"
#include "settings/ViewLook.h"
#include "shell/Association.h"
#include "shell/ShellUnit.h"

namespace qbx {

namespace {

// The home page link has a fixed width; a caption too wide for it (the
// English one is the whole address) gets a smaller font rather than being cut.
void FitCaption(QLabel* label) {
    QFont f = label->font();
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(label->text()) > label->contentsRect().width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
}

template <typename T>
T* Named(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

TOptionForm::TOptionForm(const TOptionValues& initial, const QString& executable, QWidget* parent)
    : QDialog(parent), initial_(initial), executable_(executable) {
    setObjectName(QStringLiteral("OptionForm"));
    setWindowTitle(QStringLiteral("Option"));
    setFixedSize(473, 380);
    PageControl1 = Named(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(0, 0, 473, 337);

    auto* general = Named(new QWidget, "TabSheet1");
    QbxCheckBox = Named(new QCheckBox(QStringLiteral("Quirebox文件关联"), general), "QbxCheckBox");
    QbxCheckBox->setGeometry(16, 12, 300, 22);
    FileListCheckBox = Named(new QCheckBox(QStringLiteral("显示最近打开文件列表"), general), "FileListCheckBox");
    FileListCheckBox->setGeometry(16, 38, 300, 22);
    LoadQbxCheckBox = Named(new QCheckBox(QStringLiteral("启动时装入Quirebox"), general), "LoadQbxCheckBox");
    LoadQbxCheckBox->setGeometry(16, 64, 300, 22);
    MyLoveCheckBox = Named(new QCheckBox(QStringLiteral("显示我的最爱"), general), "MyLoveCheckBox");
    MyLoveCheckBox->setGeometry(16, 90, 300, 22);
    auto* loveLabel = Named(new TZqLabel(QStringLiteral("我的最爱："), general), "myLabel1");
    loveLabel->setGeometry(16, 122, 80, 20);
    loveLabel->Transparent = true;
    MyLoveEdit = Named(new QLineEdit(general), "MyLoveEdit");
    MyLoveEdit->setGeometry(96, 120, 270, 22);
    SpeedButton1 =
        Named(new QPushButton(style()->standardIcon(QStyle::SP_DirOpenIcon), QStringLiteral("浏览..."), general),
              "SpeedButton1");
    SpeedButton1->setGeometry(372, 118, 84, 26);
    auto* shortcuts = Named(new QGroupBox(QStringLiteral("建立快捷方式"), general), "GroupBox2");
    shortcuts->setGeometry(16, 156, 440, 80);
    StartMenuCheckBox = Named(new QCheckBox(QStringLiteral("开始菜单"), shortcuts), "StartMenuCheckBox");
    StartMenuCheckBox->setGeometry(12, 22, 130, 22);
    ProgramCheckBox = Named(new QCheckBox(QStringLiteral("程序"), shortcuts), "ProgramCheckBox");
    ProgramCheckBox->setGeometry(150, 22, 130, 22);
    DesktopCheckBox = Named(new QCheckBox(QStringLiteral("桌面"), shortcuts), "DesktopCheckBox");
    DesktopCheckBox->setGeometry(12, 48, 130, 22);
    QuickLaunchCheckbox = Named(new QCheckBox(QStringLiteral("快捷工具栏"), shortcuts), "QuickLaunchCheckbox");
    QuickLaunchCheckbox->setGeometry(150, 48, 130, 22);
    SpeedButton6 = Named(new QPushButton(QStringLiteral("建立(&B)"), shortcuts), "SpeedButton6");
    SpeedButton6->setGeometry(330, 34, 96, 28);
    PageControl1->addTab(general, QStringLiteral("Quirebox"));

    auto* display = Named(new QWidget, "TabSheet2");
    auto previewBox = [&](const char* name, const QString& title, int top, QFrame*& shape, TZqLabel*& label,
                          const char* shapeName, const char* labelName, const QString& text) {
        auto* box = Named(new QGroupBox(title, display), name);
        box->setGeometry(16, top, 440, 88);
        shape = Named(new QFrame(box), shapeName);
        shape->setGeometry(12, 22, 416, 56);
        shape->setAutoFillBackground(true);
        shape->setCursor(Qt::PointingHandCursor);
        shape->installEventFilter(this);
        label = Named(new TZqLabel(text, shape), labelName);
        label->Transparent = true;
        label->SetDrawType(TZqLabel::dtNone);
        label->SetVCenter(true);
        label->setAlignment(Qt::AlignHCenter);
        label->LinkType = true;
        label->setGeometry(0, 0, 416, 56);
        connect(label, &TZqLabel::clicked, this, [this, label] { PickFont(label); });
        // Tab reaches the colour area and then its text; Space picks, as on a button.
        shape->setFocusPolicy(Qt::TabFocus);
        label->setFocusPolicy(Qt::TabFocus);
        label->installEventFilter(this);
    };
    previewBox("TvGroupBox", QStringLiteral("标题框设置"), 8, TvShape, TvLabel, "TvShape", "TvLabel",
               QStringLiteral("单击相应的区域可进行相应的设置"));
    previewBox("ReGroupBox", QStringLiteral("编辑框设置"), 102, ReShape, ReLabel, "ReShape", "ReLabel",
               QStringLiteral("单击文字可设置字体"));
    previewBox("GroupBox3", QStringLiteral("读书模式设置"), 196, SliderColor, SliderFontLabel, "SliderColor",
               "SliderFontLabel", QStringLiteral("滚屏文字"));
    SliderFontLabel->MouseMoveNoUnderLine = true;
    SliderColor->setGeometry(12, 18, 416, 52);
    SliderFontLabel->setGeometry(0, 0, 416, 52);
    Shape = Named(new QFrame(SliderColor->parentWidget()), "Shape");
    Shape->setGeometry(115, 74, 209, 4);
    Shape->setAutoFillBackground(true);
    Shape->setCursor(Qt::PointingHandCursor);
    Shape->installEventFilter(this);
    Shape->setFocusPolicy(Qt::TabFocus);
    PageControl1->addTab(display, QStringLiteral("显示"));

    ZqLabel7 = Named(new TZqLabel(QStringLiteral("quirebox.example.org"), this), "ZqLabel7");
    ZqLabel7->setGeometry(8, 346, 150, 24);
    ZqLabel7->SetVCenter(true);
    ZqLabel7->LinkType = true;
    ZqLabel7->SetFontColor(QColor(128, 0, 0));
    QFont bold = ZqLabel7->font();
    bold.setBold(true);
    ZqLabel7->setFont(bold);
    connect(ZqLabel7, &TZqLabel::clicked, this, [] { OpenInBrowser(QString::fromLatin1(kHomePageUrl)); });
    SpeedButton4 = Named(new QPushButton(QStringLiteral("使用默认值(&S)"), this), "SpeedButton4");
    SpeedButton4->setGeometry(170, 344, 110, 28);
    SpeedButton2 =
        Named(new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消(&C)"), this),
              "SpeedButton2");
    SpeedButton2->setGeometry(286, 344, 86, 28);
    SpeedButton3 =
        Named(new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确认(&O)"), this),
              "SpeedButton3");
    SpeedButton3->setGeometry(378, 344, 86, 28);
    for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
    connect(SpeedButton1, &QPushButton::clicked, this, &TOptionForm::BrowseFavourite);
    connect(SpeedButton6, &QPushButton::clicked, this, &TOptionForm::BuildShortcuts);
    connect(SpeedButton4, &QPushButton::clicked, this, &TOptionForm::DefaultSetting);
    connect(SpeedButton2, &QPushButton::clicked, this, &QDialog::reject);
    connect(SpeedButton3, &QPushButton::clicked, this, &QDialog::accept);
    ApplyLanguage(this);
    FitCaption(ZqLabel7);

    QbxCheckBox->setChecked(initial.Associated);
    LoadQbxCheckBox->setChecked(initial.LoadNearFile);
    FileListCheckBox->setChecked(initial.FileListVisible);
    MyLoveCheckBox->setChecked(initial.MyLoveVisible);
    MyLoveEdit->setText(initial.MyLoveFile);
    SetShapeColor(TvShape, initial.Tree.Color);
    SetShapeColor(ReShape, initial.Content.Color);
    SetLabelFont(TvLabel, initial.Tree.Font);
    SetLabelFont(ReLabel, initial.Content.Font);
    SetLabelFont(SliderFontLabel, initial.SliderFont);
    SetShapeColor(SliderColor, initial.SliderBackColor);
    SetShapeColor(Shape, initial.LineColor);
}

TColor TOptionForm::ShapeColor(const QFrame* shape) const { return shape->property("tcolor").toInt(); }

void TOptionForm::SetShapeColor(QFrame* shape, TColor color) {
    shape->setProperty("tcolor", color);
    QPalette p = shape->palette();
    p.setColor(QPalette::Window, ColorFromTColor(color));
    shape->setPalette(p);
}

void TOptionForm::SetLabelFont(TZqLabel* label, const TFontRecord& font) {
    label->setFont(FontFromRecord(font));
    label->SetFontColor(ColorFromTColor(font.Color));
    label->OldColor = ColorFromTColor(font.Color);
    label->setProperty("tcolor", font.Color);
    label->setProperty("charset", font.Charset);
}

TFontRecord TOptionForm::LabelFont(const TZqLabel* label) const {
    QFont f = label->font();
    if (label->underMouse()) f.setUnderline(false);  // the hover underline is not the font's
    return RecordFromFont(f, label->property("tcolor").toInt(), label->property("charset").toInt());
}

TOptionValues TOptionForm::Values() const {
    TOptionValues v;
    v.Associated = QbxCheckBox->isChecked();
    v.FileListVisible = FileListCheckBox->isChecked();
    v.LoadNearFile = LoadQbxCheckBox->isChecked();
    v.MyLoveVisible = MyLoveCheckBox->isChecked();
    v.MyLoveFile = MyLoveEdit->text();
    v.Tree = {ShapeColor(TvShape), LabelFont(TvLabel)};
    v.Content = {ShapeColor(ReShape), LabelFont(ReLabel)};
    v.SliderFont = LabelFont(SliderFontLabel);
    v.SliderBackColor = ShapeColor(SliderColor);
    v.LineColor = ShapeColor(Shape);
    return v;
}

void TOptionForm::BrowseFavourite() {
    const QString path = Interaction().OpenFileName(this, Message(4), QString(), Message(2));
    if (!path.isEmpty()) MyLoveEdit->setText(path);
}

// The presets come from the window and the settings, not from the shapes;
// the guide line always starts from red.
void TOptionForm::PickColor(QFrame* shape) {
    TColor preset = kClRed;
    if (shape == TvShape) preset = initial_.Tree.Color;
    if (shape == ReShape) preset = initial_.Content.Color;
    if (shape == SliderColor) preset = initial_.SliderBackColor;
    if (const auto chosen = Interaction().Color(this, ColorFromTColor(preset)))
        SetShapeColor(shape, TColorFromQColor(*chosen));
}

// The dialog starts from the label's own font and normal (not hover) colour.
void TOptionForm::PickFont(TZqLabel* label) {
    const TFontRecord before = LabelFont(label);
    QFont preset = label->font();
    preset.setUnderline(before.Style & kFontUnderline);  // not the hover underline
    const auto chosen = Interaction().Font(this, preset, label->OldColor);
    if (!chosen) return;
    label->setFont(chosen->font);
    TFontRecord updated = LabelFont(label);
    // An unchanged colour keeps its stored value, which may name a system colour.
    updated.Color = chosen->color == label->OldColor ? before.Color : TColorFromQColor(chosen->color);
    updated.Charset = before.Charset;
    SetLabelFont(label, updated);
}

void TOptionForm::DefaultSetting() {
    for (QCheckBox* b : {QbxCheckBox, FileListCheckBox, LoadQbxCheckBox, MyLoveCheckBox}) b->setChecked(true);
    SetShapeColor(TvShape, 15785955);
    SetShapeColor(ReShape, kClWindow);
    const bool chinese = LanguageFileName == QLatin1String(kChineseLanguageFile);
    const QString face = chinese ? QStringLiteral("宋体") : QStringLiteral("MS Sans Serif");
    const int charset = chinese ? 134 : 1;
    SetLabelFont(TvLabel, {kClWindowText, charset, face, 9, 0});
    SetLabelFont(ReLabel, {kClWindowText, charset, face, 9, 0});
    SetShapeColor(SliderColor, kClBlack);
    SetLabelFont(SliderFontLabel, {32768, charset, face, 30, kFontBold});
}

void TOptionForm::BuildShortcuts() {
    const QString name = Message(1) + QStringLiteral(".desktop");
    const QString description = Message(21);
    if (StartMenuCheckBox->isChecked()) CreateShortcut(executable_, "../" + name, description, "Programs");
    if (ProgramCheckBox->isChecked()) CreateShortcut(executable_, name, description, "Programs");
    if (DesktopCheckBox->isChecked()) CreateShortcut(executable_, name, description, "Desktop");
    if (QuickLaunchCheckbox->isChecked())
        CreateShortcut(executable_, "Microsoft/Internet Explorer/Quick Launch/" + name, description, "AppData");
}

void TOptionForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return accept();
    if (event->key() == Qt::Key_Escape) return reject();
    QDialog::keyPressEvent(event);
}

bool TOptionForm::eventFilter(QObject* watched, QEvent* event) {
    const auto shapes = {TvShape, ReShape, SliderColor, Shape};
    auto* shape = qobject_cast<QFrame*>(watched);
    const bool isShape = shape && std::find(shapes.begin(), shapes.end(), shape) != shapes.end();
    auto* label = qobject_cast<TZqLabel*>(watched);
    const bool space = event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    if (isShape && (event->type() == QEvent::MouseButtonPress || space)) {
        PickColor(shape);
        return true;
    }
    if (label && space) {
        PickFont(label);
        return true;
    }
    // The focused area is outlined so the keyboard user sees where Space acts.
    if (isShape && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        shape->setFrameShape(event->type() == QEvent::FocusIn ? QFrame::Box : QFrame::NoFrame);
    return QDialog::eventFilter(watched, event);
}

}  // namespace qbx
