// The multiplication by the rate and interest runs in plain C++, for every
// processor: digit products summed per column, the tens moved up in
// rounds and the last carries found at once from flag bits, in loops a
// compiler turns into whatever vector instructions the target has. Called
// only by digits.cpp; each gives exactly the digits of the carry rules.
#pragma once

#include "ledger/digits.h"

bool PortableMultiplyByRate(const AmountVector& a, const DigitField<fractionDigits>& rate, AmountVector& r);

bool PortableChargeInterestRun(AmountVector& b, char sign, const DigitField<fractionDigits>& rate,
                               Transaction* t, int32_t count, TotalVector& amountDigits);
