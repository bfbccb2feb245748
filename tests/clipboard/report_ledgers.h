// Ledgers for the report tests, built the way the program builds them: the
// default document, added loans and payments, typed digits, recalculation.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "clipboard/report.h"
#include "support/ledger_builders.h"
#include "ledger/adding.h"
#include "ledger/ledger.h"
#include "ledger/recalculate.h"

inline void setDescription(Transaction& t, const std::string& text)
{
    t.description.fill(0);
    std::memcpy(t.description.data(), text.data(), text.size());
}

// The recalculated default document.
inline void makeDefaultLedger(Ledger& l)
{
    resetToDefaultDocument(l);
    RecalculateLedger(l);
}

// Adds a loan or payment at the end of `period` with the given digits and
// recalculates; the new transaction's slot, or -1 when the table is full or
// the recalculation refuses the amount.
inline int32_t addWithAmount(Ledger& l, TransactionType type, int32_t period,
                             const std::string& integer, const std::string& fraction = "")
{
    int32_t index = -1;
    if (!addTransaction(l, type, period, index)) return -1;
    setInteger(l.table[index].amount.integer, integer);
    setFraction(l.table[index].amount.fraction, fraction);
    return RecalculateLedger(l) ? index : -1;
}

// The report as built, checked for its frame: the returned size equals the
// measured one, nothing is written past it, and the last byte is the zero.
inline std::string reportText(const Ledger& l)
{
    const int32_t measured = measureLedgerReport(l);
    std::vector<char> buffer(static_cast<std::size_t>(measured) + 64, '\x7f');
    const int32_t built = buildLedgerReport(l, buffer.data());
    if (built != measured) return "size mismatch";
    for (std::size_t k = static_cast<std::size_t>(measured); k < buffer.size(); ++k)
        if (buffer[k] != '\x7f') return "written past the measured size";
    if (measured < 1 || buffer[static_cast<std::size_t>(measured) - 1] != 0) return "no final zero";
    return std::string(buffer.data(), static_cast<std::size_t>(measured));
}

// Splits a report into its lines, without their CR LF. Empty when the text
// is not a sequence of CR LF terminated lines followed by one zero byte.
inline std::vector<std::string> reportLines(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty() || text.back() != 0) return {};
    const std::string body = text.substr(0, text.size() - 1);
    std::size_t start = 0;
    while (start < body.size()) {
        const std::size_t end = body.find("\r\n", start);
        if (end == std::string::npos) return {};
        const std::string line = body.substr(start, end - start);
        if (line.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) return {};
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}
