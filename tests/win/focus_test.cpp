// Where the focus goes and what the screen shows on the real window: Escape and Enter, the scroll
// bar's requests and the scroll keys, the whole-document selection, Tab round the end of the table,
// commits by a click, and input into a field scrolled out of view.
#include <gtest/gtest.h>

#include <cstring>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "edit/focus.h"
#include "support/ledger_builders.h"
#include "view/field_geometry.h"
#include "view/window_layout.h"
#include "win/harness.h"

namespace {

// 600 pixels of client at 96 dpi: the body from y = 121 in lines of 22, 20 of them visible.
constexpr int32_t bodyTop = 121, lineHeight = 22, visibleLines = 20;

using Focus = MainWindowTest;

void scrollTo(int32_t line) { SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, line), 0); }

bool lineInView(int32_t line) { return line >= screen.scrollLine && line < screen.scrollLine + visibleLines; }

// The focus as (field, edit text, caret, selection start, end, shown).
auto focusOf(const EditFocus& f)
{
    return std::tuple(f.area, f.area == Header ? f.headerField : BalanceSign,
                      f.area == Transactions ? f.transactionIndex : -1,
                      f.area == Transactions ? f.transactionField : Description, text(f.editText), f.caret,
                      f.selectionStart, f.selectionEnd, f.selectionShown);
}
auto headerSelected(HeaderField field, const std::string& text)
{
    return std::tuple(Header, field, -1, Description, text, 0, 0, int32_t(text.size()), 1);
}
auto transactionSelected(int32_t index, TransactionField field, const std::string& text)
{
    return std::tuple(Transactions, BalanceSign, index, field, text, 0, 0, int32_t(text.size()), 1);
}

}  // namespace

// Escape throws the typed digits away and selects the stored ones without a recalculation; Enter
// stores the padded text and shows it so, all selected.
TEST_F(Focus, EscapeAndEnterShowTheStoredValueSelected)
{
    const int32_t loan = addAmount(ledger, Loan, 1, "12");
    showLedger();
    activateField(loan, AmountInteger);
    typeText("99");
    std::memset(&ledger.previousTotals, 0x55, sizeof ledger.previousTotals);  // a recalculation replaces it
    static Ledger before;
    before = ledger;
    pressKey(VK_ESCAPE);
    EXPECT_EQ(focusOf(editFocus), transactionSelected(loan, AmountInteger, std::string(19, '0') + "12"));
    EXPECT_EQ(std::memcmp(&before, &ledger, sizeof ledger), 0) << "Escape changed the ledger";
    pressKey(VK_RETURN);
    EXPECT_EQ(std::memcmp(&before, &ledger, sizeof ledger), 0) << "an unchanged value was recalculated";
    expectNothingStale("Escape");

    const std::string zeros(21, '0');
    const struct {
        FieldId field;
        const char* typed;
        std::string shown;
    } enters[] = {{headerFieldId(RateFraction), "5", "5" + zeros.substr(2)},
                  {headerFieldId(BalanceInteger), "7", zeros.substr(1) + "7"},
                  {headerFieldId(BalanceFraction), "", zeros.substr(1)},
                  {headerFieldId(BalanceSign), "-", "-"},
                  {transactionFieldId(loan, AmountInteger), "123", zeros.substr(3) + "123"},
                  {transactionFieldId(loan, AmountFraction), "25", "25" + zeros.substr(3)},
                  {transactionFieldId(loan, Description), "Rent \xe9", "Rent \xe9"}};
    for (const auto& e : enters) {
        activateField(e.field);
        pressKey(VK_BACK);  // empties a selected field
        typeText(e.typed);
        pressKey(VK_RETURN);
        EXPECT_EQ(focusOf(editFocus), e.field.area == Header
                                          ? headerSelected(e.field.headerField, e.shown)
                                          : transactionSelected(loan, e.field.transactionField, e.shown));
        expectNothingStale("Enter");
    }
    EXPECT_EQ(value(ledger.header.beginningBalance), "-000000000000000000007.00000000000000000000");
    EXPECT_EQ(value(ledger.table[loan].amount), "+000000000000000000123.25000000000000000000");
}

