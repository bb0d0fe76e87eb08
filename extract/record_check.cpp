#include "record_check.h"

RecordVerdict check_record(const ArchiveRecord& record) {
  RecordVerdict verdict;
  if (!record.length_complete) {
    verdict.damage = ArchiveDamage::kLengthCut;
    return verdict;
  }
  if (record.name_terminated) {
    verdict.name = judge_record_name(record.name);
  } else {
    verdict.name.problem = NameProblem::kUnterminated;
  }
  if (verdict.name.problem != NameProblem::kNone) verdict.damage = ArchiveDamage::kBadName;
  return verdict;
}
