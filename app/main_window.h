// The one top-level window: its class, creation and window procedure. Its
// handle, which every subsystem uses, is view/window_handle.h's.
#pragma once

#include <windows.h>

#include "view/window_handle.h"

// Registers the "Tarnwell" class with the icon and menu of `instance`'s
// resources. False when the class cannot be registered; the user has then
// been told.
bool registerMainWindowClass(HINSTANCE instance);

// Creates the main window with the class menu at the default position and
// size; null when window creation failed (WM_CREATE refused it).
HWND createMainWindow(HINSTANCE instance);

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
