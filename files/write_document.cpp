#include "files/write_document.h"

#include "files/document.h"
#include "files/export.h"
#include "files/replace_file.h"
#include "files/transfer.h"

bool writeLedgerDocument(const Ledger& l, const char* path)
{
    clearTransferBuffer();
    const int32_t size = buildLedgerDocument(l, transferBuffer.data());
    return replaceFile(path, transferBuffer.data(), size);
}

bool writeLedgerExport(const Ledger& l, const char* path)
{
    clearTransferBuffer();
    const int32_t size = buildLedgerExport(l, transferBuffer.data());
    return replaceFile(path, transferBuffer.data(), size);
}
