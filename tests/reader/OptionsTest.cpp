// The options dialog and what OK applies.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "controls/ZqLabel.h"
#include "dialogs/QbxOption.h"
#include "reader/MainFun.h"
#include "reader/MainUnit.h"
#include "settings/QbxConst.h"
#include "settings/RegUnit.h"
#include "shell/Association.h"
#include "support/QtPrinting.h"
#include "support/ScriptedInteraction.h"

namespace qbx {
namespace {

using namespace testing;

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        qputenv("HOME", home.path().toUtf8());  // the desktop folder is below it
        form = std::make_unique<TQbxForm>(dir.filePath("qbx.ini"));
    }
    void TearDown() override {
        form.reset();
        CurrentDocument.reset();
        LanguageFileName = kChineseLanguageFile;
    }
    QTemporaryDir dir, data, home;
    ScriptedInteraction script;
    std::unique_ptr<TQbxForm> form;
};

TEST_F(OptionsTest, OkAppliesCancelKeepsButShortcutsStay) {
    // Cancel: nothing changes, but shortcuts built meanwhile stay.
    script.dialogs.push_back([](QDialog* d) {
        auto* o = static_cast<TOptionForm*>(d);
        o->FileListCheckBox->setChecked(false);
        o->ProgramCheckBox->setChecked(true);
        o->SpeedButton6->click();
        return QDialog::Rejected;
    });
    form->Action("OptionAction")->trigger();
    EXPECT_TRUE(form->AppIni->FileListVisible);
    EXPECT_TRUE(QFile::exists(data.filePath("applications/" + Message(1) + ".desktop")));

    script.dialogs.push_back([](QDialog* d) {
        auto* o = static_cast<TOptionForm*>(d);
        EXPECT_FALSE(o->QbxCheckBox->isChecked());
        o->QbxCheckBox->setChecked(true);
        o->FileListCheckBox->setChecked(false);
        o->MyLoveEdit->setText("/no/such/favourite.qbx");
        return QDialog::Accepted;
    });
    form->Action("OptionAction")->trigger();
    EXPECT_TRUE(IsAssociated());
    EXPECT_FALSE(form->AppIni->FileListVisible);
    EXPECT_FALSE(form->Menu("RecentFileMenuitem")->menuAction()->isVisible());
    EXPECT_EQ(form->AppIni->MyLoveFile, "/no/such/favourite.qbx");  // taken without checking
    EXPECT_TRUE(form->findChild<QAction*>("MyLoveMenuItem")->isEnabled());

    script.dialogs.push_back([](QDialog* d) {
        auto* o = static_cast<TOptionForm*>(d);
        EXPECT_TRUE(o->QbxCheckBox->isChecked());
        o->QbxCheckBox->setChecked(false);  // OK with the box clear removes ours
        o->MyLoveEdit->clear();             // and no favourite disables it
        return QDialog::Accepted;
    });
    form->Action("OptionAction")->trigger();
    EXPECT_FALSE(IsAssociated());
    EXPECT_FALSE(form->findChild<QAction*>("MyLoveMenuItem")->isEnabled());
}

TEST_F(OptionsTest, DefaultSettingByLanguage) {
    TOptionValues values;
    values.LineColor = 0x00FF00;
    values.MyLoveFile = "/keep.qbx";
    {
        LanguageFileName = kChineseLanguageFile;
        TOptionForm o(values, "/x");
        o.DefaultSetting();
        const TOptionValues v = o.Values();
        EXPECT_EQ(v.Tree.Color, 15785955);
        EXPECT_EQ(v.Content.Color, kClWindow);
        EXPECT_EQ(v.Tree.Font.Name, QString::fromUtf8("宋体"));
        EXPECT_EQ(v.Tree.Font.Charset, 134);
        EXPECT_EQ(v.Tree.Font.Size, 9);
        EXPECT_EQ(v.SliderFont, (TFontRecord{32768, 134, QString::fromUtf8("宋体"), 30, kFontBold}));
        EXPECT_EQ(v.SliderBackColor, kClBlack);
        EXPECT_EQ(v.LineColor, 0x00FF00);  // untouched
        EXPECT_EQ(v.MyLoveFile, "/keep.qbx");
    }
    LanguageFileName = kEnglishLanguageFile;
    TOptionForm o(values, "/x");
    o.DefaultSetting();
    EXPECT_EQ(o.Values().Tree.Font.Name, "MS Sans Serif");
    EXPECT_EQ(o.Values().Tree.Font.Charset, 1);
}

TEST_F(OptionsTest, TheHomePageLinkShowsWhollyInEitherLanguage) {
    ASSERT_TRUE(WriteEnglishLanguageFile());
    for (const auto& [file, caption] : {std::pair{kChineseLanguageFile, "quirebox.example.org"},
                                        std::pair{kEnglishLanguageFile, "https://quirebox.example.org/"}}) {
        SCOPED_TRACE(file);
        LanguageFileName = file;
        TOptionForm o(TOptionValues{}, "/x");
        EXPECT_EQ(o.ZqLabel7->text(), QString::fromLatin1(caption));
        EXPECT_LE(QFontMetrics(o.ZqLabel7->font()).horizontalAdvance(o.ZqLabel7->text()),
                  o.ZqLabel7->contentsRect().width());
        EXPECT_TRUE(o.ZqLabel7->font().bold());
    }
}

