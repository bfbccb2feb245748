// The main window's handle, kept from the start of window creation: the
// owner of every message box, the window whose menu changes and the window
// that every subsystem invalidates and scrolls.
//
// Owner: app/ sets it when the window is created; everything else reads it.
#pragma once

#include <windows.h>

extern HWND mainWindow;

// The program's name: the window's title while no document is named, its
// class, and the name of its menu, icon and accelerator resources.
constexpr char programName[] = "Tarnwell";
