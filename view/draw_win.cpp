#include "view/draw.h"

#include <algorithm>
#include <cstring>

#include "view/field_geometry.h"
#include "focus/edit_focus.h"
#include "view/font.h"

void beginLedgerText(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
}

void drawText(HDC dc, int32_t x, int32_t y, const char* text)
{
    TextOutA(dc, x, y, text, static_cast<int32_t>(std::strlen(text)));
}

void drawBoundedText(HDC dc, int32_t x, int32_t y, const char* text, int32_t size)
{
    TextOutA(dc, x, y, text, storedTextLength(text, size));
}

void drawCentred(HDC dc, CellSpan cell, int32_t y, const char* text)
{
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    TextOutA(dc, (cell.left + cell.right) / 2, y, text, static_cast<int32_t>(std::strlen(text)));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
}

void drawBox(HDC dc, const PixelRect& box) { Rectangle(dc, box.left, box.top, box.right, box.bottom); }

void drawRule(HDC dc, int32_t left, int32_t right, int32_t y)
{
    MoveToEx(dc, left, y, nullptr);
    LineTo(dc, right, y);
}

void invertBand(HDC dc, int32_t left, int32_t right, int32_t top, int32_t height)
{
    if (right > left) PatBlt(dc, left, top, right - left, height, DSTINVERT);
}

void drawValueCells(HDC dc, const ValueCells& cells, int32_t y, int32_t charHeight, const char* sign,
                    const char* integer, const char* fraction)
{
    drawCentred(dc, cells.sign, y, sign);
    drawText(dc, cells.integer.left + charHeight, y, integer);
    drawCentred(dc, cells.point, y, ".");
    drawText(dc, cells.fraction.left + charHeight, y, fraction);
}

void drawValue(HDC dc, const ValueCells& cells, int32_t y, int32_t charHeight, const SignedAmount& value)
{
    drawValueCells(dc, cells, y, charHeight, value.sign.data(), value.integer.data(), value.fraction.data());
}

// A second frame one pixel outside the box's border, so the active box has
// a two-pixel border.
static void drawFocusFrame(HDC dc, const PixelRect& box)
{
    MoveToEx(dc, box.left - 1, box.top - 1, nullptr);
    LineTo(dc, box.right, box.top - 1);
    LineTo(dc, box.right, box.bottom);
    LineTo(dc, box.left - 1, box.bottom);
    LineTo(dc, box.left - 1, box.top - 1);
}

// editText at its origin, the frame, the caret and a shown selection.
static void drawActiveField(HDC dc, const PixelRect& box, int32_t y, int32_t charHeight)
{
    const char* text = editFocus.editText.data();
    const int32_t origin = activeTextOrigin(editFocus, box, charHeight, textWidth(dc, text));
    const int32_t length = editTextLength(editFocus);
    drawBoundedText(dc, origin, y, text, length);
    drawFocusFrame(dc, box);
    // On an empty sign field the caret, and a selection, may stand after the
    // missing sign: they are drawn at the text's end.
    const int32_t caretX = origin + textWidth(dc, text, std::min(editFocus.caret, length));
    MoveToEx(dc, caretX, y, nullptr);
    LineTo(dc, caretX, y + charHeight);
    if (editFocus.selectionShown && editFocus.selectionEnd > editFocus.selectionStart)
        invertBand(dc, origin + textWidth(dc, text, std::min(editFocus.selectionStart, length)),
                   origin + textWidth(dc, text, std::min(editFocus.selectionEnd, length)), y, charHeight);
}

void drawFieldBox(HDC dc, const PixelRect& box, const char* stored, StoredTextPlace place, bool active,
                  int32_t charHeight)
{
    drawBox(dc, box);
    const int32_t y = textTop(screen, box.top, charHeight);
    if (active) {
        drawActiveField(dc, box, y, charHeight);
        return;
    }
    const int32_t x =
        place == CentredText ? signTextOrigin(box, textWidth(dc, stored)) : leftTextOrigin(box, charHeight);
    drawBoundedText(dc, x, y, stored, descriptionSize);
}
