#include "app/engine_report.h"

#include "ledger/digits/engine_choice.h"

int writeEngineReport(std::FILE* out)
{
    bool ok = std::fputs("Digit engines, timed at start on the same short piece of ledger work:\n", out) >= 0;
    for (int k = 0; k < digitEngineCount; ++k) {
        const EngineTiming& t = engineChoice.timing[k];
        const char* name = digitEngineName(allDigitInstructions[k]);
        if (t.runs)
            ok = std::fprintf(out, "  %-9s %8.2f us  (best of %d)\n", name, double(t.bestNanoseconds) / 1000.0,
                              int(t.trials)) > 0 && ok;
        else
            ok = std::fprintf(out, "  %-9s not run by this processor\n", name) > 0 && ok;
    }
    ok = std::fprintf(out, "Chosen: %s\n", digitEngineName(engineChoice.chosen)) > 0 && ok;
    return ok && std::fflush(out) == 0 ? 0 : 1;
}
