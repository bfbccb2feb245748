// The primitives on AVX-512 (F, BW, VL and VBMI), built with GCC or Clang for
// x86-64 and called only by digits.cpp once the processor is known to have
// them. Each gives exactly the digits of the portable code.
#pragma once

#include "ledger/digits/digits.h"

#if defined(__GNUC__) && defined(__x86_64__)
#define TARNWELL_AVX512_DIGITS 1
#else
#define TARNWELL_AVX512_DIGITS 0
#endif

#if TARNWELL_AVX512_DIGITS

// Code for processors with AVX-512: only called after Avx512Supported().
#define AVX512_CODE [[gnu::target("avx512f,avx512bw,avx512vl,avx512vbmi")]]

bool Avx512Supported();

template <std::size_t I, std::size_t L>
AVX512_CODE void Avx512LoadDigits(const std::array<char, I>& integer,
                                  const DigitField<fractionDigits>& fraction, DigitVector<L>& v);

template <std::size_t L, std::size_t I>
AVX512_CODE void Avx512StoreDigits(const DigitVector<L>& v, std::array<char, I>& integer,
                                   DigitField<fractionDigits>& fraction);

template <std::size_t L>
AVX512_CODE Magnitude Avx512CompareMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b);

template <std::size_t L>
AVX512_CODE bool Avx512AddMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b, DigitVector<L>& r);

template <std::size_t L>
AVX512_CODE void Avx512SubtractMagnitudes(const DigitVector<L>& x, const DigitVector<L>& y,
                                          DigitVector<L>& r);

#endif
