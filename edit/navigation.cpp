#include "edit/navigation.h"

#include "ledger/body_lines.h"

bool isScrollKey(int32_t key)
{
    return key == KeyPageDown || key == KeyPageUp || key == KeyDown || key == KeyUp || key == KeyEnd ||
           key == KeyHome;
}

int32_t scrollKeyTarget(int32_t key, int32_t scrollLine, int32_t visibleLines, int32_t maxLine)
{
    int32_t p = scrollLine;
    switch (key) {
    case KeyDown: p = scrollLine + 1; break;
    case KeyUp: p = scrollLine - 1; break;
    case KeyPageDown: p = scrollLine + pageStep(visibleLines); break;
    case KeyPageUp: p = scrollLine - pageStep(visibleLines); break;
    case KeyHome: p = 0; break;
    case KeyEnd: p = maxLine; break;
    default: break;
    }
    return clampScrollLine(p, maxLine);
}

int32_t keepLineVisible(int32_t scrollLine, int32_t line, int32_t visible)
{
    int32_t s = scrollLine > line ? line : scrollLine;
    if (s + visible < line + 1) s = line - visible + 1 > line ? line : line - visible + 1;
    return s;
}

FieldId tabTarget(const EditFocus& f, const Ledger& l)
{
    if (f.area == Header) return headerFieldId(static_cast<HeaderField>((f.headerField + 1) % 4));
    const int32_t i = f.transactionIndex;
    const bool amounts = l.table[i].type != Interest;
    if (f.transactionField == Description && amounts) return transactionFieldId(i, AmountInteger);
    if (f.transactionField == AmountInteger) return transactionFieldId(i, AmountFraction);
    return transactionFieldId(i + 1 < l.count ? i + 1 : 0, Description);
}

FieldId shiftTabTarget(const EditFocus& f)
{
    return f.area == Header ? transactionFieldId(0, Description) : headerFieldId(BalanceSign);
}

static bool inside(const PixelRect& r, int32_t x, int32_t y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

static HeaderField headerFieldAt(const HeaderFieldRects& r, int32_t x, int32_t y)
{
    if (inside(r.balanceInteger, x, y)) return BalanceInteger;
    if (inside(r.balanceFraction, x, y)) return BalanceFraction;
    if (inside(r.rateFraction, x, y)) return RateFraction;
    return BalanceSign;  // the sign box, and every other place in the header
}

// The clicked body line: the last one whose top is not below y, never one
// above the scroll position.
static int32_t bodyLineAt(const ScreenMetrics& m, int32_t y, int32_t lineCount)
{
    for (int32_t line = m.scrollLine; line < lineCount; ++line)
        if (lineTop(m, line) > y) return line - 1 < m.scrollLine ? m.scrollLine : line - 1;
    return lineCount - 1;
}

static TransactionField amountFieldAt(const ScreenMetrics& m, const TextMeasures& t, int32_t x)
{
    const ValueCells cells = valueCells(bodyColumn(m, t), m.lineHeight, t);
    if (x >= cells.integer.left && x < cells.integer.right) return AmountInteger;
    if (x >= cells.fraction.left && x < cells.fraction.right) return AmountFraction;
    return Description;
}

ClickTarget fieldAtPoint(int32_t x, int32_t y, const ScreenMetrics& m, const TextMeasures& t,
                         const HeaderFieldRects& r, const Ledger& l, int32_t pixelsPerInch)
{
    const int32_t n = l.bodyLineCount, p = m.linesPerPage;
    const int32_t lastPageBottom = ((n - 1) / p + 1) * pageInches * pixelsPerInch -
                                   (m.scrollLine / p) * m.pageGap - m.lineHeight * m.scrollLine + m.bodyTop;
    if (x < m.blockLeft || x >= m.blockRight || y >= lastPageBottom) return {true, {}};
    if (y < m.bodyTop + m.lineHeight / 2 - m.lineHeight)
        return {false, headerFieldId(headerFieldAt(r, x, y))};
    const int32_t line = bodyLineAt(m, y, n);
    int32_t index = transactionOfLine(line);
    if (index > l.count - 1) index = 0;
    TransactionField field = Description;
    if (l.table[index].type != Interest && line == bodyLineOf(index, TransactionLine::Amount))
        field = amountFieldAt(m, t, x);
    return {false, transactionFieldId(index, field)};
}
