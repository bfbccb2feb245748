// Drawing primitives shared by the paint steps: texts, boxes, rules, the
// active field's frame, caret and selection, and inverted bands.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ledger/ledger.h"
#include "view/layout.h"

// Transparent text, left/top aligned.
void beginLedgerText(HDC dc);

// A text up to its terminator.
void drawText(HDC dc, int32_t x, int32_t y, const char* text);

// A text of a fixed-size field: up to its terminator or `size` bytes.
void drawBoundedText(HDC dc, int32_t x, int32_t y, const char* text, int32_t size);

// A text centred on the cell's middle.
void drawCentred(HDC dc, CellSpan cell, int32_t y, const char* text);

// A box with the default one-pixel black pen and white fill.
void drawBox(HDC dc, const PixelRect& box);

// A one-pixel horizontal line from left up to right.
void drawRule(HDC dc, int32_t left, int32_t right, int32_t y);

// Inverts [left, right) over `height` pixels from `top`.
void invertBand(HDC dc, int32_t left, int32_t right, int32_t top, int32_t height);

// A value row without boxes: sign and point centred, digits a character
// height into their cells.
void drawValueCells(HDC dc, const ValueCells& cells, int32_t y, int32_t charHeight, const char* sign,
                    const char* integer, const char* fraction);

// A stored amount or balance in its value cells.
void drawValue(HDC dc, const ValueCells& cells, int32_t y, int32_t charHeight, const SignedAmount& value);

// How a box shows its stored text.
enum StoredTextPlace : int32_t { CentredText, IndentedText };

// An editable box: the box, then its stored text or, while it is the active
// field, the edit text at the field's text origin with the focus frame,
// caret and selection.
void drawFieldBox(HDC dc, const PixelRect& box, const char* stored, StoredTextPlace place, bool active,
                  int32_t charHeight);
