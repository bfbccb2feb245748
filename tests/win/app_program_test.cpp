// tarnwell.exe itself, started as the user starts it: WinMain registers the
// class, shows the window, runs the message loop and returns the quit
// message's code when File > Exit closes an unchanged ledger.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstring>

#include "app/command_ids.h"

namespace {

// The program lies next to the tests in the build tree: app\tarnwell.exe
// beside tests\tarnwell_win_tests.exe.
bool programPath(std::array<char, MAX_PATH>& path)
{
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), path.size());
    if (length == 0 || length >= path.size()) return false;
    char* testsFolder = std::strstr(path.data(), "\\tests\\");
    const char program[] = "\\app\\tarnwell.exe";
    if (!testsFolder || testsFolder + sizeof program > path.data() + path.size()) return false;
    std::memcpy(testsFolder, program, sizeof program);
    return true;
}

}  // namespace

TEST(Program, ShowsItsWindowAndEndsWithExit)
{
    std::array<char, MAX_PATH> path{};
    ASSERT_TRUE(programPath(path));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(path.data(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << path.data();

    // Idle means the window is shown and the loop waits in GetMessageA.
    EXPECT_EQ(WaitForInputIdle(process.hProcess, 60000), 0u);
    const HWND window = FindWindowA("Tarnwell", "Tarnwell");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_NE(GetMenu(window), nullptr);

    PostMessageA(window, WM_COMMAND, IDM_FILE_EXIT, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    if (exitCode == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
