#include "edit/field_repaint.h"

#include <algorithm>

#include "focus/edit_focus.h"
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

PixelRect focusFrame(const EditFocus& f, const TextMeasures& t)
{
    if (f.area == WholeDocument) return {0, 0, 0, 0};
    const PixelRect box = activeFieldBox(f, screen, headerRects, t);
    const bool hidden =
        f.area == Transactions && (box.top < screen.bodyTop || box.top >= screen.clientHeight);
    return hidden ? PixelRect{0, 0, 0, 0} : grownByOne(box);
}

PixelRect activeFieldFrame(const TextMeasures& t) { return focusFrame(editFocus, t); }

void repaintFrame(const PixelRect& frame)
{
    if (frame.right > frame.left) repaintNow(frame);
}

void repaintActiveField(const TextMeasures& t) { repaintFrame(activeFieldFrame(t)); }

void repaintBelowHeaderRule()
{
    repaintNow({0, headerRuleY(screen) + 1, screen.clientWidth, screen.clientHeight});
}

void repaintHeaderRuleBand()
{
    const int32_t y = headerRuleY(screen) + 1;
    repaintNow({screen.blockLeft, y, screen.blockRight, y + 1});
}
