// Where the printed report goes on a sheet: the line pitch, the block's
// left edge, the margins, the page-break test and the footer position.
// Pure arithmetic on the printer's measures; every division truncates
// toward zero. All positions are in the printer's printable-area pixels,
// whose origin lies at the physical offsets from the sheet's corner.
#pragma once

#include <cstdint>

// What a printer device context reports about its sheet.
struct PrinterMeasures {
    int32_t pixelsPerInch;  // vertical resolution
    int32_t physicalWidth, physicalHeight;
    int32_t offsetX, offsetY;  // the printable area's top left on the sheet
};

// One printed page of the report.
struct PrintPage {
    int32_t linePitch;  // 8 inches shared by the screen's lines per page
    int32_t left;       // the block's left edge, centred on the sheet
    int32_t top;        // 1.5 inches below the sheet's top edge
    int32_t bottom;     // 1.5 inches above the sheet's bottom edge
};

// The screen's page of linesPerPage lines spread over 8 inches of paper.
int32_t printLinePitch(int32_t pixelsPerInch, int32_t linesPerPage);

// The page for a block `blockWidth` wide whose pages hold the screen's
// linesPerPage lines.
PrintPage printPageFor(const PrinterMeasures& p, int32_t blockWidth, int32_t linesPerPage);

// Moves the line top y from body line `line - 1` to `line` of a report of
// `transactions` transactions (y starts at the top for line 0): past the
// line before, then the page-break test, which is also made before the
// first line of every transaction and of the summary. The test: when the
// page already holds a line and this one would end below the bottom limit,
// y returns to the top and the result is true, for the caller to end the
// sheet and start the next. So only a page's first line may end below the
// limit, and nothing follows the last line: no empty last page.
bool placeLine(const PrintPage& page, int32_t transactions, int32_t line, int32_t& y);

// The footer's anchor: the sheet's middle, one text height below the line
// 1.5 inches above the sheet's bottom edge (centre aligned, top aligned).
struct FooterPlace {
    int32_t x, y;
};
FooterPlace footerPlace(const PrinterMeasures& p, int32_t textHeight);
