// tarnwell-cli through runCli: what each command prints and its exit status.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cli_run.h"
#include "clipboard/report.h"
#include "files/document_samples.h"
#include "files/export.h"
#include "files/open_document.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string contentsOf(std::FILE* f)
{
    std::string text;
    std::rewind(f);
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;) text.append(block, n);
    std::fclose(f);
    return text;
}

CliRun run(std::vector<const char*> args)
{
    args.insert(args.begin(), "tarnwell-cli");
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_TRUE(out != nullptr && err != nullptr);
    if (out == nullptr || err == nullptr) return {-1, "", ""};
    const int status = runCli(static_cast<int>(args.size()), args.data(), out, err);
    return {status, contentsOf(out), contentsOf(err)};
}

std::string reportOf(const Ledger& l)
{
    std::string text(measureLedgerReport(l), '\x7f');
    buildLedgerReport(l, text.data());
    text.pop_back();  // the clipboard's zero byte
    return text;
}

std::string exportOf(const Ledger& l)
{
    std::string text(exportLineLimit * l.count, '\x7f');
    text.resize(buildLedgerExport(l, text.data()));
    return text;
}

struct CliFiles : ::testing::Test {
    std::filesystem::path folder;
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 (std::string("tarnwell-cli-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string write(const char* name, const std::string& bytes)
    {
        const std::string path = (folder / name).string();
        std::FILE* f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (f == nullptr) return path;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return path;
    }
};

// A saved ledger whose descriptions hold bytes a text-mode stream would change.
std::unique_ptr<Ledger> awkwardLedger()
{
    auto l = samples::busyLedger('-');
    std::memcpy(l->table[2].description.data(), "a\nb\r\x1a\xff\x80z", 8);
    return l;
}

TEST_F(CliFiles, ReportIsTheSelectAllCopyText)
{
    const CliRun fresh = run({"report", write("default.tnw", samples::documentOf(*samples::defaultLedger())).c_str()});
    EXPECT_EQ(fresh.status, 0);
    EXPECT_EQ(fresh.out.substr(0, 36), "01-0001a    \r\n01-0001b  Period: 01\r\n");
    EXPECT_EQ(fresh.out.size(), 18460u) << "438 lines of the default document";
    EXPECT_EQ(fresh.out.substr(fresh.out.size() - 30), "Number of transactions: 0032\r\n");

    auto saved = awkwardLedger();
    const CliRun busy = run({"report", write("busy.tnw", samples::documentOf(*saved)).c_str()});
    EXPECT_EQ(busy.status, 0);
    EXPECT_EQ(busy.out, reportOf(*saved));
    EXPECT_NE(busy.out.find("a\nb\r\x1a\xff\x80z\r\n"), std::string::npos);
    EXPECT_EQ(busy.err, "");
}

TEST_F(CliFiles, ExportIsWhatSaveWrites)
{
    auto saved = awkwardLedger();
    const CliRun r = run({"export", write("busy.tnw", samples::documentOf(*saved)).c_str()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, exportOf(*saved));
    EXPECT_EQ(r.out.size(), exportOf(*saved).size()) << "zero bytes of the descriptions included";
    EXPECT_EQ(r.err, "");
}

TEST_F(CliFiles, CheckPrintsOkOrTheOpenMessage)
{
    auto overflowing = samples::defaultLedger();
    setInteger(overflowing->header.beginningBalance.integer, std::string(21, '9'));
    setFraction(overflowing->header.ratePerPeriod, "5");
    std::string wrongMagic = samples::documentOf(*samples::busyLedger());
    wrongMagic[0] = 'X';
    std::string tooLarge(1048577, '\0');
    const std::string csv = exportOf(*samples::busyLedger());

    struct Case { std::string path; int status; const char* out; } cases[] = {
        {write("good.tnw", samples::documentOf(*samples::busyLedger())), 0, "OK\n"},
        {write("magic.tnw", wrongMagic), 1, "The format of the selected file is not correct for this program.\n"},
        {write("export.txt", csv), 1, "The format of the selected file is not correct for this program.\n"},
        {write("big.tnw", tooLarge), 1, "The selected file is too large to open.\n"},
        {write("overflow.tnw", samples::documentOf(*overflowing)), 1,
         "The selected file generates a balance that is too large to display.\n"},
        {(folder / "absent.tnw").string(), 1, "Can not obtain a file handle to the selected file.\n"},
        {folder.string(), 1, "Can not obtain the size of the selected file.\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = run({"check", c.path.c_str()});
        EXPECT_EQ(r.status, c.status) << c.path;
        EXPECT_EQ(r.out, c.out) << c.path;
        EXPECT_EQ(r.err, "") << c.path;
    }
}

TEST_F(CliFiles, RefusedDocumentsWriteOnlyTheMessage)
{
    const std::string path = write("short.tnw", "ABCD\r\n");
    for (const char* command : {"report", "export"}) {
        const CliRun r = run({command, path.c_str()});
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.out, "") << command;
        EXPECT_EQ(r.err, "The format of the selected file is not correct for this program.\n") << command;
    }
}

TEST(Cli, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<const char*>> cases = {
        {}, {"report"}, {"print", "a.tnw"}, {"REPORT", "a.tnw"}, {"check", "a.tnw", "b.tnw"}, {"--help", "x"},
    };
    for (const auto& args : cases) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("Usage: tarnwell-cli report|export|check FILE.tnw\n", 0), 0u) << r.err;
    }
}

TEST(Cli, HelpExplainsEveryCommandAndStatus)
{
    const CliRun r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"report", "export", "check", "OK", "Select All", "Comma Delimited", "0 done",
                             "1 the document did not open", "2 usage error"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    EXPECT_EQ(r.err, "");
}

}  // namespace
