#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "edit/field_geometry.h"
#include "edit/focus.h"
#include "ledger/recalculate.h"

namespace {

Ledger sample{};

// A ledger whose stored texts are all different, so a field loaded from the
// wrong place shows.
const Ledger& sampleLedger()
{
    resetToDefaultDocument(sample);
    SignedAmount& balance = sample.header.beginningBalance;
    setSign(balance.sign, '-');
    std::memcpy(balance.integer.data(), "000000000000000012345", 21);
    std::memcpy(balance.fraction.data(), "50000000000000000007", 20);
    std::memcpy(sample.header.ratePerPeriod.data(), "01000000000000000003", 20);
    Transaction& loan = sample.table[3];
    loan.type = Loan;
    std::memcpy(loan.amount.integer.data(), "000000000000000000777", 21);
    std::memcpy(loan.amount.fraction.data(), "25000000000000000000", 20);
    std::memcpy(sample.table[1].description.data(), "Rent \xe9t\xe9", 8);
    std::memset(sample.table[2].description.data(), 'D', 44);
    EXPECT_TRUE(RecalculateLedger(sample));
    return sample;
}

std::string text(const EditFocus& f) { return std::string(f.editText.data()); }

void expectWhollySelected(const EditFocus& f, const std::string& expected)
{
    EXPECT_EQ(text(f), expected);
    EXPECT_EQ(editTextLength(f), static_cast<int32_t>(expected.size()));
    for (std::size_t i = expected.size(); i < f.editText.size(); ++i)
        ASSERT_EQ(f.editText[i], 0) << "byte " << i << " after the text";
    EXPECT_EQ(f.caret, 0);
    EXPECT_EQ(f.selectionStart, 0);
    EXPECT_EQ(f.selectionEnd, static_cast<int32_t>(expected.size()));
    EXPECT_EQ(f.selectionShown, 1);
}

// Leftovers of a previous, longer edit that loading must clear.
EditFocus dirtyFocus()
{
    EditFocus f = startFocus;
    f.editText.fill('x');
    f.editText.back() = 0;
    f.caret = 7;
    f.selectionStart = 3;
    f.selectionEnd = 2;
    f.selectionShown = 0;
    return f;
}

TEST(EditFocusState, StartsOnTheSelectedBalanceSign)
{
    EXPECT_EQ(editFocus.area, Header);
    EXPECT_EQ(editFocus.headerField, BalanceSign);
    expectWhollySelected(editFocus, "+");
}

TEST(EditFocusState, FieldLines)
{
    const struct { int32_t index; TransactionField field; int32_t line; } cases[] = {
        {0, Description, 0}, {0, AmountInteger, 9}, {2, Description, 24},
        {5, AmountInteger, 69}, {5, AmountFraction, 69}, {1023, AmountFraction, 12285},
    };
    for (const auto& c : cases) EXPECT_EQ(fieldLine(c.index, c.field), c.line) << c.index << "/" << c.field;
}

TEST(EditFocusState, HeaderFieldsLoadTheirStoredText)
{
    const Ledger& l = sampleLedger();
    const struct { HeaderField field; const char* stored; } cases[] = {
        {BalanceSign, "-"},
        {BalanceInteger, "000000000000000012345"},
        {BalanceFraction, "50000000000000000007"},
        {RateFraction, "01000000000000000003"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EditFocus f = dirtyFocus();
        f.area = WholeDocument;
        loadHeaderField(f, l, c.field);
        EXPECT_EQ(f.area, Header);
        EXPECT_EQ(f.headerField, c.field);
        expectWhollySelected(f, c.stored);
    }
}

TEST(EditFocusState, TransactionFieldsLoadTheirStoredText)
{
    const Ledger& l = sampleLedger();
    const struct { int32_t index; TransactionField field; std::string stored; } cases[] = {
        {0, Description, ""},
        {1, Description, "Rent \xe9t\xe9"},
        {2, Description, std::string(44, 'D')},
        {3, AmountInteger, "000000000000000000777"},
        {3, AmountFraction, "25000000000000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EditFocus f = dirtyFocus();
        loadTransactionField(f, l, c.index, c.field);
        EXPECT_EQ(f.area, Transactions);
        EXPECT_EQ(f.transactionIndex, c.index);
        EXPECT_EQ(f.transactionField, c.field);
        expectWhollySelected(f, c.stored);
    }
}

TEST(EditFocusState, OnlyTheFocusedFieldIsActive)
{
    EditFocus f = startFocus;
    EXPECT_TRUE(isActiveHeaderField(f, BalanceSign));
    EXPECT_FALSE(isActiveHeaderField(f, BalanceInteger));
    EXPECT_FALSE(isActiveTransactionField(f, 0, Description));
    f.area = WholeDocument;
    EXPECT_FALSE(isActiveHeaderField(f, BalanceSign));
    f.area = Transactions;
    f.transactionIndex = 4;
    f.transactionField = AmountFraction;
    EXPECT_TRUE(isActiveTransactionField(f, 4, AmountFraction));
    EXPECT_FALSE(isActiveTransactionField(f, 4, AmountInteger));
    EXPECT_FALSE(isActiveTransactionField(f, 3, AmountFraction));
    EXPECT_FALSE(isActiveHeaderField(f, BalanceSign)) << "the header field keeps its value but is not active";
}

constexpr TextMeasures measures{15, 64, 168, 160, 200};

ScreenMetrics screenAt(int32_t scrollLine)
{
    ScreenMetrics m{};
    layoutBlock(m, measures, 22, 1000, 600);
    setPageMetrics(m, 96);
    m.scrollLine = scrollLine;
    return m;
}

TEST(FieldGeometry, TextOriginsByFieldKind)
{
    const ScreenMetrics m = screenAt(0);
    const HeaderFieldRects r = headerRectsFor(m, measures, 152, 208);
    const int32_t L = m.blockLeft;
    const int32_t x0 = bodyColumn(m, measures);
    const int32_t bodyIntegerRight = valueCells(x0, 22, measures).integer.right;
    struct Case { FocusArea area; HeaderField header; TransactionField field; int32_t width, origin; };
    const Case cases[] = {
        {Header, BalanceSign, Description, 8, L + 7},           // (22 - 8) / 2
        {Header, BalanceSign, Description, 0, L + 11},          // an empty sign still centres
        {Header, BalanceInteger, Description, 168, L + 235 - 15 - 168},
        {Header, BalanceInteger, Description, 24, L + 235 - 15 - 24},  // short text hugs the right edge
        {Header, BalanceInteger, Description, 0, L + 235 - 15},
        {Header, BalanceFraction, Description, 24, L + 250 + 15},
        {Header, RateFraction, Description, 160, L + 250 + 15},
        {Transactions, BalanceSign, Description, 80, x0 + 15},
        {Transactions, BalanceSign, AmountInteger, 16, bodyIntegerRight - 15 - 16},
        {Transactions, BalanceInteger, AmountFraction, 16, bodyIntegerRight + 15 + 15},
    };
    for (const Case& c : cases) {
        EditFocus f = startFocus;
        f.area = c.area;
        f.headerField = c.header;
        f.transactionIndex = 1;
        f.transactionField = c.field;
        const PixelRect box = activeFieldBox(f, m, r, measures);
        EXPECT_EQ(activeTextOrigin(f, box, 15, c.width), c.origin) << c.area << "/" << c.header << "/" << c.field;
    }
}

TEST(FieldGeometry, TransactionBoxesFollowTheScroll)
{
    const struct { int32_t scroll, index; TransactionField field; int32_t top; } cases[] = {
        {0, 1, Description, 121 + 12 * 22},
        {0, 1, AmountInteger, 121 + 21 * 22},
        {0, 3, Description, 121 + 36 * 22 + 20},  // line 36 is on the second page
        {30, 3, AmountFraction, 121 + 15 * 22 + 20},
        {40, 1, Description, 121 - 28 * 22 - 20},
    };
    for (const auto& c : cases) {
        const ScreenMetrics m = screenAt(c.scroll);
        const PixelRect box = transactionFieldBox(m, measures, c.index, c.field);
        EXPECT_EQ(box.top, c.top) << c.index << " at " << c.scroll;
        EXPECT_EQ(box.bottom, c.top + 22);
        const int32_t x0 = bodyColumn(m, measures);
        const ValueCells cells = valueCells(x0, 22, measures);
        const int32_t left = c.field == Description ? x0 : c.field == AmountInteger ? cells.integer.left : cells.fraction.left;
        const int32_t right = c.field == Description ? m.blockRight : c.field == AmountInteger ? cells.integer.right : cells.fraction.right;
        EXPECT_EQ(box.left, left);
        EXPECT_EQ(box.right, right);
    }
}

}  // namespace
