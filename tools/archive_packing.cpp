#include "archive_packing.h"

#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

#include "archive_writer.h"
#include "byte_codec.h"
#include "file_io.h"
#include "install_procedure.h"
#include "record_name.h"
#include "target_path.h"
#include "text_encoding.h"

namespace {

std::string quoted(const NativeString& path) { return "“" + utf8_from_native(path) + "”"; }

// The record name for a file: its base name in code page 936, judged as the installer
// will judge it. Returns an error message, or empty.
std::string record_name_for(const NativeString& file, std::string& cp936) {
  const NativeString base = file_name_part(file);
  const std::optional<std::string> converted = cp936_from_native(base);
  if (!converted) return "文件名" + quoted(base) + "无法转换为简体中文编码 (代码页 936)";
  if (converted->size() > kMaxNameBytes) {
    return "文件名" + quoted(base) + "太长: 代码页 936 下最多 17 个字节";
  }
  if (judge_record_name(*converted).problem != NameProblem::kNone) {
    return "文件名" + quoted(base) + "不能用作安装文件名";
  }
  cp936 = *converted;
  return {};
}

// Appends one file as a record. Returns an error message, or empty.
std::string append_file(std::FILE* out, const NativeString& path) {
  std::string name;
  if (std::string error = record_name_for(path, name); !error.empty()) return error;

  std::FILE* in = open_file(path, "rb");
  if (in == nullptr) return "无法打开文件" + quoted(path);
  const std::optional<std::uint64_t> size = file_size(in);
  if (!size || *size > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
    std::fclose(in);
    return size ? "文件" + quoted(path) + "太大: 每个文件须小于 2 GiB"
                : "文件" + quoted(path) + "不是普通文件";
  }

  const RecordHeader header = encode_record_header(name, static_cast<std::int32_t>(*size));
  bool ok = std::fwrite(header.data(), 1, header.size(), out) == header.size();
  std::vector<std::uint8_t> buffer(kCopyBufferSize);
  std::uint64_t copied = 0;
  while (ok) {
    const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), in);
    if (count == 0) break;
    encode_in_place(buffer.data(), count);
    ok = std::fwrite(buffer.data(), 1, count, out) == count;
    copied += count;
  }
  const bool read_ok = !std::ferror(in) && copied == *size;
  std::fclose(in);
  if (!read_ok) return "读取文件" + quoted(path) + "出错, 或文件在打包时被改动";
  if (!ok) return "写入安装文件失败, 磁盘可能已满";
  return {};
}

}  // namespace

PackResult pack_archive(const NativeString& archive, const std::vector<NativeString>& files) {
  const NativeString temporary = archive + NATIVE_TEXT(".part");
  std::FILE* out = open_file(temporary, "wb");
  if (out == nullptr) return {"无法建立文件" + quoted(temporary)};

  std::string error;
  for (const NativeString& file : files) {
    error = append_file(out, file);
    if (!error.empty()) break;
  }
  if (std::fclose(out) != 0 && error.empty()) error = "写入安装文件失败, 磁盘可能已满";
  if (error.empty() && !replace_file(temporary, archive)) {
    error = "无法把" + quoted(temporary) + "改名为" + quoted(archive);
  }
  if (!error.empty()) remove_path(temporary);
  return {error};
}
