// Documents through the real dialogs: saved, exported and opened again; every refusal of Save and
// Open by a real condition; Add; and the question before a changed ledger is closed or replaced.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <fstream>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "edit/focus.h"
#include "files/document.h"
#include "files/export.h"
#include "support/ledger_builders.h"
#include "view/layout.h"
#include "win/harness.h"

namespace {

std::string documentOf(const Ledger& l)
{
    std::string bytes(static_cast<size_t>(documentSize(l.count)), 0);
    buildLedgerDocument(l, bytes.data());
    return bytes;
}

std::string exportOf(const Ledger& l)
{
    std::string text(static_cast<size_t>(exportLineLimit * l.count), 0);
    text.resize(static_cast<size_t>(buildLedgerExport(l, text.data())));
    return text;
}

// Runs a File command on `file` that must be refused with `text`: afterwards the ledger, the
// snapshot, the focus, the title and the file on disk are as they were, and no temporary file is left.
// A handle `held` on the file meanwhile is closed once the command is done.
void expectRefused(int32_t id, const std::string& file, const std::string& bytes, const std::string& text,
                   HANDLE held = INVALID_HANDLE_VALUE)
{
    activateField(3, AmountInteger);
    typeText("77");
    static Ledger before;
    static SavedSnapshot snapshot;
    before = ledger, snapshot = savedSnapshot;
    const EditFocus focus = editFocus;
    const std::string title = windowTitle();
    answerBoxesWith({IDOK, IDYES, IDOK, IDOK}, file);  // the dialog, a replace question, its return, the box
    command(id);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    EXPECT_EQ(boxes.title + "|" + boxes.text,
              (id == IDM_FILE_SAVE ? "Can Not Save File|" : "Can Not Open File|") + text);
    EXPECT_EQ(std::pair(boxes.owner, boxes.icon), std::pair(mainWindow, LoadIconA(nullptr, IDI_EXCLAMATION)));
    EXPECT_EQ(std::memcmp(&before, &ledger, sizeof ledger), 0) << "the ledger changed";
    EXPECT_EQ(std::memcmp(&snapshot, &savedSnapshot, sizeof snapshot), 0) << "the snapshot changed";
    EXPECT_EQ(std::memcmp(&focus, &editFocus, sizeof focus), 0) << "the focus changed";
    EXPECT_EQ(windowTitle(), title);
    EXPECT_TRUE(bytes.empty() || readFile(file) == bytes) << "the file changed";
    WIN32_FIND_DATAA found;
    const HANDLE left = FindFirstFileA((file.substr(0, file.rfind('\\')) + "\\*.tmp").c_str(), &found);
    EXPECT_EQ(left, INVALID_HANDLE_VALUE) << "a temporary file was left behind";
    if (left != INVALID_HANDLE_VALUE) FindClose(left);
}

using Documents = MainWindowTest;

}  // namespace

// Exported, saved and opened again: the export leaves the ledger changed, and the ledger opened
// from the document (padded to exactly 1 MiB) is the saved one.
TEST_F(Documents, SavedExportedAndOpenedAgain)
{
    makeBusyLedger(ledger);
    const std::string txt = scratch("ledger.txt"), tnw = scratch("ledger.tnw");
    answerBoxesWith(IDOK, txt);
    boxes.filter = 2;
    command(IDM_FILE_SAVE);
    const std::string exported = exportOf(ledger);
    EXPECT_TRUE(readFile(txt) == exported) << "the export";
    EXPECT_TRUE(IsLedgerModified() && windowTitle() == "Tarnwell") << "an export is not a save";
    answerBoxesWith(IDOK, tnw.substr(0, tnw.size() - 4));  // the dialog adds the extension
    command(IDM_FILE_SAVE);
    EXPECT_TRUE(readFile(tnw) == documentOf(ledger)) << "the document";
    EXPECT_EQ(std::pair(IsLedgerModified(), windowTitle()), std::pair(false, std::string("ledger.tnw")));

    std::ofstream(tnw, std::ios::binary | std::ios::app)
        << std::string(1048576 - documentSize(ledger.count), 'x');
    static Ledger saved;
    saved = ledger;
    answerBoxesWith(IDOK);
    command(IDM_FILE_NEW);  // unchanged: no question
    EXPECT_EQ(std::tuple(boxes.count, ledger.count, windowTitle()),
              std::tuple(0, 32, std::string("Tarnwell")));
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 40), 0);
    activateField(3, Description);
    answerBoxesWith(IDOK, tnw);
    command(IDM_FILE_OPEN);
    EXPECT_EQ(boxes.titles, "Open|");
    EXPECT_EQ(std::memcmp(&ledger, &saved, offsetof(Ledger, previousTotals)), 0) << "the saved ledger";
    EXPECT_EQ(
        std::tuple(IsLedgerModified(), windowTitle(), screen.scrollLine, GetScrollPos(mainWindow, SB_VERT)),
        std::tuple(false, std::string("ledger.tnw"), 0, 0));
    EXPECT_EQ(
        std::tuple(editFocus.area, editFocus.headerField, text(editFocus.editText), editFocus.selectionEnd),
        std::tuple(Header, BalanceSign, std::string("-"), 1));
    expectNothingStale("an opened document");
}