// The scroll keys move the body and leave the focus as it is, without pulling the body back to it;
// the next other key first brings the field into view again.
TEST_F(Focus, ScrollKeysLeaveTheFocusAndTheNextKeyBringsItBack)
{
    activateField(0, Description);
    typeText("rent");
    const auto focus = focusOf(editFocus);
    const struct {
        int32_t key, line;
    } steps[] = {{VK_NEXT, 19}, {VK_NEXT, 38},   {VK_DOWN, 39}, {VK_END, 423},
                 {VK_UP, 422},  {VK_PRIOR, 403}, {VK_HOME, 0},  {VK_NEXT, 19}};
    for (const auto& s : steps) {
        pressKey(s.key);
        EXPECT_EQ(screen.scrollLine, s.line) << "key " << s.key;
        EXPECT_EQ(focusOf(editFocus), focus) << "key " << s.key;
    }
    pressKey(VK_LEFT);
    EXPECT_EQ(screen.scrollLine, 0);
    EXPECT_EQ(editFocus.caret, 3);
    expectNothingStale("the field brought back");
}

// Select All from a header field takes its frame away; then Ctrl keeps the whole document
// selected, and Page Down or a letter only ends it, with the sign's "+" selected and no inversion left.
TEST_F(Focus, KeysEndTheWholeDocumentSelectionAndDoNothingElse)
{
    scrollTo(5);
    for (int32_t key : {VK_NEXT, int32_t('A')}) {
        activateField(RateFraction);
        command(IDM_EDIT_SELECT_ALL);
        expectNothingStale("Select All from the rate");
        pressKey(VK_CONTROL);
        EXPECT_EQ(editFocus.area, WholeDocument);
        pressKey(key);
        EXPECT_EQ(focusOf(editFocus), headerSelected(BalanceSign, "+")) << "key " << key;
        EXPECT_EQ(screen.scrollLine, 5) << "key " << key;
        expectNothingStale("leaving the whole document");
    }
}

// Tab goes round the header's fields, and through every description and loan or payment amount,
// from the last amount back to the first transaction; the field it reaches is brought into view.
TEST_F(Focus, TabGoesRoundEachAreaAndShowsTheFieldItReaches)
{
    const int32_t last = addAmount(ledger, Payment, 32, "3");
    showLedger();
    const struct {
        FieldId from, to;
    } tabs[] = {
        {headerFieldId(RateFraction), headerFieldId(BalanceSign)},
        {headerFieldId(BalanceFraction), headerFieldId(RateFraction)},
        {transactionFieldId(3, Description), transactionFieldId(4, Description)},
        {transactionFieldId(last, Description), transactionFieldId(last, AmountInteger)},
        {transactionFieldId(last, AmountInteger), transactionFieldId(last, AmountFraction)},
        {transactionFieldId(last, AmountFraction), transactionFieldId(0, Description)},
    };
    auto where = [](const FieldId& f) {
        return f.area == Header
                   ? std::tuple(Header, f.headerField, -1, Description)
                   : std::tuple(Transactions, BalanceSign, f.transactionIndex, f.transactionField);
    };
    for (const auto& t : tabs) {
        scrollTo(380);
        activateField(t.from);
        pressKey(VK_TAB);
        EXPECT_EQ(where(fieldIdOf(editFocus)), where(t.to));
        EXPECT_TRUE(t.to.area == Header ||
                    lineInView(fieldLine(t.to.transactionIndex, t.to.transactionField)));
    }
    EXPECT_EQ(screen.scrollLine, 0);
    expectNothingStale("Tab round the table");
}

