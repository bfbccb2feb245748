// The printed report: the screen body's lines, in order and in its
// columns, on pages of the screen's page length.
#pragma once

#include <windows.h>

// Prints every body line of the stored ledger (never an edit in progress)
// onto `dc`, whose first page is started and has its footer. Ends and
// starts the further pages itself and leaves the last one open.
void printReportBody(HDC dc);
