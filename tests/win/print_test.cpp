// File > Print through the real dialog and Wine's PostScript driver: the test printers PSFILE
// (Letter) and PSFILE_A4 pipe each job through ps2pdf and pdftotext -layout into $PRINT_OUT.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <iterator>
#include <sstream>

#include "app/command_ids.h"
#include "clipboard/report.h"
#include "focus/edit_focus.h"
#include "ledger/recalculate.h"
#include "support/ledger_builders.h"
#include "view/window_handle.h"
#include "win/harness.h"

namespace {

constexpr int32_t printerList = 0x473;  // the print dialog's printer box

// The printer the dialog opened on, and the one to pick before the harness answers.
struct {
    HWND dialog;
    char shown[64];
    const char* pick;
} printDialog{};
HHOOK printHook = nullptr;

LRESULT CALLBACK printHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND box = reinterpret_cast<HWND>(wParam), list = GetDlgItem(box, printerList);
    if (code == HCBT_ACTIVATE && list && box != printDialog.dialog) {
        printDialog.dialog = box;
        GetWindowTextA(list, printDialog.shown, sizeof printDialog.shown);
        if (printDialog.pick && SendMessageA(list, CB_SELECTSTRING, -1, LPARAM(printDialog.pick)) >= 0)
            SendMessageA(box, WM_COMMAND, MAKEWPARAM(printerList, CBN_SELCHANGE), LPARAM(list));
    } else if (code == HCBT_ACTIVATE && IsWindow(printDialog.dialog) && box != printDialog.dialog)
        PostMessageA(printDialog.dialog, WM_COMMAND, IDCANCEL, 0);  // the dialog refused OK: never hang in it
    return CallNextHookEx(printHook, code, wParam, lParam);
}

std::string jobPath() { return std::string("Z:") + std::getenv("PRINT_OUT"); }  // Z: is the Unix root

// The right-trimmed, non-blank pieces of `text` between `separator`s.
std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    std::stringstream in(text);
    for (std::string piece; std::getline(in, piece, separator);) {
        piece.erase(piece.find_last_not_of(" \r\n") + 1);
        if (!piece.empty()) pieces.push_back(piece);
    }
    return pieces;
}

// File > Print, the dialog answered `button` after picking `printer`: the
// lines of each printed page, none when nothing was printed.
std::vector<std::vector<std::string>> print(int32_t button, const char* printer = nullptr)
{
    DeleteFileA(jobPath().c_str());
    printDialog = {nullptr, "", printer};
    answerBoxesWith(button);
    command(IDM_FILE_PRINT);
    std::ifstream in(jobPath(), std::ios::binary);
    // ps2pdf names the hyphen's glyph so that pdftotext reads a soft hyphen.
    const std::string job =
        std::regex_replace(std::string{std::istreambuf_iterator<char>(in), {}}, std::regex("\xC2\xAD"), "-");
    std::vector<std::vector<std::string>> pages;
    for (const std::string& page : split(job, '\f')) pages.push_back(split(page, '\n'));
    return pages;
}

// A line's fields, the texts between runs of two or more blanks, by column.
std::map<int, std::string> fields(const std::string& line)
{
    static const std::regex field("\\S+( \\S+)*");
    std::map<int, std::string> out;
    for (std::sregex_iterator f(line.begin(), line.end(), field), end; f != end; ++f)
        out[int(f->position())] = f->str();
    return out;
}

