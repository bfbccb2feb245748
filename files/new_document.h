// Win32: File > New.
#pragma once

// The default document, once the discard question allows it.
void NewLedger();
