// Editing on the real window: keys through the message loop (and the same
// edits by tarnwell-cli), commits and their refusals, and the repaint after a
// recalculation.
#include <gtest/gtest.h>

#include <cstring>

#include "app/cli_run.h"
#include "app/command_ids.h"
#include "app/main_window.h"
#include "edit/edit_text.h"
#include "edit/focus.h"
#include "support/ledger_builders.h"
#include "view/field_geometry.h"
#include "view/window_layout.h"
#include "win/harness.h"

namespace {

using Editing = MainWindowTest;

}  // namespace

// Real keystrokes through the program's own loop: accelerators, TranslateMessage and the key-down
// wrapper together. The beginning balance 1 and the rate .333... give period 01 the interest
// .333... and period 02 the truncated product .444...43; a payment of 2 added to period 02 leaves
// -.222...24, and the screen shows it all. Saved, it is the document tarnwell-cli's commands make.
TEST_F(Editing, TheWorkedExampleTypedThroughTheMessageLoop)
{
    SetForegroundWindow(mainWindow);
    SetFocus(mainWindow);
    std::vector<INPUT> events;
    auto key = [&](WORD vk, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = flags;
        events.push_back(in);
    };
    auto tap = [&](WORD vk) { key(vk, 0), key(vk, KEYEVENTF_KEYUP); };
    tap(VK_TAB), tap('1'), tap(VK_TAB), tap(VK_TAB);
    for (int i = 0; i < 20; ++i) tap('3');
    tap(VK_RETURN);
    tap(VK_F23), tap(VK_TAB), tap('2'), tap(VK_RETURN);  // F23: the loop adds a payment to period 02
    auto shiftTab = [&] { key(VK_SHIFT, 0), tap(VK_TAB), key(VK_SHIFT, KEYEVENTF_KEYUP); };
    shiftTab(), shiftTab();  // unchanged: to the balance sign, then to the first description
    tap('4'), tap('2');
    key(VK_CONTROL, 0), tap('A'), key(VK_CONTROL, KEYEVENTF_KEYUP);  // typed text is not committed
    tap(VK_F24);
    ASSERT_EQ(SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT)), events.size());
    const HACCEL accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), "Tarnwell");
    const UINT_PTR safety = SetTimer(nullptr, 0, 30000, nullptr);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        if (m.message == WM_KEYDOWN && m.wParam == VK_F24) break;
        if (m.message == WM_KEYDOWN && m.wParam == VK_F23) command(IDM_ADD_PAYMENT_BASE + 2);
        ASSERT_FALSE(m.message == WM_TIMER && m.wParam == safety) << "the keystrokes never arrived";
        if (TranslateAcceleratorA(mainWindow, accelerators, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    KillTimer(nullptr, safety);
    EXPECT_EQ(value(ledger.header.beginningBalance), "+000000000000000000001.00000000000000000000");
    EXPECT_EQ(value(ledger.table[0].amount), "+000000000000000000000.33333333333333333333");
    EXPECT_EQ(value(ledger.table[1].amount), "+000000000000000000000.44444444444444444443");
    EXPECT_EQ(value(ledger.table[1].newBalance), "+000000000000000000001.77777777777777777776");
    EXPECT_EQ(std::pair(value(ledger.table[2].amount), value(ledger.table[2].newBalance)),
              std::pair(std::string("-000000000000000000002.00000000000000000000"),
                        std::string("-000000000000000000000.22222222222222222224")));
    EXPECT_EQ(std::tuple(editFocus.area, editFocus.transactionIndex, text(editFocus.editText)),
              std::tuple(WholeDocument, 0, std::string("42")));
    EXPECT_EQ(text(ledger.table[0].description), "");
    expectNothingStale("the typed example");
    pressKey(VK_ESCAPE);  // ends the whole-document selection
    expectPicture("worked-example");

    // The same edits with a description, saved, are the document tarnwell-cli's commands make.
    activateField(2, Description);
    typeText("Rent \xe9");
    pressKey(VK_RETURN);
    const std::string window = scratch("window.tnw"), cli = scratch("cli.tnw");
    answerBoxesWith(IDOK, window);
    command(IDM_FILE_SAVE);
    std::FILE* sink = std::tmpfile();
    const char* steps[][5] = {
        {"new", cli.c_str()},
        {"set", cli.c_str(), "balance-integer", "1"},
        {"set", cli.c_str(), "rate", "33333333333333333333"},
        {"add", cli.c_str(), "payment", "02"},
        {"set", cli.c_str(), "02-0002.description", "Rent \xe9"},
        {"set", cli.c_str(), "02-0002.amount-integer", "2"},
    };
    for (const auto& step : steps) {
        const char* argv[] = {"tarnwell-cli", step[0], step[1], step[2], step[3]};
        EXPECT_EQ(runCli(step[2] ? 5 : 3, argv, sink, sink), 0) << step[0] << " " << (step[2] ? step[2] : "");
    }
    std::fclose(sink);
    EXPECT_TRUE(readFile(window) == readFile(cli) && !readFile(cli).empty()) << "the documents differ";
}

// Keys as letters: '<' Left, '>' Right, '[' Shift+Left, ']' Shift+Right, '#' Backspace, '~' Delete;
// any other character is typed. From a field's text, caret and selection, only the edit text changes.
TEST_F(Editing, KeysAndTypingChangeOnlyTheEditText)
{
    const std::string digits = "000000000000000012345";
    const std::string d44(44, 'd');
    const struct {
        FieldKind kind;
        std::string text;
        int32_t caret, start, end, shown;
        const char* keys;
        std::string after;
        int32_t caretAfter, startAfter, endAfter, shownAfter;
    } cases[] = {
        // A fresh field: everything selected, caret 0.
        {IntegerKind, digits, 0, 0, 21, 1, "7", "7", 1, 0, 21, 0},
        {IntegerKind, digits, 21, 0, 0, 0, "5", digits, 21, 0, 0, 0},                // no room
        {IntegerKind, digits, 0, 0, 3, 1, "4", "4" + digits.substr(3), 1, 0, 3, 0},  // 21 - 3 + 1
        {FractionKind, "", 0, 0, 0, 0, ".,-+ 9", "9", 1, 0, 0, 0},
        {DescriptionKind, d44, 44, 0, 0, 0, "x", d44, 44, 0, 0, 0},
        {DescriptionKind, "ab", 2, 0, 0, 0, "\xe9 !\x7f", "ab\xe9 !\x7f", 6, 0, 0, 0},
        {DescriptionKind, "ab", 1, 0, 0, 0, "\t\x1f", "ab", 1, 0, 0, 0},  // control codes
        {SignKind, "+", 1, 0, 1, 0, "-5", "+", 1, 0, 1, 0},               // nothing selected: no room
        {SignKind, "+", 0, 0, 1, 1, "5-", "-", 1, 0, 0, 0},               // the selected sign replaced
        {SignKind, "+", 1, 0, 0, 0, "#-", "-", 1, 0, 0, 0},               // emptied, then taken
        {SignKind, "+", 0, 0, 0, 0, "#", "+", 0, 0, 0, 0},
        {SignKind, "+", 0, 0, 0, 0, "~", "", 0, 0, 0, 0},
        {SignKind, "", 0, 0, 0, 0, ">", "", 1, 0, 0, 0},  // Right to 1 on an empty sign
        {SignKind, "+", 0, 0, 0, 0, ">[", "+", 0, 0, 1, 1},
        // Backspace and Delete: at the edges nothing; a selection goes wherever the caret is.
        {FractionKind, "12345", 0, 0, 0, 0, "#", "12345", 0, 0, 0, 0},
        {FractionKind, "12345", 5, 0, 0, 0, "~", "12345", 5, 0, 0, 0},
        {FractionKind, "12345", 0, 2, 4, 1, "#", "125", 2, 2, 4, 0},
        {FractionKind, "12345", 3, 0, 0, 0, "#~", "125", 2, 0, 0, 0},
        {IntegerKind, "12345", 3, 0, 0, 0, "#", "1245", 2, 0, 0, 0},  // the digits stay flush right
        {IntegerKind, "12345", 1, 0, 0, 0, "~", "1345", 1, 0, 0, 0},
        // Left and Right, with Shift growing and shrinking by the character passed over.
        {FractionKind, "12345", 0, 0, 5, 1, "]", "12345", 1, 1, 5, 1},
        {FractionKind, "12345", 0, 0, 5, 1, ">", "12345", 1, 0, 5, 0},
        {FractionKind, "12345", 2, 0, 0, 0, "]]]", "12345", 5, 2, 5, 1},
        {FractionKind, "12345", 2, 0, 0, 0, "]]][", "12345", 4, 2, 4, 1},
        {FractionKind, "12345", 2, 0, 0, 0, "][", "12345", 2, 2, 2, 0},  // emptied: hidden
        {FractionKind, "12345", 5, 0, 0, 0, ">]", "12345", 5, 0, 0, 0},
        {FractionKind, "12345", 0, 0, 0, 0, "<[", "12345", 0, 0, 0, 0},
        {FractionKind, "12345", 3, 0, 0, 0, "[[9", "1945", 2, 1, 3, 0},  // typing replaces the selection
    };
    const FieldId fields[] = {headerFieldId(BalanceSign), headerFieldId(BalanceInteger),
                              headerFieldId(RateFraction), transactionFieldId(0, Description)};
    static Ledger before;
    before = ledger;
    for (const auto& c : cases) {
        activateField(fields[c.kind]);
        EditFocus& f = editFocus;
        f.editText = {};
        std::memcpy(f.editText.data(), c.text.data(), c.text.size());
        f.caret = c.caret, f.selectionStart = c.start, f.selectionEnd = c.end, f.selectionShown = c.shown;
        repaintAll();
        for (const char* k = c.keys; *k; ++k) {
            const char* keys = "<>[]#~";
            const int32_t vk[] = {VK_LEFT, VK_RIGHT, VK_LEFT, VK_RIGHT, VK_BACK, VK_DELETE};
            if (const char* at = std::strchr(keys, *k))
                pressKey(vk[at - keys], *at == '[' || *at == ']');
            else
                typeText(std::string(1, *k));
        }
        EXPECT_EQ(std::tuple(std::string(f.editText.data(), descriptionSize), f.caret, f.selectionStart,
                             f.selectionEnd, f.selectionShown),
                  std::tuple(c.after + std::string(descriptionSize - c.after.size(), 0), c.caretAfter,
                             c.startAfter, c.endAfter, c.shownAfter))
            << c.text << " + " << c.keys;
        expectNothingStale(c.keys);
    }
    EXPECT_EQ(std::memcmp(&before, &ledger, sizeof ledger), 0);
}

// Each committing action on a value the ledger refuses: the message with its title, the stored field
// back byte for byte, and the focus with its typed text as it was.
TEST_F(Editing, ARefusedValueIsRolledBackWithItsMessage)
{
    const char* balanceText = "The value entered generates a balance that is too large to display.";
    const std::string nines(21, '9');
    const struct {
        FieldId field;
        const char* typed;
        const char* title;
        const char* shiftTabText;
        std::string integer, fraction, rate;  // of the beginning balance, and the rate
        TransactionType type;                 // of slot 1, an amount of 1 or 0
    } fields[] = {
        {headerFieldId(BalanceInteger), "999999999999999999999", "Can Not Enter Value", balanceText, "", "",
         "5", Payment},
        {headerFieldId(BalanceSign), "-", "Can Not Enter Sign", balanceText, nines, "", "", Payment},
        {transactionFieldId(1, AmountFraction), "1", "Can Not Enter Value",
         "The value entered generates numerical data that is too large for this program.", nines,
         nines.substr(1), "", Loan},
    };
    for (const auto& f : fields) {
        for (int32_t action : {VK_RETURN, VK_TAB, -VK_TAB, 0}) {
            SCOPED_TRACE(testing::Message() << f.title << " " << f.typed << ", action " << action);
            makeNewLedger(ledger);
            setBeginningBalance(ledger, '+', f.integer, f.fraction);
            setFraction(ledger.header.ratePerPeriod, f.rate);
            addAmount(ledger, f.type, 1, f.type == Payment ? "1" : "");
            showLedger();
            activateField(f.field);
            typeText(f.typed);
            static Ledger before;
            before = ledger;
            const EditFocus focus = editFocus;
            answerBoxesWith(IDOK);
            if (action == 0) {
                clickIn(f.field.area == Header
                            ? headerRects.rateFraction
                            : transactionFieldBox(screen, measureScreenText(), 1, Description));
            } else {
                pressKey(std::abs(action), action < 0);
            }
            ASSERT_EQ(boxes.count, 1);
            EXPECT_EQ(boxes.title + "|" + boxes.text,
                      f.title + std::string("|") + (action == -VK_TAB ? f.shiftTabText : balanceText));
            EXPECT_EQ(std::memcmp(&before, &ledger, sizeof ledger), 0) << "the ledger changed";
            EXPECT_EQ(std::memcmp(&focus, &editFocus, sizeof focus), 0) << "the focus or its text changed";
            expectNothingStale("a refusal");
        }
    }
}

// On 1024 transactions a new beginning balance or rate changes every balance and interest amount: at
// the top, deep in the table and over the summary's interest rows, totals and ending balance, the
// commit's repaint leaves nothing stale.
TEST_F(Editing, ACommitOn1024TransactionsLeavesNothingStale)
{
    setFraction(ledger.header.ratePerPeriod, "01");
    for (int32_t i = 1; ledger.count < maxTransactions; ++i)
        addAmount(ledger, i % 3 ? Loan : Payment, 1 + i % 32, "7");
    showLedger();
    const struct {
        int32_t scroll;  // beyond the last line: the summary's end
        HeaderField field, next;
        const char* typed;
    } commits[] = {{0, BalanceInteger, BalanceFraction, "5000"},
                   {6000, BalanceInteger, BalanceFraction, "11000"},
                   {12280, RateFraction, BalanceSign, "2"},
                   {30000, RateFraction, BalanceSign, "0003"}};
    for (const auto& c : commits) {
        SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, c.scroll), 0);
        activateField(c.field);
        typeText(c.typed);
        pressKey(VK_TAB);
        EXPECT_EQ(editFocus.headerField, c.next) << "the commit was taken at " << c.scroll;
        expectNothingStale("a commit on 1024 transactions");
    }
}
