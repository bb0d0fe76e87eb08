#include "command_line.h"

std::vector<NativeString> command_line_arguments(int argc, char** argv) {
  return std::vector<NativeString>(argv + (argc > 0 ? 1 : 0), argv + argc);
}
