#include "view/font.h"

#include <cstring>

#include "view/window_handle.h"

HFONT createLedgerFont(HDC dc)
{
    LOGFONTA font{};
    font.lfHeight = ledgerFontHeight(GetDeviceCaps(dc, LOGPIXELSY));
    font.lfCharSet = ANSI_CHARSET;
    std::strcpy(font.lfFaceName, "Courier New");
    return CreateFontIndirectA(&font);
}

FontSelection selectLedgerFont(HDC dc)
{
    const HFONT font = createLedgerFont(dc);
    return {font, SelectObject(dc, font)};
}

void releaseLedgerFont(HDC dc, FontSelection selection)
{
    SelectObject(dc, selection.previous);
    DeleteObject(selection.font);
}

int32_t textWidth(HDC dc, const char* text, int32_t length)
{
    SIZE size{};
    GetTextExtentPoint32A(dc, text, length, &size);
    return size.cx;
}

int32_t textWidth(HDC dc, const char* text)
{
    return textWidth(dc, text, static_cast<int32_t>(std::strlen(text)));
}

TextMeasures measureLedgerText(HDC dc)
{
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    TextMeasures t{};
    t.charHeight = metrics.tmHeight;
    t.idWidth = textWidth(dc, "00-0000M");
    t.intWidth = textWidth(dc, "000000000000000000000");
    t.fracWidth = textWidth(dc, "00000000000000000000");
    t.totalIntWidth = textWidth(dc, "0000000000000000000000000");
    return t;
}

int32_t measureLineHeight(HDC dc)
{
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return lineHeightFor(metrics.tmHeight, metrics.tmInternalLeading);
}

ScreenFont openScreenFont()
{
    const HDC dc = GetDC(mainWindow);
    const FontSelection font = selectLedgerFont(dc);
    return {dc, font, measureLedgerText(dc)};
}

void closeScreenFont(const ScreenFont& s)
{
    releaseLedgerFont(s.dc, s.font);
    ReleaseDC(mainWindow, s.dc);
}
