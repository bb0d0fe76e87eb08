#include "record_check.h"

RecordVerdict check_record(const ArchiveRecord& record) {
  RecordVerdict verdict;
  if (record.name_terminated) {
    verdict.name = judge_record_name(record.name);
  } else {
    verdict.name.problem = NameProblem::kUnterminated;
  }
  // A cut length field is named first: nothing after it can be trusted.
  if (!record.length_complete) {
    verdict.damage = ArchiveDamage::kLengthCut;
  } else if (verdict.name.problem != NameProblem::kNone) {
    verdict.damage = ArchiveDamage::kBadName;
  }
  return verdict;
}
