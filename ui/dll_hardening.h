// Keeps DLLs that a download folder may hold out of the process: call first thing.
#pragma once

// Restricts the DLL search to the system directory where the system can
// (SetDefaultDllDirectories); elsewhere takes the current directory out of the search
// and makes the search path safe. Returns true when the search is system-only.
bool harden_dll_search();
