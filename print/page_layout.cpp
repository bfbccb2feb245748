#include "print/page_layout.h"

#include "ledger/body_lines.h"

// The margins above and below the report, in pixels.
static int32_t margin(const PrinterMeasures& p) { return (3 * p.pixelsPerInch) / 2; }

int32_t printLinePitch(int32_t pixelsPerInch, int32_t linesPerPage)
{
    return (8 * pixelsPerInch) / linesPerPage;
}

PrintPage printPageFor(const PrinterMeasures& p, int32_t blockWidth, int32_t linesPerPage)
{
    return {
        printLinePitch(p.pixelsPerInch, linesPerPage),
        (p.physicalWidth - blockWidth) / 2 - p.offsetX,
        margin(p) - p.offsetY,
        p.physicalHeight - margin(p) - p.offsetY,
    };
}

static bool breakWhenFull(const PrintPage& page, int32_t& y)
{
    if (y <= page.top || y + page.linePitch <= page.bottom) return false;
    y = page.top;
    return true;
}

bool placeLine(const PrintPage& page, int32_t transactions, int32_t line, int32_t& y)
{
    bool newPage = false;
    if (line > 0) {
        y += page.linePitch;
        newPage = breakWhenFull(page, y);
    }
    const bool startsBlock =
        lineWithin(line) == TransactionLine::Description && line <= summaryStart(transactions);
    return (startsBlock && breakWhenFull(page, y)) || newPage;
}

FooterPlace footerPlace(const PrinterMeasures& p, int32_t textHeight)
{
    return {p.physicalWidth / 2 - p.offsetX, p.physicalHeight - p.offsetY - margin(p) + textHeight};
}
