// The clipboard commands on the real window and the real clipboard: Paste by field, text and
// selection; Copy, Cut and Delete of a selection; and the whole document selected.
#include <gtest/gtest.h>

#include <cstring>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "clipboard/report.h"
#include "edit/focus.h"
#include "support/ledger_builders.h"
#include "win/harness.h"

namespace {

std::string clipboardText()
{
    OpenClipboard(mainWindow);
    const HANDLE data = GetClipboardData(CF_TEXT);
    std::string text = data ? static_cast<const char*>(GlobalLock(data)) : "";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

using Clipboard = MainWindowTest;

}  // namespace

// The room test comes before the character test; a paste never commits.
TEST_F(Clipboard, PasteTakesTheTextAFieldAcceptsAndSaysWhyItRefuses)
{
    const int32_t loan = addAmount(ledger, Loan, 1, "7");
    showLedger();
    const std::string length = "The length of the data to be pasted exceeds the space available.",
                      character =
                          "The data to be pasted contains a character that is not valid for the selected "
                          "edit control.",
                      forty(40, 'd');
    const struct {
        FieldId field;
        std::string typed;  // before the paste; "" leaves the stored text wholly selected
        int32_t selected;   // then Shift+Left this many times
        std::string pasted;
        std::string message, text;
        int32_t caret;
        size_t block = SIZE_MAX;  // the block's size when not the text and its zero byte
    } cases[] = {
        {transactionFieldId(loan, AmountInteger), "", 0, "123", "", "123", 3},
        {transactionFieldId(loan, AmountFraction), "5", 0, "25", "", "525", 3},
        {headerFieldId(BalanceInteger), "", 0, "1,234", character, "", -1},
        {headerFieldId(RateFraction), "", 0, "12\r\n", character, "", -1},
        {headerFieldId(BalanceInteger), "", 0, "12345678901234567890ab", length, "", -1},  // 22 characters
        {headerFieldId(BalanceSign), "", 0, "-", "", "-", 1},
        {headerFieldId(BalanceSign), "", 0, "+-", length, "", -1},
        {headerFieldId(BalanceSign), "\b", 0, "x", character, "", -1},
        {transactionFieldId(0, Description), forty, 0, "0123456789", length, "", -1},
        {transactionFieldId(0, Description), forty, 6, "0123456789", "", forty.substr(0, 34) + "0123456789",
         44},
        {transactionFieldId(0, Description), "ab", 0, "\t\x01\xe9\r\n", "", "ab\t\x01\xe9\r\n", 7},
        {transactionFieldId(loan, Description), "", 0, "", "", "", 0, 4},  // a zero byte first: nothing
        {headerFieldId(RateFraction), "", 0, std::string(1048577, '7'), length, "", -1},
        {transactionFieldId(loan, Description), "", 0, std::string(1048576, '7'), length, "", -1, 1048576},
        {headerFieldId(RateFraction), "", 0, "7", "Can not obtain a handle to the Clipboard memory object.",
         "", -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pasting [" << c.pasted.substr(0, 24) << "], " << c.pasted.size()
                                        << " characters, after [" << c.typed << "]");
        activateField(c.field);
        if (c.typed == "\b")
            pressKey(VK_BACK);
        else if (!c.typed.empty())
            typeText(c.typed);
        for (int32_t k = 0; k < c.selected; ++k) pressKey(VK_LEFT, true);
        setClipboard(c.pasted.c_str(), c.block);
        const EditFocus before = editFocus;
        static Ledger stored;
        stored = ledger;
        answerBoxesWith(IDOK);
        command(IDM_EDIT_PASTE);
        EXPECT_EQ(boxes.count ? boxes.title + "|" + boxes.text : "",
                  c.message.empty() ? "" : "Can Not Paste|" + c.message);
        if (c.caret < 0)
            EXPECT_EQ(std::memcmp(&before, &editFocus, sizeof before), 0) << "a refusal changes nothing";
        else
            EXPECT_EQ(std::pair(text(editFocus.editText), editFocus.caret),
                      std::pair(c.text.empty() ? text(before.editText) : c.text, c.caret));
        EXPECT_EQ(std::memcmp(&stored, &ledger, sizeof ledger), 0) << "a paste never commits";
    }
}

// Copy puts exactly the selected characters on the clipboard, Cut moves them there, Delete deletes
// them; with nothing selected none of them acts. While the whole document is selected only Copy
// acts, and it copies the report.
TEST_F(Clipboard, CopyCutAndDeleteTheSelectionOrTheReport)
{
    activateField(RateFraction);
    typeText("12345");
    pressKey(VK_LEFT, true), pressKey(VK_LEFT, true);  // "45" selected
    setClipboard("before");
    command(IDM_EDIT_COPY);
    EXPECT_EQ(clipboardText(), "45");
    command(IDM_EDIT_CUT);
    EXPECT_EQ(std::tuple(clipboardText(), text(editFocus.editText), editFocus.caret),
              std::tuple(std::string("45"), std::string("123"), 3));
    setClipboard("kept");
    pressKey(VK_LEFT);
    for (int32_t id : {IDM_EDIT_COPY, IDM_EDIT_CUT, IDM_EDIT_DELETE}) command(id);
    EXPECT_EQ(std::tuple(clipboardText(), text(editFocus.editText)),
              std::tuple(std::string("kept"), std::string("123")))
        << "nothing is selected";
    pressKey(VK_LEFT), pressKey(VK_LEFT), pressKey(VK_RIGHT, true);
    command(IDM_EDIT_DELETE);
    EXPECT_EQ(text(editFocus.editText), "23");
    expectNothingStale("cutting and deleting");

    makeBusyLedger(ledger);  // the report of a ledger with every kind of line
    showLedger();
    command(IDM_EDIT_SELECT_ALL);
    const EditFocus whole = editFocus;
    for (int32_t id : {IDM_EDIT_CUT, IDM_EDIT_PASTE, IDM_EDIT_DELETE, IDM_EDIT_COPY, IDM_EDIT_COPY})
        command(id);
    std::string report(static_cast<size_t>(measureLedgerReport(ledger)), 0);
    buildLedgerReport(ledger, report.data());
    EXPECT_TRUE(clipboardText() + '\0' == report);
    EXPECT_EQ(std::memcmp(&whole, &editFocus, sizeof whole), 0)
        << "only Copy acts, and it keeps the selection";
}
