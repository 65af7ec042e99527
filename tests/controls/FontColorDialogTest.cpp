#include "controls/FontColorDialog.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QTest>

namespace qbx {
namespace {

TEST(FontColorDialogTest, StartsFromThePresetAndKeepsTheFontPageInside) {
    QFont preset("DejaVu Sans", 15);
    preset.setBold(true);
    TFontColorDialog dialog(preset, QColor(10, 20, 30));
    EXPECT_EQ(dialog.SelectedFont().pointSize(), 15);
    EXPECT_TRUE(dialog.SelectedFont().bold());
    EXPECT_EQ(dialog.SelectedColor(), QColor(10, 20, 30));

    // One row of OK/Cancel: the embedded font page brings no buttons or window of its own.
    EXPECT_EQ(dialog.findChildren<QDialogButtonBox*>(Qt::FindDirectChildrenOnly).size(), 1);
    auto* page = dialog.findChild<QFontDialog*>();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->isWindow());

    dialog.SetColor(QColor(Qt::green));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.SelectedColor(), QColor(Qt::green));
}

}  // namespace
}  // namespace qbx
