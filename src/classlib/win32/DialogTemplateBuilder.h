// A dialog template of the program's resources as the in-memory template that the Windows dialog
// manager creates a dialog from: extended or classic, as the resource says.
#pragma once

#include "../Resources.h"

#include <vector>

// The template's bytes; the vector's storage is suitably aligned for the dialog manager.
std::vector<DWORD> BuildDialogTemplate(const DialogTemplate& dialog);
