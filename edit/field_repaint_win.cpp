#include "edit/field_repaint.h"

#include <algorithm>

#include "ledger/edit_focus.h"
#include "view/field_geometry.h"
#include "view/window_layout.h"

ActiveText activeTextPlace(const ScreenFont& s)
{
    const TextMeasures& t = s.measures;
    const PixelRect box = activeFieldBox(editFocus, screen, headerRects, t);
    const int32_t width = textWidth(s.dc, editFocus.editText.data(), editTextLength(editFocus));
    return {box, activeTextOrigin(editFocus, box, t.charHeight, width),
            textTop(screen, box.top, t.charHeight), t.charHeight};
}

int32_t textX(const ScreenFont& s, const ActiveText& a, int32_t index)
{
    return a.origin + textWidth(s.dc, editFocus.editText.data(), std::min(index, editTextLength(editFocus)));
}

void repaintTextSpan(const ActiveText& a, int32_t fromX, int32_t toX)
{
    repaintNow({std::min(fromX, toX), a.top, std::max(fromX, toX) + 1, a.top + a.charHeight});
}

void repaintTextToEnd(const ActiveText& a, int32_t fromX)
{
    repaintNow({std::max(fromX, a.box.left + 1), a.box.top + 1, a.box.right - 1, a.box.bottom - 1});
}

PixelRect activeFieldFrame(const TextMeasures& t)
{
    const PixelRect box = activeFieldBox(editFocus, screen, headerRects, t);
    const bool hidden =
        editFocus.area == Transactions && (box.top < screen.bodyTop || box.top >= screen.clientHeight);
    return hidden ? PixelRect{0, 0, 0, 0} : grownByOne(box);
}

void repaintActiveField(const TextMeasures& t)
{
    const PixelRect frame = activeFieldFrame(t);
    if (frame.right > frame.left) repaintNow(frame);
}

void repaintHeaderRuleBand()
{
    const int32_t y = headerRuleY(screen) + 1;
    repaintNow({screen.blockLeft, y, screen.blockRight, y + 1});
}
