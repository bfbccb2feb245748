// The screen layout of the ledger: line metrics, the centred block, the
// header rectangles, body line numbering and the vertical scroll model.
// Pure arithmetic on pixel and line values; the Win32 side measures the font
// and feeds these records.
//
// Owner: view/. `screen` and `headerRects` are written only by the layout,
// resize and scroll code (and keyboard scrolling through scrollToLine's
// callers); everything else reads them.
#pragma once

#include <cstdint>

struct PixelRect {
    int32_t left, top, right, bottom;
};

struct ScreenMetrics {
    int32_t lineHeight;    // at least 1
    int32_t linesPerPage;  // set once, at window creation
    int32_t pageGap;       // set once, at window creation
    int32_t blockLeft;     // negative when the window is narrower than the block
    int32_t blockRight;
    int32_t bodyTop;
    int32_t clientWidth;
    int32_t clientHeight;
    int32_t scrollLine;    // body line shown at bodyTop
};

// Widths measured with the ledger font on one device.
struct TextMeasures {
    int32_t charHeight;     // text-metric height; also the horizontal spacing unit
    int32_t idWidth;        // "00-0000M"
    int32_t intWidth;       // 21 zeros
    int32_t fracWidth;      // 20 zeros
    int32_t totalIntWidth;  // 25 zeros
};

// The header's ten rectangles, recomputed on every resize.
struct HeaderFieldRects {
    PixelRect balanceLabel, balanceSign, balanceInteger, balancePoint, balanceFraction;
    PixelRect rateLabel, rateSign, rateInteger, ratePoint, rateFraction;
};

extern ScreenMetrics screen;
extern HeaderFieldRects headerRects;
