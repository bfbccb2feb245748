#include <gtest/gtest.h>

#include "edit/focus.h"
#include "view/field_geometry.h"
#include "support/ledger_builders.h"

TEST(Focus, StartsOnTheSelectedBalanceSign)
{
    const EditFocus& s = editFocus;
    EXPECT_EQ(std::tuple(s.area, s.headerField, text(s.editText), s.caret, s.selectionStart, s.selectionEnd,
                         s.selectionShown),
              std::tuple(Header, BalanceSign, std::string("+"), 0, 0, 1, 1));
    EXPECT_EQ(
        std::tuple(fieldLine(0, Description), fieldLine(0, AmountInteger), fieldLine(1023, AmountFraction)),
        std::tuple(0, 9, 12285));
}

TEST(Focus, LoadingAFieldSelectsAllOfItsStoredText)
{
    auto l = newLedger();
    setBeginningBalance(*l, '-', "12345", "50000000000000000007");
    setFraction(l->header.ratePerPeriod, "01000000000000000003");
    const int32_t loan = addAmount(*l, Loan, 3, "777", "25");
    std::memset(l->table[2].description.data(), '\xe9', 44);
    const struct {
        FocusArea area;
        int32_t field, index;
        std::string stored;
    } cases[] = {{Header, BalanceSign, 0, "-"},
                 {Header, BalanceInteger, 0, "000000000000000012345"},
                 {Header, BalanceFraction, 0, "50000000000000000007"},
                 {Header, RateFraction, 0, "01000000000000000003"},
                 {Transactions, Description, 0, ""},
                 {Transactions, Description, 2, std::string(44, '\xe9')},
                 {Transactions, AmountInteger, loan, "000000000000000000777"},
                 {Transactions, AmountFraction, loan, "25000000000000000000"}};
    for (const auto& c : cases) {
        EditFocus f{
            WholeDocument, RateFraction, 9, AmountInteger, {}, 7, 3, 2, 0};  // an earlier edit's leftovers
        f.editText.fill('x');
        if (c.area == Header)
            loadHeaderField(f, *l, HeaderField(c.field));
        else
            loadTransactionField(f, *l, c.index, TransactionField(c.field));
        EXPECT_EQ(std::string(f.editText.data(), descriptionSize),
                  c.stored + std::string(descriptionSize - c.stored.size(), 0));
        EXPECT_EQ(std::tuple(f.area, c.area == Header ? f.headerField : f.transactionField + 0,
                             c.area == Header ? 0 : f.transactionIndex, f.caret, f.selectionStart,
                             f.selectionEnd, f.selectionShown, isActiveHeaderField(f, BalanceSign)),
                  std::tuple(c.area, c.field, c.index, 0, 0, int32_t(c.stored.size()), 1,
                             c.area == Header && c.field == BalanceSign));
    }
}

TEST(Focus, TextOrigins)
{
    const TextMeasures t{15, 64, 168, 160, 200};
    const ScreenMetrics m{22, 34, 20, 240, 759, 121, 1000, 600, 0};
    // Signs centred, integers flush right a character height in, the rest that far from the left.
    const int32_t L = 240, x0 = L + 79;
    const struct {
        FocusArea area;
        int32_t field, width, origin;
    } origins[] = {{Header, BalanceSign, 9, L + 6},
                   {Header, BalanceSign, 0, L + 11},
                   {Header, BalanceInteger, 24, L + 235 - 15 - 24},
                   {Header, BalanceFraction, 24, L + 250 + 15},
                   {Header, RateFraction, 160, L + 250 + 15},
                   {Transactions, Description, 80, x0 + 15},
                   {Transactions, AmountInteger, 16, x0 + 235 - 15 - 16},
                   {Transactions, AmountFraction, 16, x0 + 250 + 15}};
    for (const auto& c : origins) {
        const EditFocus f{c.area, HeaderField(c.field), 1, TransactionField(c.field), {}, 0, 0, 0, 1};
        EXPECT_EQ(activeTextOrigin(f, activeFieldBox(f, m, headerRectsFor(m, t, 152, 208), t), 15, c.width),
                  c.origin)
            << c.area << "/" << c.field;
    }
}
