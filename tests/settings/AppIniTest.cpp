#include "settings/AppIni.h"

#include <gtest/gtest.h>

#include "support/QtPrinting.h"

#include <QFile>
#include <QTemporaryDir>

#include "settings/MruUnit.h"

namespace qbx {
namespace {

// The main window's settings as plain values, starting from the design's.
class FakeWindow : public TSettingsWindow {
public:
    QString SectionName(Part p) const override {
        static const char* names[] = {"QbxForm", "LeftForm", "TreeView", "RichEdit", "ControlBar", "StatusBar"};
        return names[static_cast<int>(p)];
    }
    QStringList SearchHistory() const override { return history; }
    void AppendSearchHistory(const QString& t) override { history << t; }
    int WindowStateValue() const override { return state; }
    void SetWindowStateValue(int s) override { state = s; }
    QRect Bounds() const override { return bounds; }
    void SetBounds(const QRect& b) override { bounds = b; }
    QSize ScreenSize() const override { return {1920, 1080}; }
    bool IsShown() const override { return shown; }
    void ShowNow() override { shown = true; }
    int SearchIndex() const override { return searchIndex; }
    void SetSearchIndex(int i) override { searchIndex = i; }
    int LeftPaneWidth() const override { return leftWidth; }
    void SetLeftPaneWidth(int w) override { leftWidth = w; }
    bool LeftPaneVisible() const override { return leftVisible; }
    void SetLeftPaneVisible(bool v) override { leftVisible = v; }
    TViewLook TreeLook() const override { return tree; }
    void SetTreeLook(const TViewLook& l) override { tree = l; }
    TViewLook ContentLook() const override { return content; }
    void SetContentLook(const TViewLook& l) override { content = l; }
    bool WordWrap() const override { return wrap; }
    void SetWordWrap(bool w) override { wrap = w; }
    QStringList ToolbarNames() const override { return {"FileToolBar", "ViewToolBar", "OtherToolBar"}; }
    TToolbarPlace Toolbar(const QString& n) const override { return toolbars.value(n); }
    void SetToolbarVisible(const QString& n, bool v) override { toolbars[n].Visible = v; }
    void SetToolbarGeometry(const QString& n, const QRect& g) override { toolbars[n].Geometry = g; }
    bool StatusBarVisible() const override { return statusVisible; }
    void SetStatusBarVisible(bool v) override { statusVisible = v; }
    void UpdateDerivedStates() override { ++derivedUpdates; }
    int ListViewStyle() const override { return listStyle; }
    void SetListViewStyle(int s) override { listStyle = s; }

