// Fixed-width decimal primitives over vectors of digit values.
//
// A DigitVector holds one decimal digit per cell, least significant first,
// with exactly 20 fraction digits (cell 20 is the units digit). Signs are
// carried beside the vectors as the characters "+" and "-". Nothing here
// converts a value to a machine number or allocates memory.
//
// The inputs are always normalised (every cell 0 to 9): the editing code and
// the document reader store only the characters "0" to "9".
#pragma once

#include <array>
#include <cstdint>

#include "ledger/ledger.h"

template <std::size_t L>
using DigitVector = std::array<int32_t, L>;

constexpr std::size_t amountCells = amountIntegerDigits + fractionDigits;  // 41
constexpr std::size_t totalCells = totalIntegerDigits + fractionDigits;    // 45

using AmountVector = DigitVector<amountCells>;
using TotalVector = DigitVector<totalCells>;

enum class Magnitude { Less, Equal, Greater };

// The instruction sets the primitives run on (the digit engines); every one
// gives the same digits. The one that is fastest on this processor is
// chosen at start by timing them (engine_choice.h), so the Windows program
// runs on any x86-64 and uses wider registers where they pay.
// Avx2 runs on x86-64 processors since about 2013 (Haswell, Excavator);
// Avx512 needs its F, BW, VL and VBMI parts (Ice Lake, Zen 4 and later).
enum class DigitInstructions { Portable, Avx2, Avx512 };
constexpr DigitInstructions allDigitInstructions[] = {DigitInstructions::Portable, DigitInstructions::Avx2,
                                                      DigitInstructions::Avx512};

// True when this build has the set and the processor can run it.
bool ProcessorRuns(DigitInstructions set);

// The set in use, chosen at start; the tests switch it to check each one.
extern DigitInstructions digitInstructions;

// Loads an integer field of N digits and a 20-digit fraction field into a
// vector of L cells; the cells above the integer digits are zero.
template <std::size_t I, std::size_t L>
void LoadDigits(const std::array<char, I>& integer, const DigitField<fractionDigits>& fraction,
                DigitVector<L>& v);

// Writes a vector of L cells back as L - 20 integer digits and 20 fraction
// digits, each field with its terminating zero byte.
template <std::size_t L, std::size_t I>
void StoreDigits(const DigitVector<L>& v, std::array<char, I>& integer, DigitField<fractionDigits>& fraction);

template <std::size_t L>
Magnitude CompareMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b);

// r = a + b; false when the sum needs one more integer digit than L holds.
template <std::size_t L>
bool AddMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b, DigitVector<L>& r);

// r = x - y, for x not less than y.
template <std::size_t L>
void SubtractMagnitudes(const DigitVector<L>& x, const DigitVector<L>& y, DigitVector<L>& r);

// (sr, r) = (sa, a) + (sb, b); false on overflow, which only two like-signed
// values can cause. Equal magnitudes of opposite sign give "+" zero; two "-"
// zeros give "-" zero.
template <std::size_t L>
bool AddSigned(char sa, const DigitVector<L>& a, char sb, const DigitVector<L>& b, char& sr,
               DigitVector<L>& r);

// r = a x rate, truncated toward zero at the 20th decimal; false on
// overflow, which a rate below 1 and a balance below 10^21 never cause.
bool MultiplyByRate(const AmountVector& a, const DigitField<fractionDigits>& rate, AmountVector& r);

// The texts of transactions t[0] to t[count - 1] from the balances of a
// recalculation pass (limbs.h), each engine with its own conversion of
// values to text.
struct BalanceTable;
void WriteBalanceTexts(const BalanceTable& b, const SignedAmount& beginning, Transaction* t, int32_t count);
