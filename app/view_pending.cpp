// Temporary: stands in for view/ until its window functions land.
#include "app/view_pending.h"

void initLineMetrics(HWND) {}
void onSize(int32_t, int32_t) {}
void onVerticalScroll(int32_t, int32_t) {}
void paintHeader(HDC) {}
void paintTransactions(HDC) {}
void paintSummary(HDC) {}
void paintSelectAll(HDC) {}
