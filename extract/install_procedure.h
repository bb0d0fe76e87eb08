// The install procedure: unpacks the setup archive in the current directory beside
// A51.EXE. Record 0 goes into the directory of the path text, every later record into
// its "DINC" subdirectory; "DINC/BAK" is made at the end. It runs to its end on the
// calling thread and keeps no state between runs.
#pragma once

#include <cstddef>

#include "file_system.h"
#include "install_outcome.h"
#include "install_window.h"

inline constexpr std::size_t kCopyBufferSize = 18958;
// Output paths were built in a 960-byte buffer; no path is longer than that allowed.
inline constexpr std::size_t kMaxOutputPathLength = 959;

// Installs, then shows the outcome's message box. After success it closes the window;
// after a failure the window stays, so the user can mend the path and try again.
InstallOutcome run_install_procedure(InstallWindow& window, FileSystem& files);

// The gauge position while record `index` is read: 5 per record, full from the 21st on.
int gauge_position(std::size_t index);
