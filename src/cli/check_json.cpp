// Serialising check summaries straight into text: a batch of thousands of jobs spends no
// time on building and re-indenting a document tree per job.
#include "cli/check_json.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

#include "base/utf8.h"

namespace traxen {

namespace {

// Text in nlohmann's pretty layout (dump with an indent of 2), starting `depth` levels deep,
// appended to `out`. The writer copies each piece through a cursor into room it keeps ahead
// in `out` and trims `out` to the text when it goes: the sixty-odd small pieces of a summary
// then cost little more than their bytes.
class PrettyJson {
 public:
  PrettyJson(std::string& out, int depth) : out_(out), used_(out.size()), depth_(depth) {}
  ~PrettyJson() { out_.resize(used_); }
  PrettyJson(const PrettyJson&) = delete;
  PrettyJson& operator=(const PrettyJson&) = delete;

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }

  // The writer's own names, plain ASCII with nothing to escape; as literals their copies
  // take no call.
  template <std::size_t N>
  void Key(const char (&name)[N]) {
    const std::string_view key(name, N - 1);
    const std::string_view line = Item();
    char* at = Room(line.size() + key.size() + 4);
    at = Copy(at, line);
    *at++ = '"';
    at = Copy(at, key);
    at = Copy(at, "\": ");
    used_ = static_cast<std::size_t>(at - out_.data());
    after_key_ = true;
  }
  void String(std::string_view s) {
    Place();
    AppendString(s);
  }
  void Integer(int v) {
    Place();
    const fmt::format_int text(v);
    Put({text.data(), text.size()});
  }
  void Bool(bool v) {
    Place();
    Put(v ? "true" : "false");
  }
  // A number that is not finite is null, as JSON has no other way to say it.
  void Number(std::optional<double> v) {
    Place();
    if (!v || !std::isfinite(*v)) {
      Put("null");
      return;
    }
    // nlohmann's own shortest round-trip digits, so that every number reads as a dump of the
    // same value would write it ("52.0", "1e-05").
    char* at = Room(kNumberRoom);
    used_ = static_cast<std::size_t>(nlohmann::detail::to_chars(at, at + kNumberRoom, *v) - out_.data());
  }

 private:
  static constexpr int kMaxLevels = 8;  // a summary nests three levels in a document of two
  static constexpr std::size_t kNumberRoom = 64;

  void Open(char bracket) {
    Place();
    Put(std::string_view(&bracket, 1));
    items_[levels_++] = 0;
  }
  void Close(char bracket) {
    const bool empty = items_[--levels_] == 0;
    if (!empty) Put(LineBreak().substr(1));
    Put(std::string_view(&bracket, 1));
  }
  // Before a value: nothing after its key, a new line in an array.
  void Place() {
    if (after_key_) after_key_ = false;
    else if (levels_ > 0) Put(Item());
  }
  // The line break that starts a member of the open object or array, with the comma after
  // the member before.
  std::string_view Item() { return LineBreak().substr(items_[levels_ - 1]++ > 0 ? 0 : 1); }
  // ",\n" and the indent of the current level.
  std::string_view LineBreak() const {
    static constexpr std::string_view kBreak = ",\n                                        ";
    return kBreak.substr(0, 2 + static_cast<std::size_t>(2 * (depth_ + levels_)));
  }
  // Printable ASCII and well-formed UTF-8 stand as they are; anything to escape or replace
  // goes through nlohmann, which the output must match byte for byte.
  void AppendString(std::string_view s) {
    unsigned char any = 0;  // a control character, quote or backslash leaves its mark here
    unsigned char high = 0;
    for (const char c : s) {
      const auto byte = static_cast<unsigned char>(c);
      any |= kEscaped[byte];
      high |= byte;
    }
    if (!any && (high < 0x80 || IsValidUtf8(s))) {
      char* at = Room(s.size() + 2);
      *at++ = '"';
      at = Copy(at, s);
      *at++ = '"';
      used_ = static_cast<std::size_t>(at - out_.data());
      return;
    }
    Put(nlohmann::ordered_json(std::string(s)).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
  }
  static constexpr std::array<unsigned char, 256> kEscaped = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 0x20; ++c) t[static_cast<std::size_t>(c)] = 1;
    t['"'] = t['\\'] = 1;
    return t;
  }();

