// The ledger font: "Courier New", 10 points at a device's vertical
// resolution. Never kept: whoever measures or draws creates it, selects it,
// and selects the previous font back and deletes it when done.
#pragma once

#include <windows.h>

#include <cstdint>

#include "view/layout.h"

// A new font for `dc`, owned by the caller.
HFONT createLedgerFont(HDC dc);

// The font selected into a device context and the one it replaced.
struct FontSelection {
    HFONT font;
    HGDIOBJ previous;
};

// Creates the ledger font and selects it into `dc`.
FontSelection selectLedgerFont(HDC dc);

// Selects the previous font back and deletes the ledger font.
void releaseLedgerFont(HDC dc, FontSelection selection);

// Width of the first `length` characters of `text` in the selected font.
int32_t textWidth(HDC dc, const char* text, int32_t length);
int32_t textWidth(HDC dc, const char* text);

// charHeight and the widths of the identifier, integer, fraction and total
// columns, measured with the ledger font selected into `dc`.
TextMeasures measureLedgerText(HDC dc);

// Line height of the ledger font selected into `dc`.
int32_t measureLineHeight(HDC dc);

// The ledger font selected into the main window's screen context, with its
// measures: what a handler that measures text holds while it runs.
struct ScreenFont {
    HDC dc;
    FontSelection font;
    TextMeasures measures;
};

ScreenFont openScreenFont();
void closeScreenFont(const ScreenFont& s);