// The pages hold the report's lines as Copy gives them, `perPage` on all but
// the last, then "Page n". pdftotext -layout makes columns of x page by page:
// each report column must become one printed column, in order.
void expectReportPages(const std::vector<std::vector<std::string>>& pages, size_t perPage)
{
    std::vector<char> text(measureLedgerReport(ledger));
    buildLedgerReport(ledger, text.data());
    const std::vector<std::string> report = split(text.data(), '\n');
    size_t n = 0;
    for (size_t p = 0; p < pages.size(); ++p) {
        EXPECT_EQ(fields(pages[p].back()).begin()->second, "Page " + std::to_string(p + 1));
        EXPECT_TRUE(p + 1 == pages.size() || pages[p].size() - 1 == perPage) << "page " << p + 1;
        std::map<int, int> columns;  // report column to printed column
        for (size_t i = 0; i + 1 < pages[p].size() && n < report.size(); ++i, ++n) {
            const auto want = fields(report[n]), got = fields(pages[p][i]);
            ASSERT_EQ(got.size(), want.size()) << pages[p][i] << " | " << report[n];
            for (auto w = want.begin(), g = got.begin(); w != want.end(); ++w, ++g)
                EXPECT_TRUE(g->second == w->second &&
                            columns.emplace(w->first, g->first).first->second == g->first)
                    << "page " << p + 1 << ": " << pages[p][i] << " | " << report[n];
        }
        for (auto c = columns.begin(); c != columns.end() && std::next(c) != columns.end(); ++c)
            EXPECT_LE(c->second, std::next(c)->second) << "page " << p + 1 << ", column " << c->first;
    }
    EXPECT_EQ(n, report.size());
}

using Printing = MainWindowTest;

}  // namespace

// The default document under an unfinished edit on Letter, then on A4; with 16
// loans (646 lines) exactly 19 pages on Letter; a cancelled dialog; a printer
// whose spool folder is a plain file refuses the document.
TEST_F(Printing, TheStoredLedgerPrintsPageByPageOnTheSheetChosen)
{
    ASSERT_NE(std::getenv("PRINT_OUT"), nullptr) << "set by scripts/windows-test.sh";
    printHook = SetWindowsHookExA(WH_CBT, printHookProc, nullptr, GetCurrentThreadId());
    std::strcpy(ledger.table[0].description.data(), "Stored description");
    editFocus.area = Transactions;  // the start focus's transaction 0, its description
    std::strcpy(editFocus.editText.data(), "Unfinished");
    const struct {
        const char *pick, *shown;
        int32_t loans;
        size_t pages, perPage;
    } jobs[]{{nullptr, "PSFILE", 0, 13, 34},
             {"PSFILE_A4", "PSFILE", 0, 12, 37},
             {"PSFILE", "PSFILE_A4", 16, 19, 34}};
    for (const auto& job : jobs) {
        for (int32_t period = 1; period <= job.loans; ++period) addAmount(ledger, Loan, period, "1000", "25");
        ASSERT_TRUE(RecalculateLedger(ledger));
        const auto pages = print(IDOK, job.pick);
        EXPECT_STREQ(printDialog.shown, job.shown) << "the dialog opens on the printer chosen last";
        EXPECT_EQ(boxes.count, 1) << "only the dialog, no message: " << boxes.title;
        ASSERT_EQ(pages.size(), job.pages) << printDialog.shown << " then " << (job.pick ? job.pick : "OK");
        expectReportPages(pages, job.perPage);
    }
    EXPECT_TRUE(print(IDCANCEL).empty());
    EXPECT_EQ(std::string(printDialog.shown) + ", " + std::to_string(boxes.count), "PSFILE, 1")
        << boxes.title;
    EXPECT_EQ(GetFileAttributesA(jobPath().c_str()), INVALID_FILE_ATTRIBUTES) << "no job at all";

    const std::string spool = "C:\\windows\\system32\\spool\\printers", aside = spool + ".aside";
    ASSERT_TRUE(MoveFileA(spool.c_str(), aside.c_str()));
    CloseHandle(CreateFileA(spool.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    EXPECT_TRUE(print(IDOK).empty());
    DeleteFileA(spool.c_str());
    ASSERT_TRUE(MoveFileA(aside.c_str(), spool.c_str()));
    EXPECT_EQ(std::to_string(boxes.count) + " boxes, the last " + boxes.title + ": " + boxes.text,
              "2 boxes, the last Can Not Print: Can not start document");
    UnhookWindowsHookEx(printHook);
}
