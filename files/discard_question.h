// Win32: the question that guards every command replacing or closing a
// changed ledger (File New, File Open, closing the window).
#pragma once

// True when the ledger may be replaced or closed: it is unchanged, or the
// user chose not to save it. Yes runs Save and answers false, so that the
// command ends and the user gives it again.
bool mayDiscardLedger();
