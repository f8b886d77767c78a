// The grid widget as a user drives it: typing into a cell, the system clipboard, read-only cells. The
// clipboard texts, clearing and row deletion are the cell store's tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "grid/CGridCtrl.h"
#include "testhost/ModalDriver.h"

namespace {

using ov::CGridCtrl;

class GridCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ovtest::EnsureTestApplication();
        grid = std::make_unique<CGridCtrl>();
        const std::vector<double> values{1, 2, 3, 0.5, 0.25, 0.125};
        grid->LoadNumbers(values.data(), 3, 2);
        grid->SetModified(false);
        grid->resize(400, 300);
        grid->show();
        grid->setFocus();
    }
    std::unique_ptr<CGridCtrl> grid;
};

TEST_F(GridCtrlTest, ClipboardRoundTripThroughTheSystemClipboard)
{
    grid->SelectCells({1, 1, 2, 2});
    grid->Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "1\t0.5\r\n2\t0.25");
    QApplication::clipboard()->setText("7,8\r\n9\t10\r\n");
    grid->SelectCells({2, 1, 2, 1});
    grid->Paste();
    EXPECT_EQ(grid->CellValues(), (std::vector<double>{1, 7, 9, 0.5, 8, 10}));
    EXPECT_TRUE(grid->GetModified());
}

TEST_F(GridCtrlTest, ReadOnlyGridTakesNoPasteCutOrTyping)
{
    grid->SetEditable(false);
    QApplication::clipboard()->setText("5");
    grid->SelectCells({1, 1, 1, 1});
    grid->Paste();
    grid->Cut();
    QTest::keyClicks(grid.get(), "9");
    QTest::keyClick(grid.get(), Qt::Key_Delete);
    EXPECT_EQ(grid->GetItemText(1, 1), "1");
    EXPECT_FALSE(grid->GetModified());
}

TEST_F(GridCtrlTest, TypingEditsInPlaceAndEnterEndsTheEdit)
{
    grid->SelectCells({2, 2, 2, 2});
    QTest::keyClicks(grid.get(), "4");
    ASSERT_TRUE(grid->IsEditing());
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "2.5");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetItemText(2, 2), "42.5");
}

}  // namespace
