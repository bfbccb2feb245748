// The one top-level window: its handle, class and creation.
//
// Owner: app/. `mainWindow` is set at the start of window creation and is
// the owner of every message box, the window whose menu changes and the
// window that every subsystem invalidates and scrolls.
#pragma once

#include <windows.h>

extern HWND mainWindow;

// Registers the "Tarnwell" class with the icon and menu of `instance`'s
// resources. False when the class cannot be registered; the user has then
// been told.
bool registerMainWindowClass(HINSTANCE instance);

// Creates the main window with the class menu at the default position and
// size; null when window creation failed (WM_CREATE refused it).
HWND createMainWindow(HINSTANCE instance);

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
