#include "view/layout.h"

#include <algorithm>

ScreenMetrics screen{};
HeaderFieldRects headerRects{};

int32_t ledgerFontHeight(int32_t pixelsPerInch) { return -(10 * pixelsPerInch) / 72; }

int32_t lineHeightFor(int32_t charHeight, int32_t internalLeading)
{
    return std::max((7 * (charHeight - internalLeading)) / 4, 1);
}

void setPageMetrics(ScreenMetrics& m, int32_t pixelsPerInch)
{
    const int32_t page = pageInches * pixelsPerInch;
    m.linesPerPage = page / m.lineHeight;
    m.pageGap = page % m.lineHeight;
}

int32_t blockWidth(const TextMeasures& t, int32_t lineHeight)
{
    return 7 * t.charHeight + lineHeight + t.intWidth + t.fracWidth + t.idWidth;
}

void layoutBlock(ScreenMetrics& m, const TextMeasures& t, int32_t lineHeight, int32_t width, int32_t height)
{
    m.clientWidth = width;
    m.clientHeight = height;
    m.lineHeight = std::max(lineHeight, 1);
    m.blockLeft = (width - blockWidth(t, m.lineHeight)) / 2;
    m.blockRight = m.blockLeft + blockWidth(t, m.lineHeight);
    m.bodyTop = m.lineHeight / 2 + headerRows * m.lineHeight;
}

static PixelRect spanInRow(CellSpan x, int32_t top, int32_t lineHeight)
{
    return {x.left, top, x.right, top + lineHeight};
}

HeaderFieldRects headerRectsFor(const ScreenMetrics& m, const TextMeasures& t, int32_t balanceLabelWidth,
                                int32_t rateLabelWidth)
{
    const int32_t lh = m.lineHeight;
    const int32_t h = lh / 2;
    const int32_t left = m.blockLeft;
    const ValueCells cells = valueCells(left, lh, t);
    auto rowTop = [&](HeaderRow row) { return h + row * lh; };

    HeaderFieldRects r{};
    r.balanceLabel = spanInRow({left, left + balanceLabelWidth}, rowTop(BalanceLabelRow), lh);
    r.balanceSign = spanInRow(cells.sign, rowTop(BalanceValueRow), lh);
    r.balanceInteger = spanInRow(cells.integer, rowTop(BalanceValueRow), lh);
    r.balancePoint = spanInRow(cells.point, rowTop(BalanceValueRow), lh);
    r.balanceFraction = spanInRow(cells.fraction, rowTop(BalanceValueRow), lh);
    r.rateLabel = spanInRow({left, left + rateLabelWidth}, rowTop(RateLabelRow), lh);
    r.rateSign = spanInRow(cells.sign, rowTop(RateValueRow), lh);
    r.rateInteger = spanInRow(cells.integer, rowTop(RateValueRow), lh);
    r.ratePoint = spanInRow(cells.point, rowTop(RateValueRow), lh);
    r.rateFraction = spanInRow(cells.fraction, rowTop(RateValueRow), lh);
    return r;
}

int32_t headerRuleY(const ScreenMetrics& m)
{
    return m.lineHeight / 2 + HeaderRuleRow * m.lineHeight + m.lineHeight / 2;
}

ValueCells valueCells(int32_t c, int32_t lh, const TextMeasures& t)
{
    const int32_t ch = t.charHeight;
    const int32_t pointLeft = c + lh + 3 * ch + t.intWidth;
    return {
        {c, c + lh},
        {c + lh + ch, pointLeft},
        {pointLeft, pointLeft + ch},
        {pointLeft + ch, pointLeft + 3 * ch + t.fracWidth},
    };
}

ValueCells totalValueCells(int32_t c, int32_t lh, const TextMeasures& t)
{
    ValueCells cells = valueCells(c, lh, t);
    const int32_t shift = t.totalIntWidth - t.intWidth;
    cells.sign.left -= shift;
    cells.sign.right -= shift;
    cells.integer.left -= shift;
    return cells;
}

int32_t bodyColumn(const ScreenMetrics& m, const TextMeasures& t)
{
    return m.blockLeft + t.idWidth + t.charHeight;
}

int32_t lineTop(const ScreenMetrics& m, int32_t line)
{
    const int32_t s = m.scrollLine;
    const int32_t pages = line / m.linesPerPage - s / m.linesPerPage;
    return m.bodyTop + (line - s) * m.lineHeight + pages * m.pageGap;
}

int32_t lineTop(int32_t line) { return lineTop(screen, line); }

int32_t textTop(const ScreenMetrics& m, int32_t top, int32_t charHeight)
{
    return top + (m.lineHeight - charHeight) / 2;
}

int32_t visibleLineCount(const ScreenMetrics& m)
{
    return std::max((m.clientHeight - m.bodyTop) / m.lineHeight - 1, 0);
}

int32_t visibleLineCount() { return visibleLineCount(screen); }

int32_t maxScrollLine(const ScreenMetrics& m, int32_t bodyLineCount)
{
    const int32_t pages = (bodyLineCount - 1) / m.linesPerPage + 1;
    return std::max(pages * m.linesPerPage - visibleLineCount(m) + 1, 0);
}

int32_t maxScrollLine(int32_t bodyLineCount) { return maxScrollLine(screen, bodyLineCount); }

int32_t clampScrollLine(int32_t p, int32_t max)
{
    if (p < 0 || max < 0) return 0;
    return std::min(p, max);
}

int32_t pageStep(int32_t visibleLines) { return std::max(visibleLines - 1, 1); }

int32_t scrollRequestTarget(int32_t code, int32_t thumb, int32_t current, int32_t visibleLines)
{
    switch (code) {
    case ScrollLineUp: return current - 1;
    case ScrollLineDown: return current + 1;
    case ScrollPageUp: return current - pageStep(visibleLines);
    case ScrollPageDown: return current + pageStep(visibleLines);
    case ScrollThumbPosition:
    case ScrollThumbTrack: return thumb;
    default: return current;
    }
}

int32_t scrollDelta(const ScreenMetrics& m, int32_t from, int32_t to)
{
    const int32_t pages = from / m.linesPerPage - to / m.linesPerPage;
    return (from - to) * m.lineHeight + pages * m.pageGap;
}

// lineTop is increasing in the line and equals bodyTop at scrollLine.
int32_t firstVisibleLine(const ScreenMetrics& m) { return std::max(m.scrollLine, 0); }

int32_t lastPageIndex(const ScreenMetrics& m, int32_t bodyLineCount)
{
    return (bodyLineCount - 1) / m.linesPerPage;
}

int32_t pageRuleY(const ScreenMetrics& m, int32_t page, int32_t lastPage)
{
    const int32_t y = lineTop(m, (page + 1) * m.linesPerPage);
    return page == lastPage ? y : y - (m.pageGap - m.pageGap / 2);
}

// Pages ending before the scroll position put their rule above bodyTop; the
// one ending exactly at it may sit on bodyTop when there is no gap.
int32_t firstPageRuleToDraw(const ScreenMetrics& m)
{
    return std::max(firstVisibleLine(m) / m.linesPerPage - 1, 0);
}
