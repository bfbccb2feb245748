// Changing the active field on the real window: the stored text is loaded
// and the focus frame moves with the repaint of the two boxes alone.
#include <gtest/gtest.h>

#include <cstring>

#include "app/main_window.h"
#include "edit/field_geometry.h"
#include "edit/focus.h"
#include "ledger/ledger.h"
#include "view/layout.h"
#include "view/window_layout.h"
#include "win/harness.h"

namespace {

bool dark(int32_t x, int32_t y) { return GetRValue(clientPixel(x, y)) < 128; }

int32_t middle(int32_t a, int32_t b) { return (a + b) / 2; }

// The outer frame line to the left of a box.
bool framed(const PixelRect& box) { return dark(box.left - 1, middle(box.top, box.bottom)); }

class FocusOnWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(openMainWindow(800, 600), nullptr);
        SetWindowPos(mainWindow, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pumpMessages();
    }
    void TearDown() override { closeMainWindow(); }
};

TEST_F(FocusOnWindow, ActivatingAHeaderFieldLoadsItAndMovesTheFrame)
{
    ASSERT_TRUE(framed(headerRects.balanceSign));
    activateField(BalanceInteger);
    EXPECT_EQ(editFocus.area, Header);
    EXPECT_EQ(editFocus.headerField, BalanceInteger);
    EXPECT_STREQ(editFocus.editText.data(), "000000000000000000000");
    EXPECT_EQ(editFocus.selectionEnd, 21);
    EXPECT_EQ(editFocus.selectionShown, 1);
    EXPECT_FALSE(framed(headerRects.balanceSign));
    EXPECT_TRUE(framed(headerRects.balanceInteger));
    // The digits are selected: the text band inside the box is inverted,
    // mostly dark, while the margins stay white.
    const PixelRect& box = headerRects.balanceInteger;
    const int32_t ch = measureScreenText().charHeight;
    const int32_t y = textTop(screen, box.top, ch);
    int32_t darkCount = 0, count = 0;
    for (int32_t x = box.left + ch; x < box.right - ch; x += 3)
        for (int32_t row = y; row < y + ch; row += 2, ++count) darkCount += dark(x, row);
    EXPECT_GT(darkCount, count / 2);
    EXPECT_FALSE(dark(box.left + ch - 2, middle(box.top, box.bottom)));
}

TEST_F(FocusOnWindow, ActivatingATransactionFieldFramesItsBox)
{
    const TextMeasures t = measureScreenText();
    activateField(0, Description);
    EXPECT_EQ(editFocus.area, Transactions);
    EXPECT_EQ(editFocus.transactionIndex, 0);
    EXPECT_EQ(editFocus.editText[0], 0);
    const PixelRect box = transactionFieldBox(screen, t, 0, Description);
    EXPECT_TRUE(framed(box));
    EXPECT_TRUE(dark(box.right, middle(box.top, box.bottom)));
    EXPECT_FALSE(framed(headerRects.balanceSign));
    activateField(RateFraction);
    EXPECT_FALSE(framed(box));
    EXPECT_TRUE(framed(headerRects.rateFraction));
}

TEST_F(FocusOnWindow, LeavingTheWholeDocumentSelectsTheStoredSign)
{
    setSign(ledger.header.beginningBalance.sign, '-');
    editFocus.area = WholeDocument;
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
    const int32_t valueY = lineTop(5) + screen.lineHeight / 2;
    ASSERT_TRUE(dark(screen.blockRight - 1, valueY)) << "the body is inverted";
    ASSERT_FALSE(framed(headerRects.balanceSign));

    leaveWholeDocument();
    EXPECT_EQ(editFocus.area, Header);
    EXPECT_EQ(editFocus.headerField, BalanceSign);
    EXPECT_STREQ(editFocus.editText.data(), "-");
    EXPECT_EQ(editFocus.caret, 0);
    EXPECT_EQ(editFocus.selectionStart, 0);
    EXPECT_EQ(editFocus.selectionEnd, 1);
    EXPECT_EQ(editFocus.selectionShown, 1);
    EXPECT_FALSE(dark(screen.blockRight - 1, valueY)) << "the inversion is gone";
    EXPECT_TRUE(framed(headerRects.balanceSign));
}

}  // namespace