// Each refusal with its text by a real condition: a file held open by another, a file over 1 MiB,
// one of 4 GiB and some bytes (only the high word of its size says so), a document one byte short,
// an export, a document whose balance overflows.
TEST_F(Documents, EveryRefusalOfSaveAndOpenChangesNothing)
{
    makeBusyLedger(ledger);
    static Ledger overflowing;
    overflowing = ledger;
    setBeginningBalance(overflowing, '+', std::string(21, '9'));
    const std::string document = documentOf(ledger), path = scratch("refused.tnw"),
                      format = "The format of the selected file is not correct for this program.";
    const struct {
        int32_t id;
        std::string bytes;  // of the file before the command
        std::string text;
        DWORD share;        // of a handle held on the file meanwhile
        LONGLONG highSize;  // a size above 4 GiB to give it
    } rows[] = {
        {IDM_FILE_SAVE, document, "Can not write to the selected file.", 0, 0},
        {IDM_FILE_OPEN, document, "Can not obtain a file handle to the selected file.", 0, 0},
        {IDM_FILE_OPEN, std::string(1048577, 'A'), "The selected file is too large to open.", 7, 0},
        {IDM_FILE_OPEN, document, "The selected file is too large to open.", 7, 0x100000000LL + 3414},
        {IDM_FILE_OPEN, document.substr(0, document.size() - 1), format, 7, 0},
        {IDM_FILE_OPEN, exportOf(ledger), format, 7, 0},
        {IDM_FILE_OPEN, documentOf(overflowing),
         "The selected file generates a balance that is too large to display.", 7, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << row.bytes;
        const HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, row.share, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        if (row.highSize) {  // sparse, so it costs nothing
            LARGE_INTEGER size{};
            size.QuadPart = row.highSize;
            SetFilePointerEx(held, size, nullptr, FILE_BEGIN);
            SetEndOfFile(held);
        }
        if (row.share) CloseHandle(held);
        makeBusyLedger(ledger);
        if (row.id == IDM_FILE_OPEN) TakeSnapshot();
        expectRefused(row.id, path, row.highSize ? "" : row.bytes, row.text,
                      row.share ? INVALID_HANDLE_VALUE : held);
    }
    DeleteFileA(path.c_str());
}

// A save that runs out of room part-way (a nearly full folder named by scripts/windows-test.sh)
// leaves the previous file byte for byte.
TEST_F(Documents, ASaveThatFailsPartWayKeepsTheFile)
{
    const char* folder = std::getenv("TARNWELL_FULL_FOLDER");
    ASSERT_NE(folder, nullptr) << "scripts/windows-test.sh names a nearly full folder";
    std::string file = std::string("Z:") + folder + "/ledger.tnw";
    std::replace(file.begin(), file.end(), '/', '\\');
    const std::string previous = documentOf(ledger);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << previous;
    while (ledger.count < maxTransactions) addAmount(ledger, Loan, 1 + ledger.count % 32, "9");
    expectRefused(IDM_FILE_SAVE, file, previous, "Can not write to the selected file.");
    DeleteFileA(file.c_str());
}

// Add puts a loan or payment at the end of its period, moves the check mark even when it refuses
// the 1025th transaction (with a text for each type), and leaves the new description active.
TEST_F(Documents, AddPutsTransactionsAtTheEndOfTheirPeriod)
{
    const HMENU menu = GetMenu(mainWindow);
    auto checked = [&](int32_t base) {
        std::string marks;
        for (int32_t p = 1; p <= 32; ++p)
            if (GetMenuState(menu, base + p, MF_BYCOMMAND) & MF_CHECKED) marks += std::to_string(p) + " ";
        return marks;
    };
    auto id = [](int32_t i) {
        return std::to_string(ledger.table[i].period) + "-" + std::to_string(ledger.table[i].number);
    };
    command(IDM_ADD_LOAN_BASE + 5);
    command(IDM_ADD_LOAN_BASE + 5);
    command(IDM_ADD_PAYMENT_BASE + 32);
    EXPECT_EQ(std::tuple(id(5), id(6), id(34), ledger.table[34].type, ledger.count),
              std::tuple(std::string("5-2"), std::string("5-3"), std::string("32-2"), int32_t(Payment), 35));
    EXPECT_EQ(std::tuple(editFocus.area, editFocus.transactionIndex, editFocus.transactionField,
                         editFocus.caret, editFocus.selectionShown, text(editFocus.editText)),
              std::tuple(Transactions, 34, Description, 0, 0, std::string()));
    EXPECT_GT(screen.scrollLine, 0) << "the new description brought into view";
    EXPECT_TRUE(IsLedgerModified());
    expectNothingStale("adding");
    EXPECT_EQ(checked(IDM_ADD_LOAN_BASE) + "|" + checked(IDM_ADD_PAYMENT_BASE), "5 |32 ");
    while (ledger.count < maxTransactions) addAmount(ledger, Loan, 1, "");
    static Ledger full;
    full = ledger;
    answerBoxesWith(IDOK);
    command(IDM_ADD_LOAN_BASE + 7);
    EXPECT_EQ(boxes.title + "|" + boxes.text,
              "Can Not Enter Transaction|This document already contains the maximum number of transactions");
    command(IDM_ADD_PAYMENT_BASE + 9);
    EXPECT_EQ(boxes.text, "This document already contains the maximum number of transactions.");
    EXPECT_EQ(std::memcmp(&full, &ledger, sizeof ledger), 0);
    EXPECT_EQ(checked(IDM_ADD_LOAN_BASE) + "|" + checked(IDM_ADD_PAYMENT_BASE), "7 |9 ");
}

// Close, Exit, New and Open ask "Save Current File?" only after a change; Cancel ends the command, No
// goes on without saving, Yes runs Save and ends the command (here the Save dialog is cancelled, or
// saves).
TEST_F(Documents, CloseNewAndOpenAskOnlyAfterAChange)
{
    const std::string question = "Save Current File?|";
    const struct {
        int32_t id;  // 0: the close box
        bool changed;
        std::vector<int32_t> answers;
        std::string boxes;
        bool goesOn;  // closed, made new, or the Open dialog shown
    } cases[] = {
        {0, false, {IDCANCEL}, "", true},
        {0, true, {IDCANCEL}, question, false},
        {0, true, {IDNO}, question, true},
        {0, true, {IDYES, IDCANCEL}, question + "Save As|", false},
        {0, true, {IDYES, IDOK}, question + "Save As|", false},  // saved: the window stays
        {IDM_FILE_EXIT, true, {IDNO}, question, true},
        {IDM_FILE_EXIT, true, {IDCANCEL}, question, false},
        {IDM_FILE_NEW, false, {IDCANCEL}, "", true},
        {IDM_FILE_NEW, true, {IDCANCEL}, question, false},
        {IDM_FILE_NEW, true, {IDNO}, question, true},
        {IDM_FILE_NEW, true, {IDYES, IDCANCEL}, question + "Save As|", false},
        {IDM_FILE_OPEN, false, {IDCANCEL}, "Open|", true},
        {IDM_FILE_OPEN, true, {IDNO, IDCANCEL}, question + "Open|", true},
        {IDM_FILE_OPEN, true, {IDYES, IDCANCEL}, question + "Save As|", false},
        {IDM_FILE_OPEN, true, {IDCANCEL}, question, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.id << (c.changed ? " changed, " : " unchanged, ") << c.answers[0]);
        closeMainWindow();
        const HWND window = openMainWindow();
        ASSERT_NE(window, nullptr);
        if (c.changed) ledger.table[31].amount.fraction[19] = '1';
        answerBoxesWith(c.answers, scratch("closing.tnw"));
        SendMessageA(window, c.id ? WM_COMMAND : WM_CLOSE, c.id, 0);
        EXPECT_EQ(boxes.titles, c.boxes);
        const bool closed = !IsWindow(window), renewed = ledger.table[31].amount.fraction[19] == '0';
        const bool goesOn = c.id == IDM_FILE_NEW    ? renewed
                            : c.id == IDM_FILE_OPEN ? boxes.titles.find("Open") != std::string::npos
                                                    : closed;
        EXPECT_EQ(goesOn, c.goesOn);
        EXPECT_TRUE(c.id != IDM_FILE_OPEN || renewed == !c.changed) << "Open replaced the ledger";
        EXPECT_EQ(readFile(boxes.fileName).empty() || IsLedgerModified(), c.answers.back() != IDOK)
            << "saved, and so unchanged, only by Yes and OK";
    }
}
