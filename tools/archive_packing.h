// Packs files into a setup archive. The archive appears whole or not at all: it is
// written beside its final name and renamed into place only when complete.
#pragma once

#include <string>
#include <vector>

#include "native_string.h"

struct PackResult {
  std::string error;  // UTF-8; empty on success
  bool ok() const { return error.empty(); }
};

PackResult pack_archive(const NativeString& archive, const std::vector<NativeString>& files);
