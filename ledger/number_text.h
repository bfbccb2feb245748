// Whole numbers as text, the way "%0.2i" and "%0.4i" write periods,
// transaction numbers and counts: a minus sign when negative, then at least
// `minDigits` digits with leading zeros. Shared by the report and the export.
#pragma once

#include <cstdint>

// Writes the text (no zero byte, at most 11 characters) and returns its length.
int32_t formatWholeNumber(char* out, int32_t value, int32_t minDigits);

// The length formatWholeNumber would return, with nothing written.
int32_t wholeNumberLength(int32_t value, int32_t minDigits);
