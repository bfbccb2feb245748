// tarnwell-cli's editing commands: the document opened as File Open opens
// it (or made as File New makes it), changed by the ledger's and the
// editor's own rules, and written back as Save writes it. Nothing is
// written unless the change was taken.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/cli_commands.h"
#include "edit/commit_store.h"
#include "edit/edit_text.h"
#include "edit/focus.h"
#include "files/write_document.h"
#include "ledger/adding.h"
#include "ledger/body_lines.h"
#include "focus/edit_focus.h"

constexpr int32_t identifierSize = lineIdSize;

// "PP-NNNN": the identifier of a transaction's lines without the letter.
static void transactionIdentifier(const Transaction& t, char (&out)[identifierSize])
{
    const int32_t n = formatLineId(out, t.period, t.number, 'a');
    out[n - 1] = 0;
}

// Whether the document opened; when not, Open's title and message are printed.
static bool opened(const char* path, std::FILE* err)
{
    const OpenOutcome outcome = openCliDocument(path);
    if (outcome == OpenOutcome::Ok) return true;
    printRefusal(err, openFailureTitle, openMessage(outcome));
    return false;
}

// Save's write of the changed document in place of the file.
static int writtenBack(const char* path, std::FILE* err)
{
    if (writeLedgerDocument(ledger, path)) return CliDone;
    printRefusal(err, saveFailureTitle, saveFailureText);
    return CliRefused;
}

static int usage(std::FILE* err, const char* what, const char* argument)
{
    std::fprintf(err, "tarnwell-cli: %s: %s\nTry 'tarnwell-cli --help'.\n", what, argument);
    return CliUsage;
}

int runNew(const char* const* args, std::FILE*, std::FILE* err)
{
    std::error_code error;
    if (std::filesystem::exists(args[0], error)) {
        std::fprintf(err, "tarnwell-cli: %s is there already; new makes a document only where none is.\n",
                     args[0]);
        return CliRefused;
    }
    makeNewLedger(ledger);
    return writtenBack(args[0], err);
}

int runRecalc(const char* const* args, std::FILE*, std::FILE* err)
{
    return opened(args[0], err) ? writtenBack(args[0], err) : CliRefused;
}

// 1 to 32, the periods the Add menu offers, as decimal digits.
static bool periodNamed(const char* text, int32_t& period)
{
    period = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9' || period > 32) return false;
        period = period * 10 + (*c - '0');
    }
    return *text && period >= 1 && period <= 32;
}

int runAdd(const char* const* args, std::FILE* out, std::FILE* err)
{
    const bool loan = std::strcmp(args[1], "loan") == 0;
    if (!loan && std::strcmp(args[1], "payment") != 0) return usage(err, "not loan or payment", args[1]);
    int32_t period = 0;
    if (!periodNamed(args[2], period)) return usage(err, "not a period from 1 to 32", args[2]);
    if (!opened(args[0], err)) return CliRefused;
    const TransactionType type = loan ? Loan : Payment;
    int32_t index = 0;
    if (!insertTransaction(ledger, type, period, index)) {
        printRefusal(err, addRefusalTitle, addRefusalText(type));
        return CliRefused;
    }
    if (writtenBack(args[0], err) != CliDone) return CliRefused;
    char identifier[identifierSize];
    transactionIdentifier(ledger.table[index], identifier);
    std::fprintf(out, "%s\n", identifier);
    return CliDone;
}

// A field name: a header field, or "PP-NNNN." and a transaction field with
// the identifier's text left in `identifier`.
static bool fieldNamed(const char* name, FieldId& field, char (&identifier)[identifierSize])
{
    const struct {
        const char* name;
        FieldId field;
    } names[] = {
        {"balance-sign", headerFieldId(BalanceSign)},
        {"balance-integer", headerFieldId(BalanceInteger)},
        {"balance-fraction", headerFieldId(BalanceFraction)},
        {"rate", headerFieldId(RateFraction)},
        {"description", transactionFieldId(0, Description)},
        {"amount-integer", transactionFieldId(0, AmountInteger)},
        {"amount-fraction", transactionFieldId(0, AmountFraction)},
    };
    const char* dot = std::strchr(name, '.');
    const std::size_t idLength = dot ? static_cast<std::size_t>(dot - name) : 0;
    if (idLength >= sizeof identifier) return false;
    std::memcpy(identifier, name, idLength);
    identifier[idLength] = 0;
    const char* fieldName = dot ? dot + 1 : name;
    for (const auto& n : names)
        if (std::strcmp(fieldName, n.name) == 0 && (n.field.area == Transactions) == (dot != nullptr)) {
            field = n.field;
            return true;
        }
    return false;
}

// The slot of the transaction an identifier names, or -1.
static int32_t transactionNamed(const char* identifier)
{
    char id[identifierSize];
    for (int32_t i = 0; i < ledger.count; ++i) {
        transactionIdentifier(ledger.table[i], id);
        if (std::strcmp(id, identifier) == 0) return i;
    }
    return -1;
}

// What typing could put in the field: no more characters than it holds,
// each one it accepts.
static bool fieldTakes(FieldKind kind, const char* value)
{
    const std::size_t n = std::strlen(value);
    if (n > static_cast<std::size_t>(fieldRule(kind).longestText)) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!acceptsCharacter(kind, static_cast<unsigned char>(value[i]))) return false;
    return true;
}

static const char* takesText(FieldKind kind)
{
    switch (kind) {
    case SignKind: return "takes \"+\" or \"-\"";
    case IntegerKind: return "takes up to 21 digits";
    case FractionKind: return "takes up to 20 digits";
    default: return "takes up to 44 characters of codes 32 to 255";
    }
}

// The field named, made the edit focus of `f` with its stored text; false
// when this document has no such field (the message printed).
static bool focusOn(FieldId field, const char* identifier, EditFocus& f, std::FILE* err)
{
    if (field.area == Transactions) {
        field.transactionIndex = transactionNamed(identifier);
        if (field.transactionIndex < 0) {
            std::fprintf(err, "tarnwell-cli: the document has no transaction %s.\n", identifier);
            return false;
        }
    }
    loadField(f, ledger, field);
    // An interest transaction's only field is its description.
    if (field.area == Transactions && field.transactionField != Description &&
        activeFieldKind(f, ledger) == DescriptionKind) {
        std::fprintf(err, "tarnwell-cli: %s is an interest transaction: its amount is computed.\n",
                     identifier);
        return false;
    }
    return true;
}

int runSet(const char* const* args, std::FILE*, std::FILE* err)
{
    FieldId field;
    char identifier[identifierSize];
    if (!fieldNamed(args[1], field, identifier)) return usage(err, "not a field name", args[1]);
    if (!opened(args[0], err)) return CliRefused;
    EditFocus f{};
    if (!focusOn(field, identifier, f, err)) return CliRefused;
    const FieldKind kind = activeFieldKind(f, ledger);
    if (!fieldTakes(kind, args[2])) {
        std::fprintf(err, "tarnwell-cli: %s %s; \"%s\" does not fit.\n", args[1], takesText(kind), args[2]);
        return CliRefused;
    }
    // The value typed over the whole text, then Enter.
    f.editText.fill(0);
    std::memcpy(f.editText.data(), args[2], std::strlen(args[2]));
    int32_t kept = 0;
    if (commitEditText(f, ledger, savedValue, tableBeforeCommit, kept) == CommitRefused) {
        const CommitRefusal refusal = commitRefusal(f, ledger, CommitByEnter);
        printRefusal(err, refusal.title, refusal.text);
        return CliRefused;
    }
    return writtenBack(args[0], err);
}
