// Painting the ledger: the four steps of every paint, in this order. Each
// creates the ledger font for `dc`, draws what falls inside the client area
// and deletes the font; the body's steps skip the lines outside the
// device's clip box (a paint's invalid region), so a repaint costs what it
// shows. They take any device context, so they also draw into a memory
// bitmap.
#pragma once

#include <windows.h>

// The fixed header: rate and beginning balance with their boxes.
void paintHeader(HDC dc);

// The header/body rule, the page rules and the twelve lines of every
// visible transaction, through the line painter the printed page uses too.
void paintTransactions(HDC dc);

// The visible summary lines after the last transaction.
void paintSummary(HDC dc);

// While the whole document is selected: inverts the text bands of every
// visible body line, once. Must run after everything else.
void paintSelectAll(HDC dc);
