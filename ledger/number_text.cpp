#include "ledger/number_text.h"

int32_t formatWholeNumber(char* out, int32_t value, int32_t minDigits)
{
    // The magnitude as unsigned, so that the most negative value fits.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char digits[10] = {'0', '0', '0', '0', '0', '0', '0', '0', '0', '0'};  // the padding already in place
    int32_t n = 0;
    while (magnitude > 0) {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (n < minDigits) n = minDigits;
    int32_t k = 0;
    if (value < 0) out[k++] = '-';
    while (n > 0) out[k++] = digits[--n];
    return k;
}
