// The whole picture: what the window paints compared pixel for pixel with what it should show,
// drawn here without the painters: every line's text taken from the report (checked byte for byte
// natively), at the positions the layout gives, with the boxes, rules, the header, and the active
// field's frame, caret and selection.
#include <gtest/gtest.h>

#include <sstream>

#include "app/main_window.h"
#include "clipboard/report.h"
#include "edit/focus.h"
#include "support/ledger_builders.h"
#include "view/field_geometry.h"
#include "view/font.h"
#include "view/window_layout.h"
#include "win/harness.h"

namespace {

struct Picture {
    HDC dc;
    TextMeasures t;
    int32_t x0;
    void text(int32_t x, int32_t y, const std::string& s) const
    {
        TextOutA(dc, x, y, s.data(), int(s.size()));
    }
    int32_t width(const std::string& s) const
    {
        SIZE size{};
        GetTextExtentPoint32A(dc, s.data(), int(s.size()), &size);
        return size.cx;
    }
    void centred(CellSpan c, int32_t y, const std::string& s) const
    {
        SetTextAlign(dc, TA_CENTER | TA_TOP);
        text((c.left + c.right) / 2, y, s);
        SetTextAlign(dc, TA_LEFT | TA_TOP);
    }
    void line(int32_t x0, int32_t y0, int32_t x1, int32_t y1) const
    {
        MoveToEx(dc, x0, y0, nullptr);
        LineTo(dc, x1, y1);
    }
    void invert(int32_t left, int32_t right, int32_t y) const
    {
        if (right > left) PatBlt(dc, left, y, right - left, t.charHeight, DSTINVERT);
    }
    int32_t textY(int32_t top) const { return top + (screen.lineHeight - t.charHeight) / 2; }

