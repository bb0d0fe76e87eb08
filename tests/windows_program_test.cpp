// What a cautious administrator checks in a downloaded program before running it.
#include <algorithm>
#include <cctype>
#include <string>

#include <gtest/gtest.h>

#include "pe_image.h"
#include "run_program.h"

namespace {

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Windows loads the DLLs of the import table before the program's first instruction,
// looking in the program's own folder first, except for its "known DLLs", which always
// come from the system. So the import table holds known DLLs only (and the common
// controls, which the manifest binds to the system's side-by-side copy): nothing can
// be planted beside the program in a download folder. Anything else is loaded by
// full system path at run time.
TEST(WindowsProgram, ImportsOnlyDllsThatCannotBePlanted) {
  const char* const kWindowsOwn[] = {"kernel32.dll", "user32.dll", "gdi32.dll",   "comdlg32.dll",
                                     "shell32.dll",  "advapi32.dll", "msvcrt.dll", "ole32.dll",
                                     "oleaut32.dll", "shlwapi.dll",  "imm32.dll",  "comctl32.dll"};
  for (const char* program : {"dova-setup.exe", "dova-pack.exe"}) {
    const auto dlls = imported_dlls(program_directory() / program);
    ASSERT_TRUE(dlls.has_value()) << program;
    EXPECT_FALSE(dlls->empty()) << program;
    for (const std::string& dll : *dlls) {
      EXPECT_NE(std::find(std::begin(kWindowsOwn), std::end(kWindowsOwn), lower(dll)), std::end(kWindowsOwn))
          << program << " imports " << dll;
    }
  }
}

}  // namespace
