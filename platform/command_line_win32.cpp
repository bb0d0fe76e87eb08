#include "command_line.h"

#include <windows.h>
#include <shellapi.h>

std::vector<NativeString> command_line_arguments(int, char**) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return {};
  std::vector<NativeString> result(arguments + (count > 0 ? 1 : 0), arguments + count);
  LocalFree(arguments);
  return result;
}
