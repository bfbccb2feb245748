#include "app/cli_run.h"

#include <cstring>

#include "app/engine_report.h"
#include "clipboard/report.h"
#include "files/export.h"
#include "files/open_document.h"
#include "files/transfer.h"
#include "ledger/ledger.h"
#include "ledger/recalculate.h"

static const char usageLine[] = "Usage: tarnwell-cli report|export|check FILE.tnw\n";

static const char helpText[] =
    "Usage: tarnwell-cli report|export|check FILE.tnw\n"
    "       tarnwell-cli engines\n"
    "       tarnwell-cli --help\n"
    "\n"
    "Opens a Tarnwell ledger document (.tnw) with the same checks as File > Open,\n"
    "over the default ledger, then:\n"
    "  report   writes the whole-ledger text report, byte for byte what Copy puts on\n"
    "           the clipboard after Select All (CR LF line ends, no final zero byte)\n"
    "  export   writes the comma-delimited export, byte for byte what Save writes\n"
    "           with \"Data Files (Comma Delimited) (*.txt)\" selected\n"
    "  check    prints OK when the document opens, or the message File > Open\n"
    "           would show\n"
    "Output goes to standard output. When the document does not open, report and\n"
    "export print File > Open's message on standard error instead.\n"
    "\n"
    "engines lists the digit engines, their times when the program started and the\n"
    "one in use, the fastest; an engine the processor can not run is named as such.\n"
    "\n"
    "Exit status: 0 done; 1 the document did not open; 2 usage error.\n";

enum class Command { Report, Export, Check };

// The previous ledger's table while the document is tried.
static TransactionTable previousTable;

static bool commandNamed(const char* name, Command& command)
{
    struct Entry {
        const char* name;
        Command command;
    } const entries[] = {
        {"report", Command::Report},
        {"export", Command::Export},
        {"check", Command::Check},
    };
    for (const Entry& e : entries)
        if (std::strcmp(name, e.name) == 0) {
            command = e.command;
            return true;
        }
    return false;
}

// File Open over the document the program starts with.
static OpenOutcome openDocument(const char* path)
{
    resetToDefaultDocument(ledger);
    RecalculateLedger(ledger);
    TakeSnapshot();
    int32_t size = 0;
    const OpenOutcome read = readLedgerFile(path, size);
    if (read != OpenOutcome::Ok) return read;
    return openLedgerDocument(transferBuffer.data(), size, ledger, savedSnapshot, previousTable);
}

static int writeAll(const char* data, int32_t size, std::FILE* out, std::FILE* err)
{
    const std::size_t length = static_cast<std::size_t>(size);
    if (std::fwrite(data, 1, length, out) == length && std::fflush(out) == 0) return 0;
    std::fputs("tarnwell-cli: can not write the output.\n", err);
    return 1;
}

// The report without its final zero byte.
static int writeReport(std::FILE* out, std::FILE* err)
{
    const int32_t size = measureLedgerReport(ledger);
    if (size < 1 || size > transferBufferSize) {
        std::fputs("tarnwell-cli: the report does not fit in the transfer buffer.\n", err);
        return 1;
    }
    clearTransferBuffer();
    buildLedgerReport(ledger, transferBuffer.data());
    return writeAll(transferBuffer.data(), size - 1, out, err);
}

static int writeExport(std::FILE* out, std::FILE* err)
{
    clearTransferBuffer();
    return writeAll(transferBuffer.data(), buildLedgerExport(ledger, transferBuffer.data()), out, err);
}

int runCli(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(helpText, out);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "engines") == 0) return writeEngineReport(out);
    Command command;
    if (argc != 3 || !commandNamed(argv[1], command)) {
        std::fputs(usageLine, err);
        std::fputs("Try 'tarnwell-cli --help'.\n", err);
        return 2;
    }
    const OpenOutcome outcome = openDocument(argv[2]);
    if (command == Command::Check) {
        std::fprintf(out, "%s\n", outcome == OpenOutcome::Ok ? "OK" : openMessage(outcome));
        return outcome == OpenOutcome::Ok ? 0 : 1;
    }
    if (outcome != OpenOutcome::Ok) {
        std::fprintf(err, "%s\n", openMessage(outcome));
        return 1;
    }
    return command == Command::Report ? writeReport(out, err) : writeExport(out, err);
}
