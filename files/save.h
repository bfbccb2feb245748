// Win32: File > Save.
#pragma once

// The ledger document, or with the second filter the comma-delimited
// export. Only a successful document save takes the snapshot and titles the
// window; a failure changes nothing on disk or in memory.
void saveLedgerFile();
