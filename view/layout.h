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
    int32_t scrollLine;  // body line shown at bodyTop
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

// ---- Line metrics -------------------------------------------------------

// Height asked of the ledger font: minus 10 points at the device's
// vertical resolution, truncated toward zero.
int32_t ledgerFontHeight(int32_t pixelsPerInch);

// Every body page is this many inches of the device's vertical resolution.
constexpr int32_t pageInches = 8;

// Lines are 7/4 of the font's character height without internal leading;
// never below one pixel because the layout divides by it.
int32_t lineHeightFor(int32_t charHeight, int32_t internalLeading);

// linesPerPage and pageGap from m.lineHeight and the vertical resolution:
// each page is linesPerPage lines plus pageGap pixels, 8 inches in all.
void setPageMetrics(ScreenMetrics& m, int32_t pixelsPerInch);

// ---- Block and header ---------------------------------------------------

// The header's rows below its top half line: each label above its value,
// then the rule between header and body.
enum HeaderRow : int32_t { BalanceLabelRow, BalanceValueRow, RateLabelRow, RateValueRow, HeaderRuleRow, headerRows };

// Width of the centred text block.
int32_t blockWidth(const TextMeasures& t, int32_t lineHeight);

// Stores the client size and line height and centres the block; bodyTop
// follows the four header rows and the rule between header and body.
void layoutBlock(ScreenMetrics& m, const TextMeasures& t, int32_t lineHeight, int32_t width, int32_t height);

// The ten header rectangles for a laid-out block; the label widths are the
// measured "Beginning balance: " and "Interest rate per period: ".
HeaderFieldRects headerRectsFor(const ScreenMetrics& m, const TextMeasures& t, int32_t balanceLabelWidth,
                                int32_t rateLabelWidth);

// y of the rule between header and body.
int32_t headerRuleY(const ScreenMetrics& m);

// ---- Value rows ---------------------------------------------------------

struct CellSpan {
    int32_t left, right;
};

// The four cells of a row that shows a signed amount.
struct ValueCells {
    CellSpan sign, integer, point, fraction;
};

// Cells laid out from column origin c (blockLeft in the header, bodyColumn
// in the body).
ValueCells valueCells(int32_t column, int32_t lineHeight, const TextMeasures& t);

// A summary total's cells: sign and integer start move left so that 25
// integer digits end where 21 do.
ValueCells totalValueCells(int32_t column, int32_t lineHeight, const TextMeasures& t);

// x0 of the body: labels, value columns and description boxes start here.
int32_t bodyColumn(const ScreenMetrics& m, const TextMeasures& t);

// ---- Body lines and scrolling ------------------------------------------

// Top y of body line L at the current scroll position; a page boundary
// crossed adds pageGap.
int32_t lineTop(const ScreenMetrics& m, int32_t line);
int32_t lineTop(int32_t line);

// y of a line's or box's text, centred vertically in lineHeight.
int32_t textTop(const ScreenMetrics& m, int32_t top, int32_t charHeight);

// Whole lines that fit below bodyTop, less one; 0 when none fit.
int32_t visibleLineCount(const ScreenMetrics& m);
int32_t visibleLineCount();

// Largest scrollLine: body lines rounded up to whole pages, less the
// visible lines, plus one; 0 when that is negative.
int32_t maxScrollLine(const ScreenMetrics& m, int32_t bodyLineCount);
int32_t maxScrollLine(int32_t bodyLineCount);

// p clamped into [0, max]; 0 wins when max is negative.
int32_t clampScrollLine(int32_t p, int32_t max);

// Scroll-bar request codes, numbered as the platform's vertical scroll bar
// numbers them.
enum ScrollCode : int32_t {
    ScrollLineUp = 0,
    ScrollLineDown = 1,
    ScrollPageUp = 2,
    ScrollPageDown = 3,
    ScrollThumbPosition = 4,
    ScrollThumbTrack = 5,
};

// Lines moved by a page request: the visible lines less one, at least 1.
int32_t pageStep(int32_t visibleLines);

// The unclamped new position for a scroll-bar request; codes that do not
// move (top, bottom, end-scroll, others) return `current`.
int32_t scrollRequestTarget(int32_t code, int32_t thumb, int32_t current, int32_t visibleLines);

// Pixels the body moves when the position goes from `from` to `to`;
// positive moves the content down.
int32_t scrollDelta(const ScreenMetrics& m, int32_t from, int32_t to);

// The first body line whose top is at or below bodyTop: no line above the
// scroll position is ever drawn, so painting starts here whatever the
// document's length.
int32_t firstVisibleLine(const ScreenMetrics& m);

// ---- Page rules ---------------------------------------------------------

// Index of the last page of a body of `bodyLineCount` lines.
int32_t lastPageIndex(const ScreenMetrics& m, int32_t bodyLineCount);

// y of page p's rule: in the middle of the gap after the page, except that
// the last page's rule stays at the full page end.
int32_t pageRuleY(const ScreenMetrics& m, int32_t page, int32_t lastPage);

// The first page whose rule can lie at or below bodyTop.
int32_t firstPageRuleToDraw(const ScreenMetrics& m);
