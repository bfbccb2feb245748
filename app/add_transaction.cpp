// Add > Add Loan / Add Payment Transaction to Period NN: a zero loan or
// payment at the end of the period, its description active and in view.
#include "app/command_ids.h"
#include "app/handlers.h"
#include "ledger/body_lines.h"
#include "edit/field_repaint.h"
#include "edit/focus.h"
#include "ledger/adding.h"
#include "view/field_geometry.h"
#include "view/messages.h"
#include "view/window_handle.h"
#include "view/window_layout.h"

// The last chosen period of each type, checked in its submenu; kept for
// the whole run, File New included.
static int32_t lastLoanPeriod = 1;
static int32_t lastPaymentPeriod = 1;

static void moveCheckMark(TransactionType type, int32_t period)
{
    const HMENU menu = GetMenu(mainWindow);
    int32_t& last = type == Loan ? lastLoanPeriod : lastPaymentPeriod;
    const int32_t base = type == Loan ? IDM_ADD_LOAN_BASE : IDM_ADD_PAYMENT_BASE;
    CheckMenuItem(menu, base + last, MF_BYCOMMAND | MF_UNCHECKED);
    CheckMenuItem(menu, base + period, MF_BYCOMMAND | MF_CHECKED);
    last = period;
}

// Erases the focus frame of the field that was active before the insertion,
// where it was drawn.
static void erasePreviousFrame(const EditFocus& previous, const TextMeasures& t)
{
    if (previous.area == WholeDocument) repaintBelowHeaderRule();
    repaintFrame(focusFrame(previous, t));
    if (previous.area == Header) repaintHeaderRuleBand();
}

void AddTransaction(TransactionType type, int32_t period)
{
    moveCheckMark(type, period);
    int32_t index = 0;
    if (!insertTransaction(ledger, type, period, index)) {
        reportFailure(addRefusalText(type), addRefusalTitle);
        return;
    }
    growScrollRange();
    const EditFocus previous = editFocus;
    editFocus = {Transactions, editFocus.headerField, index, Description, {}, 0, 0, 0, 0};
    const TextMeasures t = measureScreenText();
    erasePreviousFrame(previous, t);
    keepActiveFieldVisible();
    repaintNow({0, lineTop(bodyLineOf(index, TransactionLine::Description)) - 1, screen.clientWidth,
                screen.clientHeight});
}
