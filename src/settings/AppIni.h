// TAppIni: the settings in memory. Loading reads "qbx.ini" into the main
// window (through TSettingsWindow) and into its own fields; saving writes
// everything back, once, when the main window closes.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "IniFile.h"

namespace qbx {

class TMru;

// Colours are stored as the 32-bit numbers documents and settings of the
// Windows era use: 0x00BBGGRR, or the top bit and a system colour index.
using TColor = int32_t;
constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000);
constexpr TColor kClWindow = kSystemColorFlag | 5;      // window background
constexpr TColor kClWindowText = kSystemColorFlag | 8;  // window text
constexpr TColor kClRed = 0x0000FF;
constexpr TColor kClBlack = 0;
constexpr TColor kClWhite = 0xFFFFFF;

enum FontStyleBit : uint8_t { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

struct TFontRecord {
    TColor Color = kClWindowText;
    int32_t Charset = 1;
    QString Name;
    int32_t Size = 9;
    uint8_t Style = 0;
    bool operator==(const TFontRecord&) const = default;
};

// A view's background colour and font as the settings hold them.
struct TViewLook {
    TColor Color = kClWindow;
    TFontRecord Font;
};

struct TToolbarPlace {
    bool Visible = true;
    QRect Geometry;  // inside the control bar
};

// What loading and saving need from the main window. Section names are the
// window's component names; the getters give the current (design) values
// that serve as defaults.
class TSettingsWindow {
public:
    virtual ~TSettingsWindow() = default;
    enum class Part { MainWindow, LeftPane, Tree, Content, ControlBar, StatusBar };
    virtual QString SectionName(Part part) const = 0;

    virtual QStringList SearchHistory() const = 0;
    virtual void AppendSearchHistory(const QString& text) = 0;
    virtual int WindowStateValue() const = 0;  // 0 normal, 1 minimized, 2 maximized
    virtual void SetWindowStateValue(int state) = 0;
    virtual QRect Bounds() const = 0;
    virtual void SetBounds(const QRect& bounds) = 0;
    virtual QSize ScreenSize() const = 0;
    virtual bool IsShown() const = 0;
    virtual void ShowNow() = 0;
    virtual int SearchIndex() const = 0;
    virtual void SetSearchIndex(int index) = 0;
    virtual int LeftPaneWidth() const = 0;
    virtual void SetLeftPaneWidth(int width) = 0;
    virtual bool LeftPaneVisible() const = 0;
    virtual void SetLeftPaneVisible(bool visible) = 0;
    virtual TViewLook TreeLook() const = 0;
    virtual void SetTreeLook(const TViewLook& look) = 0;
    virtual TViewLook ContentLook() const = 0;
    virtual void SetContentLook(const TViewLook& look) = 0;
    virtual bool WordWrap() const = 0;
    virtual void SetWordWrap(bool wrap) = 0;
    // The toolbars in the control bar's order.
    virtual QStringList ToolbarNames() const = 0;
    virtual TToolbarPlace Toolbar(const QString& name) const = 0;
    virtual void SetToolbarVisible(const QString& name, bool visible) = 0;
    virtual void SetToolbarGeometry(const QString& name, const QRect& geometry) = 0;
    virtual bool StatusBarVisible() const = 0;
    virtual void SetStatusBarVisible(bool visible) = 0;
    // The commands whose check marks follow the pane, word wrap and status bar.
    virtual void UpdateDerivedStates() = 0;
    virtual int ListViewStyle() const = 0;  // 0 large icons, 1 small icons, 2 list, 3 details
    virtual void SetListViewStyle(int style) = 0;
};

class TAppIni {
public:
    // Loads from `path` (the configuration folder's qbx.ini by default).
    TAppIni(TSettingsWindow& window, TMru& mru, const QString& path = QString());
    // Saves; see Save().
    ~TAppIni();
    TAppIni(const TAppIni&) = delete;
    TAppIni& operator=(const TAppIni&) = delete;

    // Writes every value back; false when the file could not be written
    // (the settings save at exit ignores that).
    bool Save();

    QString IniFileName = QStringLiteral("qbx.ini");
    QString MyLoveFile;
    QString NearFile;
    bool LoadNearFile = true;
    bool MyLoveVisible = true;
    bool FileListVisible = true;
    TColor LineColor = kClRed;
    TFontRecord SliderFont;
    TColor SliderBackColor = kClBlack;
    bool MouseControl = true;
    int32_t PlaySpeed = 1;
    QString TempDir;

private:
    void Load();
    TViewLook ReadLook(const QString& section, const TViewLook& current) const;
    void WriteLook(const QString& section, const TViewLook& look);

    TSettingsWindow& window_;
    TMru& mru_;
    TIniFile ini_;
    bool saved_ = false;
};

}  // namespace qbx
