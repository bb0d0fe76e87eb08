// The setup archive: a plain run of records, each an 18-byte encoded name field, a
// little-endian signed 32-bit length and that many encoded data bytes. No header, no
// count, no checksum. The reader reads it once, strictly in sequence.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "native_string.h"

inline constexpr char kSetupArchiveName[] = "DUVOVAV.DAT";
inline constexpr std::size_t kNameFieldSize = 18;
inline constexpr std::size_t kLengthFieldSize = 4;

struct ArchiveRecord {
  std::string name;             // decoded, up to the first zero byte (code page 936 bytes)
  std::int32_t length = 0;      // as stored; 0 or less means the record has no data
  bool name_terminated = true;  // a zero byte ends the name inside its field
  bool length_complete = true;  // all four length bytes were there (else length is 0)
};

class SetupArchiveReader {
 public:
  SetupArchiveReader() = default;
  SetupArchiveReader(const SetupArchiveReader&) = delete;
  SetupArchiveReader& operator=(const SetupArchiveReader&) = delete;
  ~SetupArchiveReader() { close(); }

  // Opens the archive for binary reading (by default the bare name, so relative to the
  // current directory). False when it cannot be opened.
  bool open(const NativeString& path = NATIVE_TEXT("DUVOVAV.DAT"));

  // The next record header, or nullopt at the end: fewer than 18 bytes left (those are
  // ignored) or a read error (see failed()).
  std::optional<ArchiveRecord> read_header();

  // Reads the next count stored bytes into buffer and decodes them in place. False when
  // fewer than count could be read; the piece is then to be treated as unread.
  bool read_data(std::uint8_t* buffer, std::size_t count);

  // True when the system reported a read error, as opposed to the archive's end.
  bool failed() const { return file_ != nullptr && std::ferror(file_) != 0; }

  void close();

 private:
  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;  // the stream's buffer; outlives it
};
