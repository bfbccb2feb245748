// The print job: File > Print through the print dialog, the document and
// its pages, the page counter and the footer of every page.
//
// Owner: print/. The page counter is written only by the print command
// (reset to 1) and printPageFooter (advanced after each footer).
#pragma once

#include <windows.h>

#include <cstdint>

#include "print/page_layout.h"

// The number of the page whose footer is drawn next; keeps its last value
// after a job.
extern int32_t pageCounter;

// File > Print: asks for a printer and prints the whole ledger on it. A
// cancelled dialog prints and shows nothing; a printer that refuses the
// document or its first or last page is reported under "Can Not Print".
void printLedger();

// The sheet of the printer behind `dc`.
PrinterMeasures measurePrinter(HDC dc);

// "Page " and the page counter centred near the bottom of the current
// sheet; advances the counter. Called right after every page is started.
void printPageFooter(HDC dc);
