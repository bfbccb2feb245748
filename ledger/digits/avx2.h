// The primitives on AVX2, built with GCC or Clang for x86-64 and called only
// by digits.cpp once the processor is known to have it (Intel since Haswell,
// AMD since Excavator). Each gives exactly the digits of the portable code.
#pragma once

#include "ledger/digits/digits.h"

#if defined(__GNUC__) && defined(__x86_64__)
#define TARNWELL_AVX2_DIGITS 1
#else
#define TARNWELL_AVX2_DIGITS 0
#endif

#if TARNWELL_AVX2_DIGITS

// Code for processors with AVX2: only called after Avx2Supported().
#define AVX2_CODE [[gnu::target("avx2")]]

bool Avx2Supported();

template <std::size_t I, std::size_t L>
AVX2_CODE void Avx2LoadDigits(const std::array<char, I>& integer, const DigitField<fractionDigits>& fraction,
                              DigitVector<L>& v);

template <std::size_t L, std::size_t I>
AVX2_CODE void Avx2StoreDigits(const DigitVector<L>& v, std::array<char, I>& integer,
                               DigitField<fractionDigits>& fraction);

template <std::size_t L>
AVX2_CODE Magnitude Avx2CompareMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b);

template <std::size_t L>
AVX2_CODE bool Avx2AddMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b, DigitVector<L>& r);

template <std::size_t L>
AVX2_CODE void Avx2SubtractMagnitudes(const DigitVector<L>& x, const DigitVector<L>& y, DigitVector<L>& r);

#endif
