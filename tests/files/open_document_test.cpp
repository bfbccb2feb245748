// Opening a ledger document: the checks, the load with its rollback, and the
// stdio reader's size rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "files/document_samples.h"
#include "files/export.h"
#include "files/open_document.h"
#include "files/transfer.h"

namespace {

TransactionTable previousTable;

// A ledger and its snapshot as the program holds them, on the heap.
struct Open {
    std::unique_ptr<Ledger> ledger = samples::busyLedger();
    std::unique_ptr<SavedSnapshot> snapshot = std::make_unique<SavedSnapshot>();
    Open() { TakeSnapshot(*ledger, *snapshot); }
    OpenOutcome open(const std::string& d)
    {
        return openLedgerDocument(d.data(), static_cast<int32_t>(d.size()), *ledger, *snapshot,
                                  previousTable);
    }
};

bool sameBytes(const Ledger& a, const Ledger& b) { return std::memcmp(&a, &b, sizeof(Ledger)) == 0; }
bool sameBytes(const SavedSnapshot& a, const SavedSnapshot& b)
{
    return std::memcmp(&a, &b, sizeof(SavedSnapshot)) == 0;
}

std::size_t at(int record, std::size_t offset) { return 86 + 104 * record + offset; }

TEST(OpenDocument, SavedDocumentOpensToTheSameLedger)
{
    for (char sign : {'+', '-'}) {
        auto saved = samples::busyLedger(sign);
        Open o;
        o.ledger = samples::ledgerOf(40);  // a longer ledger is replaced whole
        TakeSnapshot(*o.ledger, *o.snapshot);
        ASSERT_EQ(o.open(samples::documentOf(*saved)), OpenOutcome::Ok);
        EXPECT_EQ(o.ledger->count, saved->count);
        EXPECT_EQ(std::memcmp(&o.ledger->header, &saved->header, sizeof(LedgerHeader)), 0);
        EXPECT_EQ(std::memcmp(o.ledger->table.data(), saved->table.data(), sizeof(TransactionTable)), 0)
            << "every slot, derived fields and the zero slots after the count included";
        EXPECT_EQ(std::memcmp(&o.ledger->currentTotals, &saved->currentTotals, sizeof(LedgerTotals)), 0);
        EXPECT_EQ(o.ledger->bodyLineCount, 13 * saved->count + 22);
        EXPECT_FALSE(IsLedgerModified(*o.ledger, *o.snapshot));
        EXPECT_EQ(o.snapshot->count, saved->count);
        for (int32_t i = saved->count; i < maxTransactions; ++i)
            ASSERT_EQ(o.snapshot->table[i].type | o.snapshot->table[i].description[0], 0) << i;
    }
}

TEST(OpenDocument, OpenedLedgerSavesToTheSameBytes)
{
    auto saved = samples::busyLedger('-');
    const std::string d = samples::documentOf(*saved);
    Open o;
    ASSERT_EQ(o.open(d), OpenOutcome::Ok);
    EXPECT_EQ(samples::documentOf(*o.ledger), d);
}

struct Corruption {
    const char* name;
    std::function<void(std::string&)> apply;
};

void setCount(std::string& d, uint32_t count)
{
    for (int i = 0; i < 4; ++i) d[6 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
}

// Each starts from a valid 36-record document and breaks one rule.
std::vector<Corruption> corruptions()
{
    std::vector<Corruption> c = {
        {"empty file", [](std::string& d) { d.clear(); }},
        {"header only", [](std::string& d) { d.resize(86); }},
        {"count 31", [](std::string& d) { setCount(d, 31); d.resize(86 + 104 * 31); }},
        {"count 1025", [](std::string& d) {
             setCount(d, 1025);
             while (d.size() < 86 + 104 * 1025) d += d.substr(86, 104);
         }},
        {"count with a high byte", [](std::string& d) { d[9] = 1; }},
        {"one byte short", [](std::string& d) { d.pop_back(); }},
        {"bad magic", [](std::string& d) { d[3] = 'd'; }},
        {"magic abcd", [](std::string& d) { d.replace(0, 4, "abcd"); }},
        {"balance sign a space", [](std::string& d) { d[12] = ' '; }},
        {"balance sign zero byte", [](std::string& d) { d[12] = 0; }},
        {"balance sign unterminated", [](std::string& d) { d[13] = '+'; }},
        {"balance integer unterminated", [](std::string& d) { d[37] = '0'; }},
        {"balance fraction unterminated", [](std::string& d) { d[60] = '0'; }},
        {"rate unterminated", [](std::string& d) { d[83] = '0'; }},
        {"amount sign a space", [](std::string& d) { d[at(1, 53)] = ' '; }},
        {"amount sign unterminated", [](std::string& d) { d[at(1, 54)] = ' '; }},
        {"amount integer unterminated", [](std::string& d) { d[at(35, 78)] = '1'; }},
        {"amount fraction unterminated", [](std::string& d) { d[at(35, 101)] = '1'; }},
        {"type 3", [](std::string& d) { d[at(2, 47)] = 3; }},
        {"type 255", [](std::string& d) { d[at(2, 47)] = '\xff'; }},
        {"description byte 44 in the first record", [](std::string& d) { d[at(0, 44)] = 'x'; }},
        {"description byte 44 in the last record", [](std::string& d) { d[at(35, 44)] = 1; }},
    };
    for (int b = 48; b <= 50; ++b)
        c.push_back({"type high byte", [b](std::string& d) { d[at(4, b)] = 1; }});
    // A character just outside "0" to "9" at the first, a middle and the last
    // place of every digit field.
    struct Digits { const char* name; std::size_t start; int width; } fields[] = {
        {"balance integer", 16, 21}, {"balance fraction", 40, 20}, {"rate", 63, 20},
        {"amount integer", at(3, 57), 21}, {"amount fraction", at(3, 81), 20},
        {"last amount integer", at(35, 57), 21}, {"last amount fraction", at(35, 81), 20},
    };
    for (const Digits& f : fields)
        for (int place : {0, f.width / 2, f.width - 1})
            for (char bad : {'/', ':', ' ', '\0', '.'})
                c.push_back({f.name, [f, place, bad](std::string& d) { d[f.start + place] = bad; }});
    return c;
}

TEST(OpenDocument, CorruptDocumentsAreRefusedWithTheLedgerUnchanged)
{
    const std::string valid = samples::documentOf(*samples::busyLedger());
    Open o;
    auto before = std::make_unique<Ledger>(*o.ledger);
    auto snapshotBefore = std::make_unique<SavedSnapshot>(*o.snapshot);
    for (const Corruption& c : corruptions()) {
        std::string d = valid;
        c.apply(d);
        EXPECT_FALSE(checkLedgerDocument(d.data(), static_cast<int32_t>(d.size()))) << c.name;
        EXPECT_EQ(o.open(d), OpenOutcome::Format) << c.name;
        EXPECT_TRUE(sameBytes(*o.ledger, *before)) << c.name;
        EXPECT_TRUE(sameBytes(*o.snapshot, *snapshotBefore)) << c.name;
    }
    EXPECT_EQ(std::string(openMessage(OpenOutcome::Format)),
              "The format of the selected file is not correct for this program.");
}

TEST(OpenDocument, CommaDelimitedExportIsRefused)
{
    auto l = samples::busyLedger();
    std::string text(exportLineLimit * l->count, '\0');
    text.resize(buildLedgerExport(*l, text.data()));
    Open o;
    EXPECT_EQ(o.open(text), OpenOutcome::Format);
}

struct Accepted {
    const char* name;
    std::function<void(Ledger&)> shape;      // changes the saved ledger
    std::function<void(std::string&)> tail;  // changes the document after saving
    int32_t periods;
};

TEST(OpenDocument, DocumentsTheChecksAccept)
{
    const auto none = [](std::string&) {};
    const Accepted cases[] = {
        {"extra bytes after the last record", [](Ledger&) {},
         [](std::string& d) { d += std::string(1000, '\xee'); }, 32},
        {"first record a loan", [](Ledger& l) { l.table[0].type = Loan; }, none, 31},
        {"first record a payment", [](Ledger& l) { l.table[0].type = Payment; }, none, 31},
        {"40 interest records", [](Ledger& l) { for (int i = 32; i < 40; ++i) l.table[i].type = Interest; },
         none, 40},
        {"3 interest records", [](Ledger& l) { for (int i = 3; i < 40; ++i) l.table[i].type = Payment; },
         none, 3},
        {"CR LF pairs not checked", [](Ledger&) {},
         [](std::string& d) { d[4] = 'x'; d[at(0, 45)] = 0; d[at(39, 102)] = '!'; }, 32},
        {"description bytes before byte 44", [](Ledger& l) { l.table[6].description.fill('\x01'); l.table[6].description[44] = 0; },
         none, 32},
    };
    for (const Accepted& c : cases) {
        auto saved = samples::ledgerOf(40);
        c.shape(*saved);
        std::string d = samples::documentOf(*saved);
        c.tail(d);
        Open o;
        ASSERT_EQ(o.open(d), OpenOutcome::Ok) << c.name;
        EXPECT_EQ(o.ledger->count, 40) << c.name;
        EXPECT_EQ(o.ledger->table[39].period, c.periods) << c.name;
        EXPECT_FALSE(IsLedgerModified(*o.ledger, *o.snapshot)) << c.name;
    }
}

// Documents that pass the checks but whose balance reaches 10^21.
std::vector<std::string> overflowingDocuments()
{
    auto first = samples::ledgerOf(32);  // the first interest transaction overflows
    setInteger(first->header.beginningBalance.integer, std::string(21, '9'));
    setFraction(first->header.ratePerPeriod, "00000000000000000001");
    auto last = samples::ledgerOf(40);  // the last of more records than some previous ledgers
    setInteger(last->table[38].amount.integer, "1");
    setInteger(last->table[39].amount.integer, std::string(21, '9'));
    return {samples::documentOf(*first), samples::documentOf(*last)};
}

TEST(OpenDocument, OverflowingDocumentPutsThePreviousLedgerBack)
{
    for (const std::string& d : overflowingDocuments()) {
        ASSERT_TRUE(checkLedgerDocument(d.data(), static_cast<int32_t>(d.size())));
        for (int32_t previousCount : {32, 36, 1024}) {
            Open o;
            o.ledger = previousCount == 36 ? samples::busyLedger('-') : samples::ledgerOf(previousCount);
            TakeSnapshot(*o.ledger, *o.snapshot);
            o.ledger->table[0].description[0] = 'm';  // modified since the snapshot
            auto before = std::make_unique<Ledger>();
            std::memcpy(before.get(), o.ledger.get(), sizeof(Ledger));  // padding too
            auto snapshotBefore = std::make_unique<SavedSnapshot>();
            std::memcpy(snapshotBefore.get(), o.snapshot.get(), sizeof(SavedSnapshot));

            EXPECT_EQ(o.open(d), OpenOutcome::BalanceTooLarge);
            EXPECT_TRUE(sameBytes(*o.ledger, *before)) << "previous count " << previousCount;
            EXPECT_TRUE(sameBytes(*o.snapshot, *snapshotBefore)) << "previous count " << previousCount;
            EXPECT_TRUE(IsLedgerModified(*o.ledger, *o.snapshot));
            EXPECT_EQ(std::memcmp(previousTable.data(), before->table.data(), sizeof(TransactionTable)), 0)
                << "the previous table is kept in the caller's table";
        }
    }
}

// Files in a scratch folder for the stdio reader.
struct ScratchFiles : ::testing::Test {
    std::filesystem::path folder;
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("tarnwell-open-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string write(const char* name, const std::string& bytes)
    {
        const std::string path = (folder / name).string();
        std::FILE* f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (f == nullptr) return path;
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
        std::fclose(f);
        return path;
    }
};

TEST_F(ScratchFiles, ReaderAppliesTheSizeRule)
{
    std::string d = samples::documentOf(*samples::busyLedger());
    d.resize(transferBufferSize, '\xab');
    int32_t size = -1;
    ASSERT_EQ(readLedgerFile(write("limit.tnw", d).c_str(), size), OpenOutcome::Ok);
    EXPECT_EQ(size, transferBufferSize);
    EXPECT_EQ(std::memcmp(transferBuffer.data(), d.data(), d.size()), 0);
    Open o;
    EXPECT_EQ(openLedgerDocument(transferBuffer.data(), size, *o.ledger, *o.snapshot, previousTable),
              OpenOutcome::Ok);

    d.push_back('\xab');
    size = -1;
    EXPECT_EQ(readLedgerFile(write("over.tnw", d).c_str(), size), OpenOutcome::TooLarge);
    EXPECT_EQ(size, -1);
}

TEST_F(ScratchFiles, ReaderClearsTheTransferBufferFirst)
{
    transferBuffer.fill('\x55');
    int32_t size = 0;
    ASSERT_EQ(readLedgerFile(write("short.tnw", "ABCD").c_str(), size), OpenOutcome::Ok);
    EXPECT_EQ(size, 4);
    EXPECT_EQ(transferBuffer[4], 0);
    EXPECT_EQ(transferBuffer[transferBufferSize - 1], 0);
}

TEST_F(ScratchFiles, ReaderOutcomesForFilesItCannotUse)
{
    int32_t size = 0;
    EXPECT_EQ(readLedgerFile((folder / "absent.tnw").string().c_str(), size), OpenOutcome::FileHandle);
    EXPECT_EQ(readLedgerFile(folder.string().c_str(), size), OpenOutcome::Size) << "a folder has no file size";
}

TEST(OpenSizeRule, FourGibibytesOrMoreThanTheBufferIsTooLarge)
{
    struct Case { uint32_t high, low; bool tooLarge; } cases[] = {
        {0, 0, false}, {0, 1048576, false}, {0, 1048577, true},
        {0, 0xFFFFFFFF, true}, {1, 0, true}, {1, 100, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isTooLargeToOpen(c.high, c.low), c.tooLarge) << c.high << ":" << c.low;
}

}  // namespace
