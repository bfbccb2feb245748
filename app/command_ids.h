// Menu command identifiers, shared by resources/tarnwell.rc and the code,
// grouped by menu. Plain #defines because the resource compiler reads them.
#pragma once

// File
#define IDM_FILE_NEW 40000
#define IDM_FILE_OPEN 40001
#define IDM_FILE_SAVE 40002
#define IDM_FILE_PRINT 40003
#define IDM_FILE_EXIT 40004

// Edit
#define IDM_EDIT_CUT 41000
#define IDM_EDIT_COPY 41001
#define IDM_EDIT_PASTE 41002
#define IDM_EDIT_DELETE 41003
#define IDM_EDIT_SELECT_ALL 41004

// Add: the item for period NN is the base + NN, NN from 1 to 32.
#define IDM_ADD_LOAN_BASE 42000
#define IDM_ADD_PAYMENT_BASE 43000
#define IDM_ADD_PERIODS 32

// About
#define IDM_ABOUT 45000

// Version, shown by VERSIONINFO and the About box.
#define TARNWELL_VERSION_TEXT "1.0.0"
#define TARNWELL_VERSION_NUMBERS 1, 0, 0, 0
