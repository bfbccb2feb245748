#include "print/page_footer.h"

#include "view/font.h"

int32_t pageCounter = 0;

PrinterMeasures measurePrinter(HDC dc)
{
    return {GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, PHYSICALWIDTH),
            GetDeviceCaps(dc, PHYSICALHEIGHT), GetDeviceCaps(dc, PHYSICALOFFSETX),
            GetDeviceCaps(dc, PHYSICALOFFSETY)};
}

void printPageFooter(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    const PrinterMeasures sheet = measurePrinter(dc);
    const FontSelection font = selectLedgerFont(dc);
    char text[32];
    const int32_t length = wsprintfA(text, "%s%i", "Page ", pageCounter);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, length, &size);
    const FooterPlace place = footerPlace(sheet, size.cy);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    TextOutA(dc, place.x, place.y, text, length);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    ++pageCounter;
    releaseLedgerFont(dc, font);
}
