// Commands and input handlers that the window routes to other subsystems.
// Each keeps its final name; the ones not built yet are defined in
// app/pending_commands.cpp until their subsystem lands (then the stub there
// is deleted and the declaration moves to the owner's header).
#pragma once

#include <cstdint>

#include "ledger/ledger.h"

// Edit
void cutText();
void copyAsText();
void pasteText();
void deleteSelection();
