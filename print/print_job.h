// The print job: File > Print through the print dialog, the document, its
// first and last page, and the messages when the printer refuses.
#pragma once

// File > Print: asks for a printer and prints the whole ledger on it. A
// cancelled dialog prints and shows nothing; a printer that refuses the
// document or its first or last page is reported under "Can Not Print".
void printLedger();
