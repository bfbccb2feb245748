// Writes the seed documents of the document fuzzer into a folder:
//   make_corpus fuzz/corpus
#include <cstdio>
#include <string>

#include "files/document.h"
#include "fuzz/sample_ledgers.h"

static Ledger sample;
static char document[documentSize(maxTransactions)];

static bool writeSample(const std::string& folder, const char* name, void (*make)(Ledger&))
{
    make(sample);
    const int32_t size = buildLedgerDocument(sample, document);
    const std::string path = folder + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(document, 1, size, file) == static_cast<std::size_t>(size);
    return std::fclose(file) == 0 && written;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("Usage: make_corpus FOLDER\n", stderr);
        return 2;
    }
    const bool ok = writeSample(argv[1], "default.tnw", makeDefaultSample) &&
                    writeSample(argv[1], "loans_payments.tnw", makeLoansAndPaymentsSample) &&
                    writeSample(argv[1], "negative_balance.tnw", makeNegativeBalanceSample);
    if (!ok) std::fputs("make_corpus: can not write the seed documents\n", stderr);
    return ok ? 0 : 1;
}
