// The printed report: the screen body's lines, in order and in its
// columns, on pages of the screen's page length.
#pragma once

#include <windows.h>

// Prints every page of the report of the stored ledger (never an edit in
// progress) onto `dc`, whose first page is started: its footer, with the
// page counter from 1, then the body lines, ending and starting the
// further pages with their footers and leaving the last one open.
void printReportBody(HDC dc);
