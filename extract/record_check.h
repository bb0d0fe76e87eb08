// Judges a record header before anything is created for it; shared by the install
// procedure and the packer's checks, so that both refuse the same archives.
#pragma once

#include "install_outcome.h"
#include "record_name.h"
#include "setup_archive.h"

struct RecordVerdict {
  ArchiveDamage damage = ArchiveDamage::kNone;
  JudgedName name;

  bool sound() const { return damage == ArchiveDamage::kNone; }
};

RecordVerdict check_record(const ArchiveRecord& record);
