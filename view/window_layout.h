// The main window's side of the layout and the vertical scroll model: line
// metrics at creation, the layout on every resize, the scroll bar and the
// scrolling of the body under the fixed header.
#pragma once

#include <windows.h>

#include <cstdint>

#include "view/layout.h"

// Window creation: lineHeight, linesPerPage and pageGap from the ledger font
// on the window's screen context. The page values never change afterwards.
void initLineMetrics(HWND window);

// Stores the client size and recomputes lineHeight, the block, bodyTop and
// the header rectangles.
void layoutClientArea(int32_t width, int32_t height);

// WM_SIZE: layout, then the scroll range and a clamped position.
void onSize(int32_t width, int32_t height);

// WM_VSCROLL: line, page and thumb requests, clamped; the body scrolls when
// the position changes.
void onVerticalScroll(int32_t code, int32_t thumb);

// A clamped scroll position from the scroll bar or the keyboard: stored,
// and when the bar stands elsewhere the bar and the body move there.
void scrollBodyTo(int32_t position);

// Moves the body and the bar from scroll position `from` to `to`.
void moveBody(int32_t from, int32_t to);

// Moves the displayed body from scroll position `from` to `to`; the caller
// has already set the scroll bar and screen.scrollLine to `to`.
void scrollToLine(int32_t from, int32_t to);

// After a transaction was added: the scroll range for the longer body,
// with the bar redrawn. The position stays: the range only grew.
void growScrollRange();

// After New or Open replaced the document: the scroll range for its body
// and the position at its top, bar redrawn. The body is not scrolled: the
// caller repaints the whole client area.
void resetScrollToTop();

// The ledger font's measures on the main window's screen context.
TextMeasures measureScreenText();

// Invalidates a client rectangle with erase and paints it at once.
void repaintNow(const PixelRect& rect);