// A click commits what was typed and selects the clicked field whole; a click on the summary goes
// to the first transaction; a click ends the whole-document selection and its inversion.
TEST_F(Focus, AClickCommitsAndSelectsTheClickedField)
{
    activateField(RateFraction);
    typeText("5");
    clickIn(headerRects.balanceInteger);
    EXPECT_EQ(text(ledger.header.ratePerPeriod), "5" + std::string(19, '0'));
    EXPECT_EQ(focusOf(editFocus), headerSelected(BalanceInteger, std::string(21, '0')));
    expectNothingStale("a click after typing the rate");

    scrollTo(423);  // summary lines only
    clickAt(400, bodyTop + 5 * lineHeight + 7);
    EXPECT_EQ(focusOf(editFocus), transactionSelected(0, Description, ""));
    EXPECT_EQ(screen.scrollLine, 0);
    expectNothingStale("a click on the summary");

    command(IDM_EDIT_SELECT_ALL);
    clickIn(headerRects.balanceFraction);
    EXPECT_EQ(focusOf(editFocus), headerSelected(BalanceFraction, std::string(20, '0')));
    expectNothingStale("a click after Select All");
}

// Typing or pasting into a field scrolled out of view brings it back, also when the input is refused.
TEST_F(Focus, InputIntoAFieldOutOfViewBringsItBack)
{
    const int32_t loan = addAmount(ledger, Loan, 1, "4");
    showLedger();
    const int32_t amountLine = 12 * loan + 9;
    activateField(loan, AmountInteger);
    answerBoxesWith(IDOK);
    const struct {
        int32_t away;       // the body's first line before the input: the field below or above it
        const char* typed;  // or pasted, after a "v"
        std::string after;
    } inputs[] = {
        {423, "x", std::string(20, '0') + "4"}, {0, "8", "8"}, {423, "v12", "812"}, {0, "vab", "812"}};
    for (const auto& in : inputs) {
        scrollTo(in.away);
        ASSERT_FALSE(lineInView(amountLine));
        if (in.typed[0] == 'v') {
            setClipboard(in.typed + 1);
            command(IDM_EDIT_PASTE);
        } else {
            typeText(in.typed);
        }
        EXPECT_TRUE(lineInView(amountLine)) << in.typed;
        EXPECT_EQ(text(editFocus.editText), in.after) << in.typed;
        expectNothingStale(in.typed);
    }
    EXPECT_EQ(boxes.title + "|" + std::to_string(boxes.count), "Can Not Paste|1") << "the pasted letters";
}

// Each request from the previous position: the new position, and the picture a full repaint gives
// (the header not moved, the body moved by the lines and page gaps crossed, its edges redrawn).
TEST_F(Focus, ScrollRequestsClampAndLeaveNothingStale)
{
    const struct {
        int32_t code, thumb, position;
    } steps[] = {
        {SB_LINEUP, 0, 0},
        {SB_LINEDOWN, 0, 1},
        {SB_PAGEDOWN, 0, 20},
        {SB_PAGEDOWN, 0, 39},  // past 34
        {SB_PAGEUP, 0, 20},
        {SB_THUMBTRACK, 33, 33},
        {SB_LINEDOWN, 0, 34},
        {SB_TOP, 0, 34},
        {SB_BOTTOM, 0, 34},
        {SB_ENDSCROLL, 0, 34},
        {SB_THUMBPOSITION, 200, 200},
        {SB_THUMBPOSITION, 30000, 423},
        {SB_LINEDOWN, 0, 423},
        {SB_PAGEUP, 0, 404},
        {SB_THUMBPOSITION, 2, 2},
        {SB_PAGEUP, 0, 0},
        {SB_LINEDOWN, 0, 1},
        {SB_LINEUP, 0, 0},
    };
    activateField(0, Description);  // a focus frame that straddles the body's top edge
    repaintAll();
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "code " << step.code << " to " << step.position);
        SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(step.code, step.thumb), 0);
        ASSERT_EQ(screen.scrollLine, step.position);
        ASSERT_EQ(GetScrollPos(mainWindow, SB_VERT), step.position);
        expectNothingStale("a scroll request");
    }
    // Growing at the end pulls the position back: 442 lines less 34 visible, plus one.
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 423), 0);
    resizeClient(800, 900);
    EXPECT_TRUE(screen.scrollLine == 409 && GetScrollPos(mainWindow, SB_VERT) == 409) << screen.scrollLine;
}
