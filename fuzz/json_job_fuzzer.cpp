// Fuzzes the JSON job reader, then the derivations a JSON job gets and writing it back; and
// holds the quick pass over job files to nlohmann's parser wherever the quick pass reads.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "model/confirm_job.h"
#include "model/json_job.h"
#include "model/quick_json_sax.h"

using namespace traxen;

namespace {

using Json = nlohmann::json;

// Every event with its value; a double by its bytes.
struct Recorder : nlohmann::json_sax<Json> {
  std::vector<std::string> events;
  bool Add(char kind, const void* value = nullptr, std::size_t size = 0) {
    std::string e(1, kind);
    if (value) e.append(static_cast<const char*>(value), size);
    events.push_back(std::move(e));
    return true;
  }
  bool null() override { return Add('n'); }
  bool boolean(bool v) override { return Add(v ? 't' : 'f'); }
  bool number_integer(number_integer_t v) override { return Add('i', &v, sizeof v); }
  bool number_unsigned(number_unsigned_t v) override { return Add('u', &v, sizeof v); }
  bool number_float(number_float_t v, const string_t&) override { return Add('d', &v, sizeof v); }
  bool string(string_t& v) override { return Add('s', v.data(), v.size()); }
  bool binary(binary_t&) override { return Add('b'); }
  bool start_object(std::size_t) override { return Add('{'); }
  bool key(string_t& k) override { return Add('k', k.data(), k.size()); }
  bool end_object() override { return Add('}'); }
  bool start_array(std::size_t) override { return Add('['); }
  bool end_array() override { return Add(']'); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Recorder quick, full;
  if (QuickSaxParse(text, quick) && (!Json::sax_parse(text, &full) || quick.events != full.events)) std::abort();

  JsonJob parsed;
  if (ReadJsonJob(text, "fuzz.json", parsed)) return 0;  // parsed and checked as the programs read it
  ConfirmJsonJob(parsed.job, parsed.present);
  (void)WriteJsonJob(parsed.job);
  return 0;
}
