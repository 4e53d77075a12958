// Fuzzes the JSON job reader, then the derivations a JSON job gets and writing it back.
#include <cstdint>
#include <string_view>

#include "model/confirm_job.h"
#include "model/json_job.h"

using namespace traxen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  JsonJob parsed;
  if (ReadJsonJob(text, "fuzz.json", parsed)) return 0;  // parsed and checked as the programs read it
  ConfirmJsonJob(parsed.job, parsed.present);
  (void)WriteJsonJob(parsed.job);
  return 0;
}
