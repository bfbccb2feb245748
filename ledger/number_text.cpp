#include "ledger/number_text.h"

#include <cstring>

#include "ledger/digits/portable_limb_text.h"

// The magnitude as unsigned, so that the most negative value fits.
static uint32_t magnitudeOf(int32_t value)
{
    return value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
}

// 0 for 0, as formatWholeNumber writes no digit of its own for it.
static int32_t digitCount(uint32_t magnitude)
{
    int32_t n = 0;
    for (uint64_t power = 1; power <= magnitude; power *= 10) ++n;
    return n;
}

int32_t wholeNumberLength(int32_t value, int32_t minDigits)
{
    const int32_t n = digitCount(magnitudeOf(value));
    return (n < minDigits ? minDigits : n) + (value < 0 ? 1 : 0);
}

// From the last digit back, two at a time; the padding zeros are digits of
// a magnitude that has run out.
int32_t formatWholeNumber(char* out, int32_t value, int32_t minDigits)
{
    uint32_t magnitude = magnitudeOf(value);
    const int32_t length = wholeNumberLength(value, minDigits);
    const int32_t first = value < 0 ? 1 : 0;
    if (value < 0) out[0] = '-';
    int32_t at = length;
    for (; at - first >= 2; magnitude /= 100) {
        at -= 2;
        std::memcpy(out + at, digitPairs.of[magnitude % 100], 2);
    }
    if (at > first) out[first] = static_cast<char>('0' + magnitude);
    return length;
}
