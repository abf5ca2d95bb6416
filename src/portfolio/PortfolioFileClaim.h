// One running program per share.dat: two windows on the same file would each save it at close,
// and the one closed last would silently throw away the other's changes.
#pragma once

#include "../classlib/FileClaim.h"

#include <memory>

// Claims share.dat for this run of the program. When another running program has it, tells the
// person so and gives nothing: this run must then neither read nor write the file.
std::unique_ptr<FileClaim> ClaimPortfolioFile();
