#include "view/field_geometry.h"

PixelRect headerFieldBox(const HeaderFieldRects& r, HeaderField field)
{
    switch (field) {
    case BalanceSign: return r.balanceSign;
    case BalanceInteger: return r.balanceInteger;
    case BalanceFraction: return r.balanceFraction;
    case RateFraction: return r.rateFraction;
    }
    return r.balanceSign;
}

PixelRect transactionFieldBox(const ScreenMetrics& m, const TextMeasures& t, int32_t transactionIndex,
                              TransactionField field)
{
    const int32_t top = lineTop(m, fieldLine(transactionIndex, field));
    const int32_t x0 = bodyColumn(m, t);
    const ValueCells cells = valueCells(x0, m.lineHeight, t);
    switch (field) {
    case Description: break;
    case AmountInteger: return {cells.integer.left, top, cells.integer.right, top + m.lineHeight};
    case AmountFraction: return {cells.fraction.left, top, cells.fraction.right, top + m.lineHeight};
    }
    return {x0, top, m.blockRight, top + m.lineHeight};
}

PixelRect activeFieldBox(const EditFocus& f, const ScreenMetrics& m, const HeaderFieldRects& r,
                         const TextMeasures& t)
{
    if (f.area == Transactions) return transactionFieldBox(m, t, f.transactionIndex, f.transactionField);
    return headerFieldBox(r, f.headerField);
}

int32_t signTextOrigin(const PixelRect& box, int32_t textWidth)
{
    return box.left + (box.right - box.left - textWidth) / 2;
}

int32_t integerTextOrigin(const PixelRect& box, int32_t charHeight, int32_t textWidth)
{
    return box.right - charHeight - textWidth;
}

int32_t leftTextOrigin(const PixelRect& box, int32_t charHeight) { return box.left + charHeight; }

int32_t activeTextOrigin(const EditFocus& f, const PixelRect& box, int32_t charHeight, int32_t textWidth)
{
    switch (fieldRule(fieldShape(fieldIdOf(f))).alignment) {
    case CentredField: return signTextOrigin(box, textWidth);
    case FlushRightField: return integerTextOrigin(box, charHeight, textWidth);
    case FromLeftField: break;
    }
    return leftTextOrigin(box, charHeight);
}

PixelRect grownByOne(const PixelRect& box)
{
    return {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
}
