// The scrolled body on the screen: the rules, then the transactions' and the
// summary's lines through the one line painter, only those the paint's
// clip box can show.
#include <algorithm>

#include "ledger/body_lines.h"
#include "focus/edit_focus.h"
#include "ledger/ledger.h"
#include "view/body_painter.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/paint.h"

// The rule under the header, doubled while a transaction field is active.
static void drawHeaderRule(HDC dc)
{
    const int32_t y = headerRuleY(screen);
    drawRule(dc, screen.blockLeft, screen.blockRight, y);
    if (editFocus.area == Transactions) drawRule(dc, screen.blockLeft, screen.blockRight, y + 1);
}

static void drawPageRules(HDC dc)
{
    const int32_t last = lastPageIndex(screen, ledger.bodyLineCount);
    for (int32_t p = firstPageRuleToDraw(screen); p <= last; ++p) {
        const int32_t y = pageRuleY(screen, p, last);
        if (y >= screen.clientHeight) break;
        if (y >= screen.bodyTop) drawRule(dc, screen.blockLeft, screen.blockRight, y);
    }
}

// Body lines `from` up to `to` that are in the body and in the clip box.
static void paintLines(HDC dc, int32_t from, int32_t to)
{
    const FontSelection font = selectLedgerFont(dc);
    beginLedgerText(dc);
    const TextMeasures t = measureLedgerText(dc);
    const BodyColumns c{t,   screen.blockLeft, bodyColumn(screen, t), screen.lineHeight, screen.blockRight,
                        true};
    RECT clip;
    GetClipBox(dc, &clip);
    LineWalker walker = startLineWalk(ledger, LineTexts::Screen);
    BodyLine b;
    for (int32_t line = std::max(firstVisibleLine(screen), from); line < to; ++line) {
        const int32_t top = lineTop(screen, line);
        if (top >= screen.clientHeight || top - 1 >= clip.bottom) break;
        if (top < screen.bodyTop || !lineInClip(clip, top, screen.lineHeight)) continue;
        describeBodyLine(walker, line, b);
        drawBodyLine(dc, c, b, top, textTop(screen, top, t.charHeight));
    }
    releaseLedgerFont(dc, font);
}

void paintTransactions(HDC dc)
{
    drawHeaderRule(dc);
    drawPageRules(dc);
    paintLines(dc, 0, summaryStart(ledger.count));
}

void paintSummary(HDC dc) { paintLines(dc, summaryStart(ledger.count), ledger.bodyLineCount); }
