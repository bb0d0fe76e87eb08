#include "scratch.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

std::filesystem::path scratch_path;

void remove_scratch() {
  std::error_code ignored;
  std::filesystem::current_path("/", ignored);
  std::filesystem::remove_all(scratch_path, ignored);
}

}  // namespace

void enter_scratch_directory() {
  // Memory-backed where there is one: every run writes a few files.
  const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  std::string pattern = std::string(base) + "/dova-fuzz-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) oracle_failed("cannot make a scratch directory");
  scratch_path = pattern;
  std::filesystem::current_path(scratch_path);
  std::atexit(remove_scratch);
}

void write_whole_file(const char* name, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(name, "wb");
  if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
    oracle_failed(std::string("cannot write ") + name);
  }
}

void oracle_failed(const std::string& what) {
  std::fprintf(stderr, "oracle: %s\n", what.c_str());
  std::abort();
}