    // A box with its text: the stored text, or the edit text with the focus frame, caret and selection.
    void box(const PixelRect& r, const std::string& stored, bool centre, bool active, bool integer) const
    {
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        const int32_t y = textY(r.top);
        const std::string s = active ? std::string(editFocus.editText.data()) : stored;
        const int32_t x = centre              ? r.left + (r.right - r.left - width(s)) / 2
                          : active && integer ? r.right - t.charHeight - width(s)
                                              : r.left + t.charHeight;
        text(x, y, s);
        if (!active) return;
        const RECT frame{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        const int32_t caret = x + width(s.substr(0, std::min<size_t>(editFocus.caret, s.size())));
        line(caret, y, caret, y + t.charHeight);
        const EditFocus& f = editFocus;
        if (f.selectionShown && f.selectionEnd > f.selectionStart)
            invert(x + width(s.substr(0, f.selectionStart)), x + width(s.substr(0, f.selectionEnd)), y);
    }

    // A value row from a report line: identifier, sign, integer and fraction at their columns.
    void value(const std::string& s, int32_t top, int32_t i) const
    {
        const int32_t y = textY(top);
        const bool total = s.compare(0, 7, "       ") == 0;
        const ValueCells c =
            total ? totalValueCells(x0, screen.lineHeight, t) : valueCells(x0, screen.lineHeight, t);
        const bool boxes = i >= 0 && ledger.table[i].type != Interest;  // a loan's or payment's own amount
        if (!total) text(screen.blockLeft, y, s.substr(0, 8));
        centred(c.sign, y,
                boxes ? (ledger.table[i].type == Payment ? "-" : "+") : s.substr(total ? 7 : 11, 1));
        centred(c.point, y, ".");
        const std::string integer = total ? s.substr(13, 25) : s.substr(17, 21), fraction = s.substr(43, 20);
        if (!boxes) {
            text(c.integer.left + t.charHeight, y, integer == std::string(21, ' ') ? "" : integer);
            text(c.fraction.left + t.charHeight, y, fraction);
            return;
        }
        const int32_t b = top + screen.lineHeight;
        box({c.integer.left, top, c.integer.right, b}, integer, false,
            isActiveTransactionField(editFocus, i, AmountInteger), true);
        box({c.fraction.left, top, c.fraction.right, b}, fraction, false,
            isActiveTransactionField(editFocus, i, AmountFraction), false);
    }
};

std::vector<std::string> reportLines()
{
    std::string report(static_cast<size_t>(measureLedgerReport(ledger)), 0);
    buildLedgerReport(ledger, report.data());
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = report.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(report.substr(at, end - at));
    return lines;
}

Capture expectedPicture()
{
    const int32_t w = screen.clientWidth, h = screen.clientHeight;
    const HDC window = GetDC(mainWindow), dc = CreateCompatibleDC(window);
    const HBITMAP bitmap = CreateCompatibleBitmap(window, w, h);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, w, h, WHITENESS);
    const HFONT font = createLedgerFont(dc);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    Picture p{dc, measureLedgerText(dc), 0};
    p.x0 = screen.blockLeft + p.t.idWidth + p.t.charHeight;
    const HeaderFieldRects& r = headerRects;
    const SignedAmount& balance = ledger.header.beginningBalance;
    p.text(r.rateLabel.left, p.textY(r.rateLabel.top), "Interest rate per period: ");
    p.centred({r.rateSign.left, r.rateSign.right}, p.textY(r.rateSign.top), "+");
    p.centred({r.ratePoint.left, r.ratePoint.right}, p.textY(r.ratePoint.top), ".");
    p.box(r.rateFraction, text(ledger.header.ratePerPeriod), false,
          isActiveHeaderField(editFocus, RateFraction), false);
    p.text(r.balanceLabel.left, p.textY(r.balanceLabel.top), "Beginning balance: ");
    p.box(r.balanceSign, text(balance.sign), true, isActiveHeaderField(editFocus, BalanceSign), false);
    p.box(r.balanceInteger, text(balance.integer), false, isActiveHeaderField(editFocus, BalanceInteger),
          true);
    p.centred({r.balancePoint.left, r.balancePoint.right}, p.textY(r.balancePoint.top), ".");
    p.box(r.balanceFraction, text(balance.fraction), false, isActiveHeaderField(editFocus, BalanceFraction),
          false);
    const int32_t rule = screen.bodyTop - screen.lineHeight + screen.lineHeight / 2;
    p.line(screen.blockLeft, rule, screen.blockRight, rule);
    if (editFocus.area == Transactions) p.line(screen.blockLeft, rule + 1, screen.blockRight, rule + 1);
    const int32_t pages = (ledger.bodyLineCount - 1) / screen.linesPerPage + 1, gap = screen.pageGap;
    for (int32_t page = 1; page <= pages; ++page) {
        const int32_t y = lineTop(page * screen.linesPerPage) - (page < pages ? gap - gap / 2 : 0);
        if (y >= screen.bodyTop && y < h) p.line(screen.blockLeft, y, screen.blockRight, y);
    }
    const std::vector<std::string> lines = reportLines();
    for (int32_t n = screen.scrollLine; n < int32_t(lines.size()) && lineTop(n) < h; ++n) {
        const std::string& s = lines[n];
        const int32_t top = lineTop(n), i = n / 12, k = n < 12 * ledger.count ? n % 12 : -1;
        if (top < screen.bodyTop) continue;
        const bool amountBoxes = k == 9 && ledger.table[i].type != Interest;
        if (s.size() == 65 && s[40] == '.') {
            p.value(s, top, amountBoxes ? i : -1);
        } else if (k < 0) {
            p.text(screen.blockLeft, p.textY(top), s);
        } else {
            p.text(screen.blockLeft, p.textY(top), s.substr(0, 8));
            if (k == 0)
                p.box({p.x0, top, screen.blockRight, top + screen.lineHeight}, s.substr(12), false,
                      isActiveTransactionField(editFocus, i, Description), false);
            else
                p.text(p.x0, p.textY(top), s.substr(10));
        }
    }
    SelectObject(dc, oldFont);
    DeleteObject(font);
    Capture c = captureDC(dc, w, h);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(mainWindow, window);
    return c;
}

}  // namespace

void expectPicture(const char* what)
{
    repaintAll();
    const Capture painted = captureClient(), expected = expectedPicture();
    int32_t differing = 0, firstX = -1, firstY = -1;
    for (int32_t y = 0; y < painted.height; ++y)
        for (int32_t x = 0; x < painted.width; ++x)
            if (painted.at(x, y) != expected.at(x, y) && differing++ == 0) firstX = x, firstY = y;
    EXPECT_EQ(differing, 0) << what << ": first at " << firstX << "," << firstY;
}

TEST(Picture, TheWindowShowsTheLedgerItsSummaryAndTheFocus)
{
    ASSERT_NE(openMainWindow(800, 900), nullptr);
    expectPicture("the default document");  // its first page gap is on the screen
    makeBusyLedger(ledger);
    resetScrollToTop();
    activateField(3, AmountInteger);  // the payment's integer digits, partly typed and selected
    typeText("12");
    pressKey(VK_LEFT, true);
    expectPicture("loans, payments, negative balances and an edited amount");
    activateField(BalanceInteger);
    typeText("77");
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
    expectPicture("an edited header field over a page break");
    activateField(4, Description);
    for (int32_t scroll : {-3, 24}) {  // the last lines of the table and every summary row, in two parts
        SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12 * ledger.count + scroll), 0);
        expectPicture("the summary");
    }
    closeMainWindow();
}
