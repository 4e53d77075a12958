// Reading and writing JSON jobs against the one field list of the Job record.
#include "model/json_job.h"

#include <fmt/format.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "model/job_fields.h"

namespace traxen {

namespace {

using json = nlohmann::json;

// Line and column (both from 1) of a byte offset.
std::pair<int, int> LineColumn(std::string_view text, std::size_t byte) {
  int line = 1, column = 1;
  for (std::size_t i = 0; i < byte && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      ++column;
    }
  }
  return {line, column};
}

std::string TypeError(std::string_view file, std::string_view key, std::string_view wanted,
                      const json& v) {
  return fmt::format("{}: key \"{}\": expected {}, found {}", file, key, wanted, v.type_name());
}

// Assigns one JSON value to a Job field; returns an error text or "".
struct Assign {
  const json& v;
  std::string_view file;
  std::string key;

  std::string operator()(double* d) const {
    if (!v.is_number()) return TypeError(file, key, "a number", v);
    *d = v.get<double>();
    return {};
  }
  std::string operator()(int* i) const {
    if (!v.is_number_integer()) return TypeError(file, key, "an integer", v);
    const auto n = v.get<std::int64_t>();
    if (n < INT32_MIN || n > INT32_MAX) return fmt::format("{}: key \"{}\": integer out of range", file, key);
    *i = static_cast<int>(n);
    return {};
  }
  std::string operator()(std::string* s) const {
    if (!v.is_string()) return TypeError(file, key, "a string", v);
    *s = v.get<std::string>();
    return {};
  }
  template <std::size_t N>
  std::string operator()(std::array<double, N>* a) const {
    if (!v.is_array() || v.size() != N)
      return TypeError(file, key, fmt::format("an array of {} numbers", N), v);
    for (std::size_t i = 0; i < N; ++i) {
      if (!v[i].is_number()) return TypeError(file, fmt::format("{}[{}]", key, i), "a number", v[i]);
      (*a)[i] = v[i].get<double>();
    }
    return {};
  }
};

}  // namespace

LoadError ParseJsonJob(std::string_view text, std::string_view file, JsonJob& out) {
  json root;
  try {
    root = json::parse(text.begin(), text.end());
  } catch (const json::parse_error& e) {
    const auto [line, column] = LineColumn(text, e.byte > 0 ? e.byte - 1 : 0);
    std::string what = e.what();
    // nlohmann's text repeats the position; keep only its explanation.
    if (auto pos = what.find("syntax error while parsing"); pos != std::string::npos) what = what.substr(pos);
    return {fmt::format("{}: line {}, column {}: not valid JSON: {}", file, line, column, what)};
  }
  if (!root.is_object()) return {fmt::format("{}: a job must be a JSON object, found {}", file, root.type_name())};

  JsonJob result;
  std::string error;
  for (const auto& [group, members] : root.items()) {
    bool group_known = false;
    ForEachJobField(result.job, [&](const JobField& f) { group_known = group_known || f.group == group; });
    if (!group_known) return {fmt::format("{}: unknown group \"{}\"", file, group)};
    if (!members.is_object()) return {TypeError(file, group, "an object", members)};
    for (const auto& [key, value] : members.items()) {
      bool found = false;
      ForEachJobField(result.job, [&](const JobField& f) {
        if (found || f.group != group || f.key != key) return;
        found = true;
        error = std::visit(Assign{value, file, fmt::format("{}.{}", group, key)}, f.ref);
      });
      if (!found) return {fmt::format("{}: unknown key \"{}.{}\"", file, group, key)};
      if (!error.empty()) return {error};
      result.present.insert(fmt::format("{}.{}", group, key));
    }
  }
  if (result.job.family.is_tyx == 1 && result.job.family.is_kn == 1)
    return {fmt::format("{}: key \"family\": is_tyx and is_kn are both 1; a job is of one family", file)};
  out = std::move(result);
  return {};
}

std::string WriteJsonJob(Job job) {
  json root = json::object();
  ForEachJobField(job, [&](const JobField& f) {
    json& slot = root[std::string(f.group)][std::string(f.key)];
    std::visit([&slot](auto* p) { slot = *p; }, f.ref);
  });
  return root.dump(2) + "\n";
}

}  // namespace traxen
