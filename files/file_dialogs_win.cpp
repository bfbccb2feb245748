#include <windows.h>

#include "files/file_dialogs.h"
#include "view/window_handle.h"

std::array<char, fileNameSize> currentPath{};
std::array<char, fileNameSize> currentTitle{};

static OPENFILENAMEA fileDialog{};

void initFileDialogs()
{
    fileDialog.lStructSize = sizeof fileDialog;
    fileDialog.hwndOwner = mainWindow;
    fileDialog.lpstrFile = currentPath.data();
    fileDialog.nMaxFile = fileNameSize;
    fileDialog.lpstrFileTitle = currentTitle.data();
    fileDialog.nMaxFileTitle = fileNameSize;
}

bool askSavePath(int32_t& filter)
{
    fileDialog.lpstrFilter =
        "Tarnwell Files (*.tnw)\0*.tnw\0Data Files (Comma Delimited) (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";
    fileDialog.nFilterIndex = 1;
    fileDialog.lpstrCustomFilter = nullptr;
    fileDialog.lpstrDefExt = "tnw";
    fileDialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&fileDialog)) return false;
    filter = static_cast<int32_t>(fileDialog.nFilterIndex);
    return true;
}

bool askOpenPath()
{
    fileDialog.lpstrFilter = "Tarnwell Files (*.tnw)\0*.tnw\0All Files (*.*)\0*.*\0";
    fileDialog.nFilterIndex = 1;
    fileDialog.lpstrCustomFilter = nullptr;
    fileDialog.lpstrDefExt = nullptr;
    fileDialog.Flags = OFN_FILEMUSTEXIST;
    return GetOpenFileNameA(&fileDialog) != 0;
}
