// The Windows tests' entry point: the program's window class is registered
// once, as WinMain does, and every test creates the real window from it.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "win/harness.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    captureStartState();
    installBoxRecorder();
    if (!registerMainWindowClass(GetModuleHandleA(nullptr))) return 1;
    return RUN_ALL_TESTS();
}
