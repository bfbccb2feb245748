// Commands not built yet; each does nothing until its subsystem lands.
#include "app/pending_commands.h"

void cutText() {}
void copyAsText() {}
void pasteText() {}
void deleteSelection() {}
