#include "ledger/body_lines.h"
#include "focus/edit_focus.h"
#include "ledger/ledger.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/paint.h"

static CellSpan span(const PixelRect& r) { return {r.left, r.right}; }

// Nothing is drawn in the rate's integer cell: the rate is a pure fraction.
void paintHeader(HDC dc)
{
    const FontSelection font = selectLedgerFont(dc);
    beginLedgerText(dc);
    const TextMeasures t = measureLedgerText(dc);
    const int32_t ch = t.charHeight;
    const HeaderFieldRects& r = headerRects;
    const SignedAmount& balance = ledger.header.beginningBalance;
    auto y = [&](const PixelRect& row) { return textTop(screen, row.top, ch); };

    drawText(dc, r.rateLabel.left, y(r.rateLabel), ratePerPeriodText);
    drawCentred(dc, span(r.rateSign), y(r.rateSign), "+");
    drawCentred(dc, span(r.ratePoint), y(r.ratePoint), ".");
    drawFieldBox(dc, r.rateFraction, ledger.header.ratePerPeriod.data(), IndentedText,
                 isActiveHeaderField(editFocus, RateFraction), ch);

    drawText(dc, r.balanceLabel.left, y(r.balanceLabel), beginningBalanceText);
    drawFieldBox(dc, r.balanceSign, balance.sign.data(), CentredText,
                 isActiveHeaderField(editFocus, BalanceSign), ch);
    drawFieldBox(dc, r.balanceInteger, balance.integer.data(), IndentedText,
                 isActiveHeaderField(editFocus, BalanceInteger), ch);
    drawCentred(dc, span(r.balancePoint), y(r.balancePoint), ".");
    drawFieldBox(dc, r.balanceFraction, balance.fraction.data(), IndentedText,
                 isActiveHeaderField(editFocus, BalanceFraction), ch);

    releaseLedgerFont(dc, font);
}
