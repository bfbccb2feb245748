#include "print/print_job.h"

#include <windows.h>
#include <commdlg.h>

#include "print/report_body.h"
#include "view/messages.h"
#include "view/window_handle.h"

// Kept for the whole run: the dialog gets back the printer and settings it
// returned last time, so it reopens on them. Only the size, owner, flags
// and returned context are set before each call.
static PRINTDLGA printRequest{};

static void reportPrintFailure(const char* text) { reportFailure(text, "Can Not Print"); }

// The print dialog; the printer's context, or null when the user cancelled
// or the dialog failed (`chosen` false) or no context came back.
static HDC choosePrinter(bool& chosen)
{
    printRequest.lStructSize = sizeof(PRINTDLGA);
    printRequest.hwndOwner = mainWindow;
    printRequest.Flags =
        PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    printRequest.hDC = nullptr;
    chosen = PrintDlgA(&printRequest) != FALSE;
    return chosen ? printRequest.hDC : nullptr;
}

// Starts the document and its first page; a refusal is reported, and a
// document already started is abandoned.
static bool startJob(HDC dc)
{
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = "Pellmont: Printing";
    if (StartDocA(dc, &document) < 1) {
        reportPrintFailure("Can not start document");
        return false;
    }
    if (StartPage(dc) < 1) {
        AbortDoc(dc);
        reportPrintFailure("Can not start page");
        return false;
    }
    return true;
}

// Every page of the started job, then its end; false when the last page
// could not be ended. The job runs on the window's thread, so the wait
// cursor is the sign that the window is busy.
static bool printPages(HDC dc)
{
    const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    printReportBody(dc);
    const bool ended = EndPage(dc) > 0;
    if (ended)
        EndDoc(dc);
    else
        AbortDoc(dc);
    SetCursor(previous);
    return ended;
}

void printLedger()
{
    bool chosen = false;
    const HDC dc = choosePrinter(chosen);
    if (!chosen) return;
    if (!dc) {
        reportPrintFailure("Can not obtain a printer DC");
        return;
    }
    if (!startJob(dc)) {
        DeleteDC(dc);
        return;
    }
    const bool ended = printPages(dc);
    DeleteDC(dc);
    if (!ended) reportPrintFailure("Could not print document");
}
