#include "app/cli_run.h"

#include <cstring>

#include "app/cli_commands.h"
#include "app/engine_report.h"
#include "clipboard/report.h"
#include "files/export.h"
#include "files/open_document.h"
#include "files/transfer.h"
#include "ledger/ledger.h"
#include "ledger/recalculate.h"

static const char usageText[] =
    "Usage: tarnwell-cli report|export|check|new|recalc FILE.tnw\n"
    "       tarnwell-cli add FILE.tnw loan|payment PERIOD\n"
    "       tarnwell-cli set FILE.tnw FIELD VALUE\n"
    "       tarnwell-cli engines\n";

static const char helpText[] =
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
    "The editing commands change the document by the window's own rules and write\n"
    "it back as File > Save does: to a temporary file that replaces FILE.tnw only\n"
    "once every byte is written. A refused or failed command leaves FILE.tnw byte\n"
    "for byte as it was and prints the window's title and message on standard\n"
    "error, for example \"Can Not Open File: The selected file is too large to open.\"\n"
    "  new      writes the new document of File > New; FILE.tnw must not exist yet\n"
    "  recalc   writes the document back recalculated (the amounts' signs)\n"
    "  add      adds a zero loan or payment at the end of PERIOD (1 to 32), as the\n"
    "           Add menu does, and prints its identifier (\"02-0002\")\n"
    "  set      commits VALUE to FIELD as Enter does after VALUE is typed over the\n"
    "           field's text; FIELD is one of\n"
    "             balance-sign            \"+\" or \"-\" (empty: \"+\")\n"
    "             balance-integer         up to 21 digits, zeros added on the left\n"
    "             balance-fraction        up to 20 digits, zeros added on the right\n"
    "             rate                    the rate per period: as balance-fraction\n"
    "             PP-NNNN.description     up to 44 characters of codes 32 to 255\n"
    "             PP-NNNN.amount-integer  a loan's or payment's amount, as above\n"
    "             PP-NNNN.amount-fraction as balance-fraction\n"
    "           where PP-NNNN is a transaction's identifier as the report shows it\n"
    "\n"
    "engines lists the digit engines, their times when the program started and the\n"
    "one in use, the fastest; an engine the processor can not run is named as such.\n"
    "\n"
    "Exit status: 0 done; 1 the document did not open, refused the change (an\n"
    "identifier it does not hold, a value the field does not take, a balance too\n"
    "large, a full ledger, FILE.tnw already there for new) or was not written;\n"
    "2 usage error (an unknown command, field name or type, a period out of range,\n"
    "a wrong number of arguments).\n";

// The previous ledger's table while the document is tried.
static TransactionTable previousTable;

OpenOutcome openCliDocument(const char* path)
{
    resetToDefaultDocument(ledger);
    RecalculateLedger(ledger);
    TakeSnapshot();
    int32_t size = 0;
    const OpenOutcome read = readLedgerFile(path, size);
    if (read != OpenOutcome::Ok) return read;
    return openLedgerDocument(transferBuffer.data(), size, ledger, savedSnapshot, previousTable);
}

void printRefusal(std::FILE* err, const char* title, const char* text)
{
    std::fprintf(err, "%s: %s\n", title, text);
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

// Whether the document opened; when not, File > Open's message is printed.
static bool openedOrTold(const char* path, std::FILE* err)
{
    const OpenOutcome outcome = openCliDocument(path);
    if (outcome != OpenOutcome::Ok) std::fprintf(err, "%s\n", openMessage(outcome));
    return outcome == OpenOutcome::Ok;
}

static int runReport(const char* const* args, std::FILE* out, std::FILE* err)
{
    return openedOrTold(args[0], err) ? writeReport(out, err) : CliRefused;
}

static int runExport(const char* const* args, std::FILE* out, std::FILE* err)
{
    return openedOrTold(args[0], err) ? writeExport(out, err) : CliRefused;
}

static int runEngines(const char* const*, std::FILE* out, std::FILE*) { return writeEngineReport(out); }

static int runCheck(const char* const* args, std::FILE* out, std::FILE*)
{
    const OpenOutcome outcome = openCliDocument(args[0]);
    std::fprintf(out, "%s\n", outcome == OpenOutcome::Ok ? "OK" : openMessage(outcome));
    return outcome == OpenOutcome::Ok ? CliDone : CliRefused;
}

// One entry per command: its name, how many arguments follow it, its function.
struct CliEntry {
    const char* name;
    int arguments;
    CliCommand run;
};
static const CliEntry commands[] = {
    {"report", 1, runReport}, {"export", 1, runExport}, {"check", 1, runCheck}, {"new", 1, runNew},
    {"recalc", 1, runRecalc}, {"add", 3, runAdd},       {"set", 3, runSet},     {"engines", 0, runEngines},
};

int runCli(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(usageText, out);
        std::fputs(helpText, out);
        return CliDone;
    }
    for (const CliEntry& c : commands)
        if (argc == 2 + c.arguments && std::strcmp(argv[1], c.name) == 0) return c.run(argv + 2, out, err);
    std::fputs(usageText, err);
    std::fputs("Try 'tarnwell-cli --help'.\n", err);
    return CliUsage;
}
