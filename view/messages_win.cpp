#include "view/messages.h"

#include <windows.h>

#include "view/window_handle.h"

void reportFailure(const char* text, const char* title)
{
    MessageBoxA(mainWindow, text, title, MB_OK | MB_ICONEXCLAMATION);
}

void reportStartupFailure(const char* text, const char* title)
{
    MessageBoxA(nullptr, text, title, MB_OK | MB_ICONEXCLAMATION);
}

void showInformation(const char* text, const char* title)
{
    MessageBoxA(mainWindow, text, title, MB_OK | MB_ICONINFORMATION);
}

SaveAnswer askSaveCurrentFile()
{
    const int answer = MessageBoxA(mainWindow,
                                   "The current file has changed since the last save.\n"
                                   "Do you wish to save the current file?",
                                   "Save Current File?", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES) return SaveYes;
    if (answer == IDNO) return SaveNo;
    return SaveCancel;
}
