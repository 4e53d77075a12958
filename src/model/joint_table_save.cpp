// Writing a joint table back.
#include "model/joint_table_save.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <variant>

#include "model/csv_table.h"
#include "model/job_family.h"
#include "model/job_fields.h"
#include "model/job_file.h"
#include "model/json_job.h"
#include "model/json_job_keys.h"

namespace traxen {

namespace {

using json = nlohmann::json;

// Values the reading of a row derives from others (see ConfirmJsonJob): written only when the
// job would read back otherwise without them.
bool Derivable(std::string_view group, std::string_view key) {
  if (group == "chord") return true;
  if (key.ends_with("_class") || key.starts_with("fy_class")) return true;
  const JobFamilyInfo* family = FindJobFamily(group);
  return family && family->derived(key);
}

// Every field but the internal arrays equal.
bool SameTableJob(Job a, Job b) {
  std::vector<JobFieldRef> right;
  ForEachJobField(b, [&](const JobField& f) { right.push_back(f.ref); });
  bool same = true;
  std::size_t i = 0;
  ForEachJobField(a, [&](const JobField& f) {
    const JobFieldRef& r = right[i++];
    std::visit(
        [&](auto* x) {
          using T = std::remove_pointer_t<decltype(x)>;
          if constexpr (std::is_same_v<T, double> || std::is_same_v<T, int> || std::is_same_v<T, std::string>)
            same = same && *x == *std::get<T*>(r);
        },
        f.ref);
  });
  return same;
}

bool ReadsBackAs(const json& candidate, const Job& job, Job* read = nullptr) {
  LoadedJob loaded;
  if (LoadJsonJobText(candidate.dump(), "table row", loaded)) return false;
  if (read) *read = loaded.job;
  return SameTableJob(loaded.job, job);
}

// RFC 4180 quoting only: the cells come from a table and already are what they should be.
std::string Quoted(const std::string& cell) {
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  std::string out = "\"";
  for (char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

// A semicolon table's decimal comma ("1,5") as a point, for the comma table it is written to.
std::string CommaTableCell(std::string cell, char original_separator) {
  if (original_separator != ';' || cell.find('.') != std::string::npos ||
      std::count(cell.begin(), cell.end(), ',') != 1)
    return cell;
  std::string pointed = cell;
  std::replace(pointed.begin(), pointed.end(), ',', '.');
  std::string_view s = pointed;
  if (s.starts_with('+') || s.starts_with('-')) s.remove_prefix(1);
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && end == s.data() + s.size() && !s.empty() ? pointed : cell;
}

std::string Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

}  // namespace

std::string TableJobJson(const Job& job) {
  const json full = json::parse(WriteJsonJob(job));
  const json defaults = json::parse(WriteJsonJob(Job{}));
  const JobFamilyInfo* info = FamilyOf(job);
  const std::string_view family = info ? info->group : std::string_view();
  std::set<std::string, std::less<>> required;
  if (!family.empty())
    for (std::string_view key : RequiredKeys(family)) required.emplace(key);
  json all = json::object(), lean = json::object();
  for (const auto& [group, fields] : full.items())
    for (const auto& [key, value] : fields.items()) {
      if (value.is_array()) continue;
      // The family flags say which group the row fills, and a job must give its family's
      // sizes and actions even where they equal a new job's: always written.
      const bool needed = group == "family" || required.contains(group + "." + key);
      if (!needed && value == defaults[group][key]) continue;
      all[group][key] = value;
      if (needed || !Derivable(group, key)) lean[group][key] = value;
    }
  // A derived value that reading would derive otherwise (a chord area given from a table of
  // hot-finished sections) is written after all.
  Job read;
  if (!ReadsBackAs(lean, job, &read)) {
    const json derived = json::parse(WriteJsonJob(read));
    for (const auto& [group, fields] : all.items())
      for (const auto& [key, value] : fields.items())
        if (derived[group][key] != value) lean[group][key] = value;
  }
  return (ReadsBackAs(lean, job) ? lean : all).dump(2) + "\n";
}

std::string WriteJointTableKeepingRows(const std::vector<SavedRow>& rows, std::string_view original,
                                       const std::string& original_name, std::string& error) {
  std::vector<TableJob> jobs;
  for (const SavedRow& r : rows)
    if (r.kept_row == 0) jobs.push_back(r.job);
  const std::string written = WriteJointTable(jobs, error);
  if (!error.empty()) return {};
  const CsvTable fresh = ReadCsvTable(written);
  std::vector<std::string> columns = fresh.records.front().cells;

  const CsvTable old = ReadCsvTable(original);
  std::map<int, const CsvRecord*> old_rows;
  for (const CsvRecord& r : old.records) old_rows[r.row] = &r;
  std::vector<std::string> old_header;
  if (!old.records.empty() && old.records.front().row == 1)
    for (const std::string& cell : old.records.front().cells) old_header.push_back(Trimmed(cell));

  // A kept row's cells by the new table's column.
  std::vector<std::map<std::size_t, std::string>> kept;
  for (const SavedRow& r : rows) {
    if (r.kept_row == 0) continue;
    const auto it = old_rows.find(r.kept_row);
    if (r.kept_row == 1 || it == old_rows.end()) {
      error = fmt::format("{} row {}: not in the table as read", original_name, r.kept_row);
      return {};
    }
    std::map<std::size_t, std::string> cells;
    const std::vector<std::string>& old_cells = it->second->cells;
    for (std::size_t i = 0; i < old_cells.size(); ++i) {
      if (Trimmed(old_cells[i]).empty()) continue;
      if (i >= old_header.size() || old_header[i].empty()) {
        error = fmt::format("{} row {}, cell {}: it has no column, so the row cannot be written back; correct it in "
                            "the table itself",
                            original_name, r.kept_row, i + 1);
        return {};
      }
      auto at = std::find(columns.begin(), columns.end(), old_header[i]);
      if (at == columns.end()) at = columns.insert(columns.end(), old_header[i]);
      cells[static_cast<std::size_t>(at - columns.begin())] = CommaTableCell(old_cells[i], old.separator);
    }
    kept.push_back(std::move(cells));
  }

  auto line = [&](auto cell_at) {
    std::string text;
    for (std::size_t c = 0; c < columns.size(); ++c) text += (c ? "," : "") + Quoted(cell_at(c));
    return text + "\r\n";
  };
  std::string text = line([&](std::size_t c) { return columns[c]; });
  std::size_t next_job = 1, next_kept = 0;
  for (const SavedRow& r : rows) {
    if (r.kept_row == 0) {
      const std::vector<std::string>& cells = fresh.records[next_job++].cells;
      text += line([&](std::size_t c) { return c < cells.size() ? cells[c] : std::string(); });
    } else {
      const std::map<std::size_t, std::string>& cells = kept[next_kept++];
      text += line([&](std::size_t c) {
        const auto it = cells.find(c);
        return it == cells.end() ? std::string() : it->second;
      });
    }
  }
  return text;
}

}  // namespace traxen
