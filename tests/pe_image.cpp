#include "pe_image.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

class Bytes {
 public:
  explicit Bytes(std::string data) : data_(std::move(data)) {}

  // Little-endian unsigned of `size` bytes at offset; nullopt past the end.
  std::optional<std::uint32_t> read(std::size_t offset, std::size_t size) const {
    if (offset > data_.size() || data_.size() - offset < size) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
      value |= std::uint32_t{static_cast<std::uint8_t>(data_[offset + i])} << (8 * i);
    }
    return value;
  }

  std::optional<std::string> c_string(std::size_t offset) const {
    if (offset >= data_.size()) return std::nullopt;
    const std::size_t end = data_.find('\0', offset);
    if (end == std::string::npos) return std::nullopt;
    return data_.substr(offset, end - offset);
  }

 private:
  std::string data_;
};

struct Section {
  std::uint32_t virtual_address, virtual_size, raw_offset;
};

}  // namespace

std::optional<std::vector<std::string>> imported_dlls(const std::filesystem::path& exe) {
  std::ifstream in(exe, std::ios::binary);
  const Bytes file{std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};

  const auto pe = file.read(0x3C, 4);
  if (!pe || file.read(*pe, 4) != 0x00004550u) return std::nullopt;  // "PE\0\0"
  const std::size_t header = *pe + 4;
  const auto section_count = file.read(header + 2, 2);
  const auto optional_size = file.read(header + 16, 2);
  const std::size_t optional = header + 20;
  const auto magic = file.read(optional, 2);
  if (!section_count || !optional_size || !magic) return std::nullopt;
  // The data directories start later in the 64-bit optional header.
  const std::size_t directories = optional + (*magic == 0x20B ? 112 : 96);
  const auto import_rva = file.read(directories + 8, 4);  // directory 1: imports
  if (!import_rva) return std::nullopt;

  std::vector<Section> sections;
  for (std::uint32_t i = 0; i < *section_count; ++i) {
    const std::size_t entry = optional + *optional_size + i * 40;
    const auto size = file.read(entry + 8, 4);
    const auto address = file.read(entry + 12, 4);
    const auto raw = file.read(entry + 20, 4);
    if (!size || !address || !raw) return std::nullopt;
    sections.push_back({*address, *size, *raw});
  }
  auto file_offset = [&](std::uint32_t rva) -> std::optional<std::size_t> {
    for (const Section& s : sections) {
      if (rva >= s.virtual_address && rva < s.virtual_address + s.virtual_size) {
        return std::size_t{rva} - s.virtual_address + s.raw_offset;
      }
    }
    return std::nullopt;
  };

  std::vector<std::string> dlls;
  const auto table = file_offset(*import_rva);
  if (!table) return *import_rva == 0 ? std::optional(dlls) : std::nullopt;
  for (std::size_t entry = *table;; entry += 20) {  // one descriptor each, a zero one last
    const auto name_rva = file.read(entry + 12, 4);
    if (!name_rva) return std::nullopt;
    if (*name_rva == 0) break;
    const auto name_offset = file_offset(*name_rva);
    const auto name = name_offset ? file.c_string(*name_offset) : std::nullopt;
    if (!name) return std::nullopt;
    dlls.push_back(*name);
  }
  return dlls;
}
