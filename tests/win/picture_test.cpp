// The whole picture: what the window paints compared pixel for pixel with stored pictures of it,
// tests/win/pictures/NAME.pbm, one bit a pixel (the ledger is black on white). They were taken when a
// second renderer, drawing every line from the report at the positions the layout gives, agreed
// with the window to the pixel; any change of a pixel now shows. To take them again after a wanted
// change, run the Windows tests with TARNWELL_SAVE_PICTURES=1 and look at the new files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "app/command_ids.h"
#include "edit/focus.h"
#include "support/ledger_builders.h"
#include "view/window_handle.h"
#include "view/window_layout.h"
#include "win/harness.h"

namespace {

// The capture as a binary portable bitmap: rows of packed bits, 1 for black. False when a pixel is
// neither black nor white.
bool toBitmap(const Capture& c, std::string& pbm)
{
    pbm = "P4\n" + std::to_string(c.width) + " " + std::to_string(c.height) + "\n";
    const size_t header = pbm.size(), rowBytes = (static_cast<size_t>(c.width) + 7) / 8;
    pbm.resize(header + rowBytes * c.height, 0);
    for (int32_t y = 0; y < c.height; ++y)
        for (int32_t x = 0; x < c.width; ++x) {
            const uint32_t p = c.at(x, y);
            if (p != 0 && p != 0xffffff) return false;
            if (p == 0) pbm[header + y * rowBytes + x / 8] |= static_cast<char>(0x80 >> (x % 8));
        }
    return true;
}

std::string picturePath(const std::string& name) { return TARNWELL_PICTURES "/" + name + ".pbm"; }

}  // namespace

void expectPicture(const char* name)
{
    repaintAll();
    std::string painted;
    ASSERT_TRUE(toBitmap(captureClient(), painted)) << name << ": a pixel neither black nor white";
    if (std::getenv("TARNWELL_SAVE_PICTURES")) {
        std::ofstream(picturePath(name), std::ios::binary | std::ios::trunc) << painted;
        return;
    }
    const std::string stored = readFile(picturePath(name));
    ASSERT_FALSE(stored.empty()) << "no stored picture " << picturePath(name);
    if (stored == painted) return;
    std::ofstream(std::string(name) + ".painted.pbm", std::ios::binary) << painted;  // in the build folder
    size_t first = 0;
    while (first < std::min(stored.size(), painted.size()) && stored[first] == painted[first]) ++first;
    ADD_FAILURE() << name << ": the painting differs from the stored picture from byte " << first
                  << "; it is saved as " << name << ".painted.pbm";
}

TEST(Picture, TheWindowShowsTheLedgerItsSummaryAndTheFocus)
{
    ASSERT_NE(openMainWindow(800, 900), nullptr);
    expectPicture("default-document");  // its first page gap is on the screen
    makeBusyLedger(ledger);
    resetScrollToTop();
    activateField(3, AmountInteger);  // the payment's integer digits, partly typed and selected
    typeText("12");
    pressKey(VK_LEFT, true);
    expectPicture("busy-ledger-edited-amount");
    activateField(BalanceInteger);
    typeText("77");
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
    expectPicture("edited-header-over-page-break");
    activateField(4, Description);
    for (int32_t scroll : {-3, 24}) {  // the last lines of the table and every summary row, in two parts
        SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12 * ledger.count + scroll), 0);
        expectPicture(scroll < 0 ? "summary-first-part" : "summary-second-part");
    }
    command(IDM_EDIT_SELECT_ALL);
    expectPicture("whole-document-at-summary");
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    expectPicture("whole-document-at-top");
    closeMainWindow();
}
