// Fuzzes the project-file reader: decoding, the eighteen lines, and what a read copies.
// A file that reads must write back to text that reads to the same slots.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/project_file.h"

using namespace traxen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string text;
  if (DecodeProjectFile(bytes, "fuzz.trx", text)) return 0;
  ProjectFileSlots slots;
  if (ParseProjectFile(text, "fuzz.trx", slots)) return 0;

  Job job;
  ReportInputs working;
  int last_dialog = 0;
  ApplyProjectFile(slots, job, working, last_dialog);

  // Write, encode, decode and read again: the same text must come out.
  const std::string written = FormatProjectFile(slots);
  std::string decoded;
  if (DecodeProjectFile(EncodeProjectFile(written), "again.trx", decoded)) std::abort();
  if (decoded != written) std::abort();
  ProjectFileSlots again;
  if (ParseProjectFile(decoded, "again.trx", again)) std::abort();
  if (FormatProjectFile(again) != written) std::abort();
  return 0;
}
