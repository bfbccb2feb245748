// The additions, the multiplication by the rate and interest runs in plain
// C++, for every processor: sums and differences of cells with their
// carries found at once from flag bits (portable.cpp), products on limbs of
// ten digits and the texts of a pass (portable_texts.cpp). Called
// only by digits.cpp; each gives exactly the digits of the carry rules.
#pragma once

#include "ledger/digits/limbs.h"

template <std::size_t L>
bool PortableAddMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b, DigitVector<L>& r);

template <std::size_t L>
void PortableSubtractMagnitudes(const DigitVector<L>& x, const DigitVector<L>& y, DigitVector<L>& r);

// cells[k] = the value of text[count - 1 - k], and back: the text of a
// field from its cells, most significant first. Eight digits to a word.
void PortableCellsOfText(const char* text, int count, int32_t* cells);
void PortableTextOfCells(const int32_t* cells, int count, char* text);

bool PortableMultiplyByRate(const AmountVector& a, const DigitField<fractionDigits>& rate, AmountVector& r);

void PortableWriteBalanceTexts(const BalanceTable& b, const SignedAmount& beginning, Transaction* t,
                               int32_t count);