    QStringList history;
    int state = 0;
    QRect bounds{0, 0, 693, 439};
    bool shown = false;
    int searchIndex = 0, leftWidth = 180, listStyle = 0, derivedUpdates = 0;
    bool leftVisible = true, wrap = true, statusVisible = true;
    TViewLook tree{15785955, {kClWindowText, 134, QString::fromUtf8("宋体"), 9, kFontBold}};
    TViewLook content{kClWindow, {kClWindowText, 134, QString::fromUtf8("宋体"), 9, 0}};
    QMap<QString, TToolbarPlace> toolbars = {{"FileToolBar", {true, {0, 0, 200, 26}}},
                                             {"ViewToolBar", {true, {210, 0, 150, 26}}},
                                             {"OtherToolBar", {true, {370, 0, 100, 26}}}};
};

class AppIniTest : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath("qbx.ini"); }
    void Write(const QByteArray& text) {
        QFile f(Path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QTemporaryDir dir;
    FakeWindow window;
    TMru mru;
};

TEST_F(AppIniTest, NoFileGivesTheDefaults) {
    TAppIni ini(window, mru, Path());
    EXPECT_EQ(window.bounds, QRect((1920 - 693) / 2, (1080 - 439) / 2, 693, 439));
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.searchIndex, 0);
    EXPECT_EQ(window.tree.Color, 15785955);
    EXPECT_EQ(window.tree.Font.Style, 0);  // the default style is regular, not the design's bold
    EXPECT_EQ(ini.SliderFont, (TFontRecord{kClWhite, 0, "MS Sans Serif", 30, 0}));
    EXPECT_EQ(ini.SliderBackColor, kClBlack);
    EXPECT_EQ(ini.LineColor, kClRed);
    EXPECT_TRUE(ini.MouseControl);
    EXPECT_EQ(ini.PlaySpeed, 1);
    EXPECT_TRUE(ini.LoadNearFile && ini.MyLoveVisible && ini.FileListVisible);
    EXPECT_TRUE(ini.MyLoveFile.isEmpty());
    EXPECT_TRUE(window.history.isEmpty());
    EXPECT_EQ(mru.Item(0), "");
    EXPECT_EQ(window.derivedUpdates, 1);
    EXPECT_TRUE(ini.TempDir.endsWith('/'));
}

TEST_F(AppIniTest, LoadingReadsTheFile) {
    Write(
        "[SearchList]\nListValues0=a\nListValues1=b\nListValues2=c\nListValues3=\nListValues4=e\n"
        "[QbxForm]\nState=0\nWidth=800\nHeight=600\nLeft=10\nTop=20\nSearchIndex=3\nQbxFormVisible=0\n"
        "[TreeView]\nColor=-2147483643\nFontName=Noto Sans\nFontSize=12\nFontStyle=0x103\nCharset=300\n"
        "[RichEdit]\nWordWrap=0\n[ControlBar]\nViewToolBarVisible=0\nFileToolBarLeft=5\n"
        "[File]\nFileList0=\nFileList1=/docs/one.qbx\nMyLoveFile=/fav.qbx\nListViewStyle=3\nLoadNearFile=0\n");
    TAppIni ini(window, mru, Path());
    EXPECT_EQ(window.history, (QStringList{"a", "b", "c"}));
    EXPECT_EQ(window.bounds, QRect(10, 20, 800, 600));
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(window.searchIndex, 3);
    EXPECT_EQ(window.tree.Color, kClWindow);
    EXPECT_EQ(window.tree.Font, (TFontRecord{kClWindowText, 300 & 0xFF, "Noto Sans", 12, 3}));
    EXPECT_FALSE(window.wrap);
    EXPECT_FALSE(window.toolbars["ViewToolBar"].Visible);
    EXPECT_EQ(window.toolbars["FileToolBar"].Geometry, QRect(5, 0, 200, 26));
    EXPECT_EQ(mru.Item(0), "");
    EXPECT_EQ(mru.Item(1), "/docs/one.qbx");
    EXPECT_EQ(ini.MyLoveFile, "/fav.qbx");
    EXPECT_EQ(window.listStyle, 3);
    EXPECT_FALSE(ini.LoadNearFile);
}

TEST_F(AppIniTest, AMaximizedWindowIgnoresAndWritesTheFallbackBounds) {
    Write("[QbxForm]\nState=2\nWidth=1\nHeight=1\nLeft=1\nTop=1\n");
    {
        TAppIni ini(window, mru, Path());
        EXPECT_EQ(window.bounds, QRect(0, 0, 693, 439));
        EXPECT_EQ(window.state, 2);
    }
    const TIniFile saved(Path());
    EXPECT_EQ(saved.ReadInteger("QbxForm", "Width", 0), 540);
    EXPECT_EQ(saved.ReadInteger("QbxForm", "Height", 0), 411);
    EXPECT_EQ(saved.ReadInteger("QbxForm", "Left", 0), 640);
    EXPECT_EQ(saved.ReadInteger("QbxForm", "Top", 0), 360);
}

TEST_F(AppIniTest, SavingWritesEveryValueAndKeepsHiddenToolbarPlaces) {
    Write("; my settings\n[ControlBar]\nOtherToolBarLeft=99\n");
    {
        TAppIni ini(window, mru, Path());
        for (int i = 0; i < 12; ++i) window.history << QString("h%1").arg(i);
        window.toolbars["OtherToolBar"] = {false, {1, 2, 3, 4}};
        ini.NearFile = QString::fromUtf8("/home/用户/近.qbx");
        mru.Add("/r.qbx");
        ini.SliderFont.Style = kFontBold | kFontItalic;
    }
    const TIniFile saved(Path());
    EXPECT_TRUE(saved.Text().startsWith("; my settings\n"));
    EXPECT_EQ(saved.ReadString("SearchList", "ListValues11", ""), "h11");
    EXPECT_EQ(saved.ReadInteger("ControlBar", "OtherToolBarLeft", 0), 99);
    EXPECT_FALSE(saved.ReadBool("ControlBar", "OtherToolBarVisible", true));
    EXPECT_EQ(saved.ReadInteger("ControlBar", "FileToolBarWidth", 0), 200);
    EXPECT_EQ(saved.ReadString("File", "NearFile", ""), QString::fromUtf8("/home/用户/近.qbx"));
    EXPECT_EQ(saved.ReadString("File", "FileList0", ""), "/r.qbx");
    EXPECT_EQ(saved.ReadInteger("SliderRichedit", "FontStyle", 0), 3);
    EXPECT_EQ(saved.ReadInteger("RichEdit", "Color", 0), kClWindow);
    EXPECT_EQ(saved.ReadString("File", "LanguageIniFile", ""), "qbxchs.ini");

    FakeWindow next;
    TMru nextMru;
    TAppIni again(next, nextMru, Path());
    EXPECT_EQ(next.history.size(), 10);  // only ListValues0..9 are read back
    EXPECT_EQ(nextMru.Item(0), "/r.qbx");
    EXPECT_EQ(next.toolbars["OtherToolBar"].Geometry.left(), 99);
}

TEST_F(AppIniTest, AnUnwritableFileIsReportedToTheCaller) {
    QFile blocker(dir.filePath("folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TAppIni ini(window, mru, dir.filePath("folder/qbx.ini"));
    EXPECT_FALSE(ini.Save());
}

}  // namespace
}  // namespace qbx
