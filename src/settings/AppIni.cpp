#include "AppIni.h"

#include <QDir>

#include "MruUnit.h"
#include "RegUnit.h"

namespace qbx {
namespace {

constexpr int kHistoryKeys = 10;
constexpr int kMaximized = 2;

QString ListValues(int i) { return QStringLiteral("ListValues%1").arg(i); }

}  // namespace

TAppIni::TAppIni(TSettingsWindow& window, TMru& mru, const QString& path)
    : window_(window), mru_(mru), ini_(path.isEmpty() ? ConfigDir() + QString::fromLatin1(kSettingsFileName) : path) {
    Load();
}

TAppIni::~TAppIni() {
    if (!saved_) Save();
}

TViewLook TAppIni::ReadLook(const QString& section, const TViewLook& current) const {
    TViewLook look;
    look.Color = ini_.ReadInteger(section, QStringLiteral("Color"), current.Color);
    look.Font.Name = ini_.ReadString(section, QStringLiteral("FontName"), current.Font.Name);
    look.Font.Size = ini_.ReadInteger(section, QStringLiteral("FontSize"), current.Font.Size);
    look.Font.Color = ini_.ReadInteger(section, QStringLiteral("FontColor"), current.Font.Color);
    look.Font.Charset = ini_.ReadInteger(section, QStringLiteral("Charset"), current.Font.Charset) & 0xFF;
    // The style's default is regular, not the current style.
    look.Font.Style = static_cast<uint8_t>(ini_.ReadInteger(section, QStringLiteral("FontStyle"), 0) & 0xFF);
    return look;
}

void TAppIni::WriteLook(const QString& section, const TViewLook& look) {
    ini_.WriteInteger(section, QStringLiteral("Color"), look.Color);
    ini_.WriteString(section, QStringLiteral("FontName"), look.Font.Name);
    ini_.WriteInteger(section, QStringLiteral("FontSize"), look.Font.Size);
    ini_.WriteInteger(section, QStringLiteral("FontColor"), look.Font.Color);
    ini_.WriteInteger(section, QStringLiteral("Charset"), look.Font.Charset & 0xFF);
    ini_.WriteInteger(section, QStringLiteral("FontStyle"), look.Font.Style & 0x0F);
}

void TAppIni::Load() {
    using Part = TSettingsWindow::Part;
    TempDir = QDir::tempPath() + u'/';

    for (int i = 0; i < kHistoryKeys; ++i) {
        const QString v = ini_.ReadString(QStringLiteral("SearchList"), ListValues(i), QString());
        if (v.isEmpty()) break;
        window_.AppendSearchHistory(v);
    }

    const QString main = window_.SectionName(Part::MainWindow);
    const int state = ini_.ReadInteger(main, QStringLiteral("State"), window_.WindowStateValue());
    window_.SetWindowStateValue(state);
    if (state != kMaximized) {
        const QRect current = window_.Bounds();
        const QSize screen = window_.ScreenSize();
        const int width = ini_.ReadInteger(main, QStringLiteral("Width"), current.width());
        const int height = ini_.ReadInteger(main, QStringLiteral("Height"), current.height());
        const int top = ini_.ReadInteger(main, QStringLiteral("Top"), (screen.height() - current.height()) / 2);
        const int left = ini_.ReadInteger(main, QStringLiteral("Left"), (screen.width() - current.width()) / 2);
        window_.SetBounds(QRect(left, top, width, height));
    }
    if (ini_.ReadBool(main, QStringLiteral("QbxFormVisible"), true)) window_.ShowNow();
    window_.SetSearchIndex(ini_.ReadInteger(main, QStringLiteral("SearchIndex"), 0));

    const QString left = window_.SectionName(Part::LeftPane);
    window_.SetLeftPaneWidth(ini_.ReadInteger(left, QStringLiteral("Width"), window_.LeftPaneWidth()));
    window_.SetLeftPaneVisible(ini_.ReadBool(left, QStringLiteral("Visible"), window_.LeftPaneVisible()));

    const QString slider = QStringLiteral("SliderForm");
    MouseControl = ini_.ReadBool(slider, QStringLiteral("MouseControl"), true);
    PlaySpeed = ini_.ReadInteger(slider, QStringLiteral("PlaySpeed"), 1);
    LineColor = ini_.ReadInteger(slider, QStringLiteral("LineColor"), kClRed);
    SliderBackColor = ini_.ReadInteger(slider, QStringLiteral("FontColor"), kClBlack);

    window_.SetTreeLook(ReadLook(window_.SectionName(Part::Tree), window_.TreeLook()));
    const QString content = window_.SectionName(Part::Content);
    window_.SetContentLook(ReadLook(content, window_.ContentLook()));
    window_.SetWordWrap(ini_.ReadBool(content, QStringLiteral("WordWrap"), window_.WordWrap()));

    const QString sliderFont = QStringLiteral("SliderRichedit");
    SliderFont.Name = ini_.ReadString(sliderFont, QStringLiteral("FontName"), QStringLiteral("MS Sans Serif"));
    SliderFont.Size = ini_.ReadInteger(sliderFont, QStringLiteral("FontSize"), 30);
    SliderFont.Color = ini_.ReadInteger(sliderFont, QStringLiteral("FontColor"), kClWhite);
    SliderFont.Charset = ini_.ReadInteger(sliderFont, QStringLiteral("Charset"), 0) & 0xFF;
    SliderFont.Style = static_cast<uint8_t>(ini_.ReadInteger(sliderFont, QStringLiteral("FontStyle"), 0) & 0xFF);

    const QString bar = window_.SectionName(Part::ControlBar);
    for (const QString& name : window_.ToolbarNames()) {
        window_.SetToolbarVisible(name, ini_.ReadBool(bar, name + QStringLiteral("Visible"), true));
        QRect g = window_.Toolbar(name).Geometry;
        g.moveLeft(ini_.ReadInteger(bar, name + QStringLiteral("Left"), g.left()));
        window_.SetToolbarGeometry(name, g);
        g.moveTop(ini_.ReadInteger(bar, name + QStringLiteral("Top"), g.top()));
        window_.SetToolbarGeometry(name, g);
        g.setWidth(ini_.ReadInteger(bar, name + QStringLiteral("Width"), g.width()));
        window_.SetToolbarGeometry(name, g);
        g.setHeight(ini_.ReadInteger(bar, name + QStringLiteral("Height"), g.height()));
        window_.SetToolbarGeometry(name, g);
    }

    const QString status = window_.SectionName(Part::StatusBar);
    window_.SetStatusBarVisible(ini_.ReadBool(status, QStringLiteral("Visible"), window_.StatusBarVisible()));
    window_.UpdateDerivedStates();

    const QString file = QStringLiteral("File");
    MyLoveFile = ini_.ReadString(file, QStringLiteral("MyLoveFile"), QString());
    NearFile = ini_.ReadString(file, QStringLiteral("NearFile"), QString());
    for (int i = TMru::kCount - 1; i >= 0; --i)
        mru_.Add(ini_.ReadString(file, QStringLiteral("FileList%1").arg(i), QString()));
    LoadNearFile = ini_.ReadBool(file, QStringLiteral("LoadNearFile"), true);
    MyLoveVisible = ini_.ReadBool(file, QStringLiteral("MyLoveVisible"), true);
    FileListVisible = ini_.ReadBool(file, QStringLiteral("FileListVisible"), true);
    window_.SetListViewStyle(ini_.ReadInteger(file, QStringLiteral("ListViewStyle"), 0));
}

bool TAppIni::Save() {
    using Part = TSettingsWindow::Part;
    saved_ = true;
    const QStringList history = window_.SearchHistory();
    for (int i = 0; i < history.size(); ++i) ini_.WriteString(QStringLiteral("SearchList"), ListValues(i), history[i]);
    for (int i = static_cast<int>(history.size()); i < kHistoryKeys; ++i)
        ini_.WriteString(QStringLiteral("SearchList"), ListValues(i), QString());

    const QString main = window_.SectionName(Part::MainWindow);
    ini_.WriteBool(main, QStringLiteral("QbxFormVisible"), window_.IsShown());
    const int state = window_.WindowStateValue();
    ini_.WriteInteger(main, QStringLiteral("State"), state);
    ini_.WriteInteger(main, QStringLiteral("SearchIndex"), window_.SearchIndex());
    QRect bounds = window_.Bounds();
    if (state != 0) {  // a maximized or minimized window has no size of its own to keep
        const QSize screen = window_.ScreenSize();
        bounds = QRect(screen.width() / 3, screen.height() / 3, 540, 411);
    }
    ini_.WriteInteger(main, QStringLiteral("Width"), bounds.width());
    ini_.WriteInteger(main, QStringLiteral("Height"), bounds.height());
    ini_.WriteInteger(main, QStringLiteral("Left"), bounds.left());
    ini_.WriteInteger(main, QStringLiteral("Top"), bounds.top());

    const QString slider = QStringLiteral("SliderForm");
    ini_.WriteBool(slider, QStringLiteral("MouseControl"), MouseControl);
    ini_.WriteInteger(slider, QStringLiteral("PlaySpeed"), PlaySpeed);
    ini_.WriteInteger(slider, QStringLiteral("LineColor"), LineColor);
    ini_.WriteInteger(slider, QStringLiteral("FontColor"), SliderBackColor);

    const QString left = window_.SectionName(Part::LeftPane);
    ini_.WriteInteger(left, QStringLiteral("Width"), window_.LeftPaneWidth());
    ini_.WriteBool(left, QStringLiteral("Visible"), window_.LeftPaneVisible());

    WriteLook(window_.SectionName(Part::Tree), window_.TreeLook());
    const QString content = window_.SectionName(Part::Content);
    WriteLook(content, window_.ContentLook());
    ini_.WriteBool(content, QStringLiteral("WordWrap"), window_.WordWrap());

    const QString sliderFont = QStringLiteral("SliderRichedit");
    ini_.WriteString(sliderFont, QStringLiteral("FontName"), SliderFont.Name);
    ini_.WriteInteger(sliderFont, QStringLiteral("FontSize"), SliderFont.Size);
    ini_.WriteInteger(sliderFont, QStringLiteral("FontColor"), SliderFont.Color);
    ini_.WriteInteger(sliderFont, QStringLiteral("Charset"), SliderFont.Charset & 0xFF);
    ini_.WriteInteger(sliderFont, QStringLiteral("FontStyle"), SliderFont.Style & 0x0F);

    // Saved in this order; a hidden toolbar keeps the position stored earlier.
    const QString bar = window_.SectionName(Part::ControlBar);
    for (const char* name : {"OtherToolBar", "ViewToolBar", "FileToolBar"}) {
        const QString n = QString::fromLatin1(name);
        if (!window_.ToolbarNames().contains(n)) continue;
        const TToolbarPlace place = window_.Toolbar(n);
        ini_.WriteBool(bar, n + QStringLiteral("Visible"), place.Visible);
        if (!place.Visible) continue;
        ini_.WriteInteger(bar, n + QStringLiteral("Left"), place.Geometry.left());
        ini_.WriteInteger(bar, n + QStringLiteral("Top"), place.Geometry.top());
        ini_.WriteInteger(bar, n + QStringLiteral("Width"), place.Geometry.width());
        ini_.WriteInteger(bar, n + QStringLiteral("Height"), place.Geometry.height());
    }

    ini_.WriteBool(window_.SectionName(Part::StatusBar), QStringLiteral("Visible"), window_.StatusBarVisible());

    const QString file = QStringLiteral("File");
    ini_.WriteString(file, QStringLiteral("MyLoveFile"), MyLoveFile);
    ini_.WriteString(file, QStringLiteral("NearFile"), NearFile);
    for (int i = 0; i < TMru::kCount; ++i) ini_.WriteString(file, QStringLiteral("FileList%1").arg(i), mru_.Item(i));
    ini_.WriteBool(file, QStringLiteral("LoadNearFile"), LoadNearFile);
    ini_.WriteBool(file, QStringLiteral("MyLoveVisible"), MyLoveVisible);
    ini_.WriteBool(file, QStringLiteral("FileListVisible"), FileListVisible);
    ini_.WriteInteger(file, QStringLiteral("ListViewStyle"), window_.ListViewStyle());
    ini_.WriteString(file, QStringLiteral("LanguageIniFile"), LanguageFileName);
    return ini_.Save();
}

}  // namespace qbx
