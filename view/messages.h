// The program's message boxes. Every box the user sees is made here so that
// all of them look alike: owner, icon and buttons follow from the kind.
#pragma once

// A failure the user must know of: exclamation icon, OK, owned by the main
// window. `title` in title case, `text` a sentence.
void reportFailure(const char* text, const char* title);

// A failure before the main window exists: as reportFailure, with no owner.
void reportStartupFailure(const char* text, const char* title);

// Plain information, such as the About box: information icon, OK.
void showInformation(const char* text, const char* title);

enum SaveAnswer { SaveYes, SaveNo, SaveCancel };

// "Save Current File?" with Yes, No and Cancel and the question icon; asked
// before a changed ledger is closed or replaced.
SaveAnswer askSaveCurrentFile();
