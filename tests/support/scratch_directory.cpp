#include "scratch_directory.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include "text_encoding.h"

void ScratchDirectoryTest::SetUp() {
  previous_ = fs::current_path();
  std::random_device random;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->name()).substr(0, 40);
  std::replace(name.begin(), name.end(), '/', '-');  // parameterised tests are "Name/0"
  scratch_ = fs::temp_directory_path() / ("dova-" + name + "-" + std::to_string(random()));
  fs::create_directories(scratch_);
  fs::current_path(scratch_);
}

void ScratchDirectoryTest::TearDown() {
  fs::current_path(previous_);
  std::error_code ignored;
  fs::remove_all(scratch_, ignored);
}

fs::path utf8_path(std::string_view utf8) { return fs::path(native_from_utf8(utf8)); }

void write_file(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << path.string();
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string tree_of(const fs::path& root) {
  std::set<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string name = utf8_from_native(fs::relative(entry.path(), root).generic_string<NativeChar>());
    if (entry.is_directory()) name += "/";
    entries.insert(name);
  }
  std::string tree;
  for (const std::string& name : entries) tree += name + "\n";
  return tree;
}
