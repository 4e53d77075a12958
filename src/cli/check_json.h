// The JSON form of the check summaries, as `traxen-cli check --json` prints it.
#pragma once

#include <string>

#include "report/check_summary.h"

namespace traxen {

// The whole document: the units once, then every job's summary. Each piece is appended to
// `out` as its job is checked, so that a batch of any size needs the memory of one job; the
// bytes are those of the whole document pretty-printed at once (2 blanks a level, non-ASCII
// text as UTF-8, non-finite numbers as null, a byte that is not UTF-8 as U+FFFD).
class CheckJsonDocument {
 public:
  void Begin(std::string& out);
  // Per verdict also the utilisation and the mode in words.
  void Job(std::string& out, const std::string& job_path, const CheckSummary& s);
  void End(std::string& out);

 private:
  int count_ = 0;
};

}  // namespace traxen