TEST_F(OptionsTest, ColourPresetsComeFromTheWindowAndTheGuideLineFromRed) {
    struct ColourScript : ScriptedInteraction {
        std::vector<QColor> presets;
        std::optional<QColor> Color(QWidget*, const QColor& initial) override {
            presets.push_back(initial);
            return QColor(1, 2, 3);
        }
    } colours;
    TOptionValues values;
    values.Tree.Color = 0x0000FF;  // red in the settings' byte order
    values.LineColor = 0xFF0000;   // blue
    TOptionForm o(values, "/x");
    o.PickColor(o.TvShape);
    o.PickColor(o.TvShape);  // a colour picked before is not the preset
    o.PickColor(o.Shape);
    ASSERT_EQ(colours.presets.size(), 3u);
    EXPECT_EQ(colours.presets[0], QColor(255, 0, 0));
    EXPECT_EQ(colours.presets[1], QColor(255, 0, 0));
    EXPECT_EQ(colours.presets[2], QColor(255, 0, 0));  // always red for the guide line
    EXPECT_EQ(o.Values().Tree.Color, 0x030201);
}

TEST_F(OptionsTest, FontPickTakesFontAndColourAndCancelKeepsBoth) {
    ScriptedInteraction script;
    TOptionValues values;
    values.Content.Font = {kClWindowText, 134, "Noto Sans", 9, 0};
    values.SliderFont = {0x0000FF, 134, "Noto Sans", 30, kFontBold};
    TOptionForm o(values, "/x");

    QFont picked("Noto Serif", 14);
    picked.setItalic(true);
    script.fonts.push_back({picked, QColor(0, 128, 0)});
    o.PickFont(o.SliderFontLabel);
    ASSERT_EQ(script.asked.back().kind, "font");
    EXPECT_EQ(script.asked.back().caption, QColor(255, 0, 0).name());  // preset with the label's colour
    const TFontRecord slider = o.Values().SliderFont;
    EXPECT_EQ(slider, (TFontRecord{0x008000, 134, "Noto Serif", 14, kFontItalic}));

    // Keeping the colour keeps the system colour it names; cancelling changes nothing.
    script.fonts.push_back({QFont("Noto Serif", 12), o.ReLabel->OldColor});
    o.PickFont(o.ReLabel);
    EXPECT_EQ(o.Values().Content.Font.Color, kClWindowText);
    EXPECT_EQ(o.Values().Content.Font.Size, 12);
    o.PickFont(o.ReLabel);
    EXPECT_EQ(o.Values().Content.Font.Size, 12);
    EXPECT_EQ(o.Values().SliderFont, slider);
}

TEST_F(OptionsTest, SpacePicksTheColourOrFontOfTheFocusedArea) {
    ScriptedInteraction script;
    TOptionForm o(TOptionValues{}, "/x");
    o.show();
    for (QWidget* w : std::initializer_list<QWidget*>{o.TvShape, o.TvLabel, o.SliderColor, o.Shape}) {
        w->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w, Qt::Key_Space);
    }
    QStringList kinds;
    for (const auto& a : script.asked) kinds << a.kind;
    EXPECT_EQ(kinds, QStringList({"color", "font", "color", "color"}));
}

TEST_F(OptionsTest, EnterIsOkEscapeIsCancel) {
    TOptionForm o(TOptionValues{}, "/x");
    o.show();
    QTest::keyClick(o.MyLoveEdit, Qt::Key_Return);
    EXPECT_EQ(o.result(), QDialog::Accepted);
    TOptionForm p(TOptionValues{}, "/x");
    p.show();
    QTest::keyClick(&p, Qt::Key_Escape);
    EXPECT_EQ(p.result(), QDialog::Rejected);
}

TEST_F(OptionsTest, ShortcutsInAllFourFoldersOrNone) {
    TOptionForm none(TOptionValues{}, "/opt/q/QbxRead");
    none.BuildShortcuts();
    EXPECT_TRUE(QDir(data.filePath("applications")).isEmpty() || !QDir(data.filePath("applications")).exists());
    TOptionForm all(TOptionValues{}, "/opt/q/QbxRead");
    for (QCheckBox* b : {all.StartMenuCheckBox, all.ProgramCheckBox, all.DesktopCheckBox, all.QuickLaunchCheckbox})
        b->setChecked(true);
    all.BuildShortcuts();
    const QString name = Message(1) + ".desktop";
    EXPECT_TRUE(QFile::exists(data.filePath("applications/" + name)));
    EXPECT_TRUE(QFile::exists(data.filePath(name)));
}

}  // namespace
}  // namespace qbx
