// Win32: text put into the active field by typing or by Paste, and the
// repaint at once of what it changed.
#pragma once

#include <cstdint>

#include "edit/edit_text.h"
#include "view/font.h"

// A character message: typed into the active field when it accepts the
// character and has room; refused silently otherwise.
void enterCharacter(uint32_t code);

// Places `n` characters (the field's checks already passed) in place of
// the shown selection or at the caret; a sign replaces the sign field's
// text. Repaints the former selection, the old caret's column and the
// field from the insertion point to its right end (an integer from the
// new left end of its right-aligned text; the sign box whole).
void placeInActiveField(const ScreenFont& s, FieldKind kind, const char* text, int32_t n);
