// dova-setup, the console installer.
#include "command_line.h"
#include "console_front_end.h"

int main(int argc, char** argv) {
  return run_console_installer(command_line_arguments(argc, argv));
}
