// The sheet a printer reports and the footer of every printed page, with
// the page counter.
//
// Owner: print/. The page counter is written only by the report body: set
// to 1 when a job's first page starts, advanced by printPageFooter.
#pragma once

#include <windows.h>

#include <cstdint>

#include "print/page_layout.h"

// The number of the page whose footer is drawn next; keeps its last value
// after a job.
extern int32_t pageCounter;

// The sheet of the printer behind `dc`.
PrinterMeasures measurePrinter(HDC dc);

// "Page " and the page counter centred near the bottom of the current
// sheet; advances the counter. Called right after every page is started.
void printPageFooter(HDC dc);
