// Windows only: one argument quoted so that CommandLineToArgvW splits it out again
// unchanged; plain arguments stay as they are.
#pragma once

#include <string>

std::wstring quote_argument(const std::wstring& argument);
