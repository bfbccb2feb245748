// tarnwell-cli's editing commands against the window: the same edits made
// with keys and menu commands, then saved, and made from the command line
// give the same document byte for byte.
#include <gtest/gtest.h>

#include "app/cli_run.h"
#include "app/command_ids.h"
#include "win/harness.h"

TEST(CliEdit, TheWorkedExampleByCommandsIsTheDocumentTheWindowSaves)
{
    const std::string window = scratch("window.tnw"), cli = scratch("cli.tnw");
    ASSERT_NE(openMainWindow(), nullptr);
    pressKey(VK_TAB), typeText("1"), pressKey(VK_TAB), pressKey(VK_TAB);
    typeText("33333333333333333333"), pressKey(VK_RETURN);
    command(IDM_ADD_PAYMENT_BASE + 2);
    typeText("Rent \xe9"), pressKey(VK_TAB), typeText("2"), pressKey(VK_RETURN);
    answerBoxesWith(IDOK, window);
    command(IDM_FILE_SAVE);
    closeMainWindow();

    std::FILE* sink = std::tmpfile();
    const char* steps[][5] = {
        {"new", cli.c_str()},
        {"set", cli.c_str(), "balance-integer", "1"},
        {"set", cli.c_str(), "rate", "33333333333333333333"},
        {"add", cli.c_str(), "payment", "02"},
        {"set", cli.c_str(), "02-0002.description", "Rent \xe9"},
        {"set", cli.c_str(), "02-0002.amount-integer", "2"},
    };
    for (const auto& step : steps) {
        const char* argv[] = {"tarnwell-cli", step[0], step[1], step[2], step[3]};
        EXPECT_EQ(runCli(step[2] ? 5 : 3, argv, sink, sink), 0) << step[0] << " " << (step[2] ? step[2] : "");
    }
    std::fclose(sink);
    const std::string saved = readFile(window);
    EXPECT_EQ(saved.size(), 86u + 104u * 33u);
    EXPECT_TRUE(saved == readFile(cli)) << "the documents differ";
}
