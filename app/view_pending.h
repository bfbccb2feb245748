// Temporary: the display functions the window calls, until view/ lands them.
#pragma once

#include <windows.h>

#include <cstdint>

void initLineMetrics(HWND window);
void onSize(int32_t width, int32_t height);
void onVerticalScroll(int32_t code, int32_t thumb);
void paintHeader(HDC dc);
void paintTransactions(HDC dc);
void paintSummary(HDC dc);
void paintSelectAll(HDC dc);
