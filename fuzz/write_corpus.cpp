// Writes the fuzzers' starting corpus: small real archives, one per shape the reader
// and the installer must handle. Usage: dova_write_corpus DIRECTORY
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "archive_writer.h"

namespace {

std::string header_only(const char* name, std::int32_t length) {
  const RecordHeader header = encode_record_header(name, length);
  return std::string(header.begin(), header.end());
}

std::vector<std::pair<std::string, std::string>> corpus() {
  std::vector<std::pair<std::string, std::string>> archives;
  auto add = [&archives](const char* name, std::string archive) { archives.emplace_back(name, std::move(archive)); };

  std::string typical;
  append_record(typical, "DOVA.EXE", "main program");
  append_record(typical, "REG51.INC", "P0 DATA 80H\n");
  append_record(typical, "\xBC\xC4\xB4\xE6\xC6\xF7.INC", "\xD6\xD0\xCE\xC4");  // 寄存器.INC
  add("typical", typical);

  add("empty", "");
  add("trailing-bytes", typical + std::string(17, '\x55'));
  add("length-cut", typical + header_only("CUT", 5).substr(0, 20));
  add("data-cut", typical + header_only("CUT", 100) + "abc");
  add("no-data", header_only("FIRST", 0) + header_only("MINUS", -1) + header_only("HUGE", 2147483647) + "x");

  std::string names;
  append_record(names, "A", "a");
  append_record(names, "\x81\x5C.INC", "trail byte 5C");  // 乗.INC
  append_record(names, "..", "up");
  add("names-dots", names);
  const std::pair<const char*, const char*> bad_names[] = {
      {"name-slash", "a/b"},      {"name-parent", "..\\..\\x"}, {"name-drive", "C:x"},
      {"name-device", "CON"},     {"name-device-ext", "nul.inc"},  {"name-not-936", "\xFF" "A"}};
  for (const auto& [label, bad] : bad_names) {
    std::string archive;
    append_record(archive, "A", "a");
    append_record(archive, bad, "bad");
    add(label, archive);
  }
  add("unterminated", std::string(18, '\x82') + std::string(4, '\0'));

  std::string clash;
  append_record(clash, "DINC", "record 0 named like the directory");
  add("clash-dinc", clash);
  std::string bak;
  append_record(bak, "A", "a");
  append_record(bak, "BAK", "a file where the backup directory goes");
  add("clash-bak", bak);

  std::string same;
  append_record(same, "A", "a");
  append_record(same, "B", "first B");
  append_record(same, "B", "second B");
  add("same-name", same + header_only("B", 50) + "cut");

  std::string many;
  for (int i = 0; i < 25; ++i) append_record(many, ("F" + std::to_string(i)).c_str(), std::to_string(i));
  add("many", many);

  // Crosses one copy piece: 18958 bytes and a few more.
  std::string big;
  append_record(big, "A", "a");
  append_record(big, "BIG", std::string(18958 + 42, '\x5A'));
  add("two-pieces", big);
  return archives;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dova_write_corpus DIRECTORY\n");
    return 64;
  }
  for (const auto& [name, archive] : corpus()) {
    const std::string path = std::string(argv[1]) + "/" + name + ".dat";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(archive.data(), 1, archive.size(), file) != archive.size() ||
        std::fclose(file) != 0) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