  // Room for `n` more bytes at the cursor.
  char* Room(std::size_t n) {
    if (out_.size() - used_ < n) out_.resize(std::max(2 * out_.size(), used_ + n + 1024));
    return out_.data() + used_;
  }
  static char* Copy(char* at, std::string_view s) {
    std::memcpy(at, s.data(), s.size());
    return at + s.size();
  }
  void Put(std::string_view s) { used_ = static_cast<std::size_t>(Copy(Room(s.size()), s) - out_.data()); }

  std::string& out_;
  std::size_t used_;  // the text's end in `out_`; what follows is room
  int depth_;
  std::array<int, kMaxLevels> items_{};  // per open object or array: the members written so far
  int levels_ = 0;
  bool after_key_ = false;
};

}  // namespace

void CheckJsonDocument::Begin(std::string& out) {
  {
    PrettyJson j(out, 0);
    j.BeginObject();
    j.Key("units");
    j.BeginObject();
    j.Key("N_Ed");
    j.String("kN, absolute value of the design force");
    j.Key("N_Rd");
    j.String("kN");
    j.Key("utilisation");
    j.String("N_Ed / N_Rd, 1 = fully used");
    j.Key("g");
    j.String("mm");
    j.Key("p");
    j.String("mm");
    j.Key("lambda_ov");
    j.String("%");
    j.Key("a_min");
    j.String("mm, throat thickness of the full-strength fillet weld of the brace");
    j.EndObject();
  }
  out += ",\n  \"jobs\": [";
}

void CheckJsonDocument::Job(std::string& out, const std::string& job_path, const CheckSummary& s) {
  out += count_++ ? ",\n    " : "\n    ";
  PrettyJson j(out, 2);
  j.BeginObject();
  j.Key("job");
  j.String(job_path);
  j.Key("family");
  j.String(s.family);
  j.Key("report");
  j.String(s.report);
  j.Key("title");
  j.String(s.title);
  j.Key("g");
  j.Number(s.g);
  j.Key("p");
  j.Number(s.p);
  j.Key("lambda_ov");
  j.Number(s.lambda_ov);
  j.Key("valid");
  j.Bool(s.valid);
  j.Key("failed_conditions");
  j.Integer(s.failed_conditions);
  j.Key("failed_condition_names");
  j.BeginArray();
  for (const std::string& name : s.failed_condition_names) j.String(name);
  j.EndArray();
  j.Key("verdicts");
  j.BeginArray();
  for (const ResistanceVerdict& v : s.verdicts) {
    j.BeginObject();
    j.Key("brace");
    j.Integer(v.brace);
    j.Key("mode");
    j.String(v.mode);
    j.Key("N_Rd");
    j.Number(v.N_Rd);
    j.Key("N_Ed");
    j.Number(v.N_Ed);
    j.Key("utilisation");
    j.Number(Utilisation(v));
    j.Key("mode_name");
    j.String(ModeName(s, v));
    j.Key("passed");
    j.Bool(v.passed);
    j.EndObject();
  }
  j.EndArray();
  j.Key("welds");
  j.BeginArray();
  for (const WeldSummary& w : s.welds) {
    j.BeginObject();
    j.Key("brace");
    j.Integer(w.brace);
    j.Key("beta_w");
    j.Number(w.beta_w);
    j.Key("a_over_t");
    j.Number(w.a_over_t);
    j.Key("a_min");
    j.Number(w.a_min);
    j.EndObject();
  }
  j.EndArray();
  j.Key("passed");
  j.Bool(s.passed());
  j.EndObject();
}

void CheckJsonDocument::End(std::string& out) { out += count_ ? "\n  ]\n}\n" : "]\n}\n"; }

}  // namespace traxen
