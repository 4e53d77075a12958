// Joint tables: rows to JSON jobs, JSON jobs to rows.
#include "model/joint_table.h"

#include "model/job_family.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <span>

#include "model/csv_table.h"
#include "model/job_family.h"
#include "model/job_fields.h"
#include "model/job_file.h"
#include "model/json_job_keys.h"
#include "sections/section_library.h"

namespace traxen {

namespace {

using ordered_json = nlohmann::ordered_json;

constexpr std::string_view kJointColumn = "joint";
constexpr std::string_view kFamilyColumn = "family";
constexpr std::string_view kSectionColumns[] = {"chord", "brace1", "brace2"};

enum class CellType { kNumber, kInteger, kText };

// The type of every key a table may hold, from the Job record's own fields; the internal
// arrays are not table columns.
const std::map<std::string, CellType, std::less<>>& ColumnTypes() {
  static const auto types = [] {
    std::map<std::string, CellType, std::less<>> t;
    Job job;
    ForEachJobField(job, [&](const JobField& f) {
      const std::string key = fmt::format("{}.{}", f.group, f.key);
      if (std::holds_alternative<double*>(f.ref)) t[key] = CellType::kNumber;
      if (std::holds_alternative<int*>(f.ref)) t[key] = CellType::kInteger;
      if (std::holds_alternative<std::string*>(f.ref)) t[key] = CellType::kText;
    });
    return t;
  }();
  return types;
}

bool IsSectionColumn(std::string_view name) {
  return std::find(std::begin(kSectionColumns), std::end(kSectionColumns), name) != std::end(kSectionColumns);
}

std::string Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

// A number as a spreadsheet writes it; with a semicolon separator a decimal comma is a
// decimal point. The whole cell must be the number.
std::optional<double> CellNumber(std::string text, char separator) {
  if (separator == ';' && text.find('.') == std::string::npos && std::count(text.begin(), text.end(), ',') == 1)
    std::replace(text.begin(), text.end(), ',', '.');
  std::string_view s = text;
  if (s.starts_with('+')) s.remove_prefix(1);
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty() || !std::isfinite(v)) return std::nullopt;
  return v;
}

// "160x160x8", "160 × 160 × 8" and "160X160X8" name the same section, as "Ø88.9x5" and
// "88.9x5" name the same tube.
std::string SectionKey(std::string_view name) {
  std::string key;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name.substr(i).starts_with("\xC3\x97")) {  // ×
      key += 'x';
      ++i;
    } else if (name.substr(i).starts_with("\xC3\x98") || name.substr(i).starts_with("\xC3\xB8")) {  // Ø, ø
      ++i;
    } else if (name[i] == 'X') {
      key += 'x';
    } else if (name[i] == ',') {
      key += '.';
    } else if (name[i] != ' ' && name[i] != '\t') {
      key += name[i];
    }
  }
  return key;
}

// Looks a hollow section of the family's tube shape up by its designation: a square or
// rectangular one, or a circular one of the round tube table.
std::string FindHollowSection(const SectionLibrary& library, std::string_view name, bool round_tubes,
                              SectionProperties& found) {
  const std::string wanted = SectionKey(name);
  static constexpr std::string_view kRectangular[] = {"RUUTTORU", "RISTTORU_I", "RISTTORU_II"};
  static constexpr std::string_view kRound[] = {"YMARTORU"};
  const std::span<const std::string_view> types =
      round_tubes ? std::span<const std::string_view>(kRound) : std::span<const std::string_view>(kRectangular);
  for (std::string_view type : types) {
    SectionTable table;
    if (library.ReadTable(type, table)) continue;  // a missing type file: look in the others
    for (const SectionProperties& row : table)
      if (SectionKey(row.name) == wanted) {
        found = row;
        return {};
      }
  }
  return fmt::format("no {} hollow section \"{}\" in the section library ({})",
                     round_tubes ? "circular" : "square or rectangular", name, library.dir());
}

// "tyx, x and kn": the names the family column takes, for its error message.
std::string FamilyNameList() {
  const std::vector<std::string_view> names = FamilyNames();
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i)
    list += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + std::string(names[i]);
  return list;
}

class RowReader {
 public:
  RowReader(const std::vector<std::string>& header, char separator, const std::string& file, JobLibrary& library)
      : header_(header), separator_(separator), file_(file), library_(library) {}

  JointRow Read(const CsvRecord& record) {
    JointRow out;
    out.row = record.row;
    if (record.cells.size() > header_.size()) {
      out.error = fmt::format("{} row {}: {} cells, the header has {} columns", file_, record.row,
                              record.cells.size(), header_.size());
      return out;
    }
    auto cell = [&](std::size_t i) { return i < record.cells.size() ? Trimmed(record.cells[i]) : std::string(); };
    for (std::size_t i = 0; i < header_.size(); ++i)
      if (header_[i] == kJointColumn) out.joint = cell(i);
    const std::string where = fmt::format("{} row {}", file_, record.row);
    auto fail = [&](std::string_view column, const std::string& reason) {
      out.error = fmt::format("{}, column {}: {}", where, column, reason);
      return out;
    };

    // The family first: it says which group the section names fill.
    const JobFamilyInfo* family = nullptr;
    ordered_json job;
    for (std::size_t i = 0; i < header_.size(); ++i) {
      if (header_[i] != kFamilyColumn || cell(i).empty()) continue;
      bool variant = false;
      family = FindFamilyName(cell(i), &variant);
      if (!family)
        return fail(kFamilyColumn, fmt::format("unknown family \"{}\"; the families are {}", cell(i), FamilyNameList()));
      for (const JobFamilyInfo& f : JobFamilies()) job["family"][std::string(f.flag)] = f.id == family->id ? 1 : 0;
      if (variant) job[std::string(family->group)][std::string(family->variant_flag)] = 1;
    }

    for (std::size_t i = 0; i < header_.size(); ++i) {
      const std::string& column = header_[i];
      const std::string text = cell(i);
      if (text.empty() || column == kJointColumn || column == kFamilyColumn || IsSectionColumn(column)) continue;
      const auto dot = column.find('.');
      const std::string group = column.substr(0, dot), key = column.substr(dot + 1);
      if (family && (group == "family" || (!family->variant_flag.empty() && group == family->group &&
                                           key == family->variant_flag)))
        return fail(column, "the family column already sets it; leave one of them empty");
      switch (ColumnTypes().find(column)->second) {
        case CellType::kText: job[group][key] = text; break;
        case CellType::kNumber: {
          const std::optional<double> v = CellNumber(text, separator_);
          if (!v) return fail(column, fmt::format("\"{}\" is not a number", text));
          job[group][key] = *v;
          break;
        }
        case CellType::kInteger: {
          const std::optional<double> v = CellNumber(text, separator_);
          if (!v || *v != std::trunc(*v) || std::fabs(*v) > 1e9)
            return fail(column, fmt::format("\"{}\" is not a whole number", text));
          job[group][key] = static_cast<int>(*v);
          break;
        }
      }
    }

    for (std::size_t i = 0; i < header_.size(); ++i) {
      const std::string& column = header_[i];
      const std::string text = cell(i);
      if (!IsSectionColumn(column) || text.empty()) continue;
      if (!family)
        return fail(column, fmt::format("a section by name needs the family column ({})", FamilyNameList()));
      const int member = column == "chord" ? 0 : column == "brace1" ? 1 : 2;
      if (member == 2 && family->members(Job{}).size() < 3)
        return fail(column, fmt::format("a {} joint has one brace section (brace 2 is the same as brace 1)",
                                        family->label));
      SectionProperties row;
      const SectionLibrary* library = nullptr;
      if (LoadError e = library_.Get(file_, library)) return fail(column, e.message);
      // A family may join a rectangular chord to circular braces: each member has its shape.
      const bool round = family->round_tubes || family->members(Job{})[static_cast<std::size_t>(member)].round;
      if (std::string e = FindHollowSection(*library, text, round, row); !e.empty())
        return fail(column, e);
      // A circular tube is its diameter (the table's h) and wall; a rectangular one h, b and t.
      const char* names[3] = {round ? "d" : "h", round ? "t" : "b", "t"};
      const double values[3] = {row.h, round ? row.t : row.b, row.t};
      for (int k = 0; k < (round ? 2 : 3); ++k) {
        const std::string key = fmt::format("{}{}", names[k], member);
        if (job.contains(std::string(family->group)) && job[std::string(family->group)].contains(key))
          return fail(column, fmt::format("{}.{} is given too; leave one of them empty", family->group, key));
        job[std::string(family->group)][key] = values[k];
      }
    }

    if (!out.joint.empty() && !(job.contains("info") && job["info"].contains("job_name")))
      job["info"]["job_name"] = out.joint;
    out.json = job.dump(2) + "\n";
    return out;
  }

 private:
  const std::vector<std::string>& header_;
  char separator_;
  const std::string& file_;
  JobLibrary& library_;
};

// The header's problem, "" when every column is known and none repeats.
std::string HeaderError(const std::vector<std::string>& header, const std::string& file) {
  std::set<std::string, std::less<>> seen;
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string& column = header[i];
    if (column.empty()) return fmt::format("{} row 1, column {}: the header cell is empty", file, i + 1);
    if (!seen.insert(column).second) return fmt::format("{} row 1: column \"{}\" appears twice", file, column);
    if (column == kJointColumn || column == kFamilyColumn || IsSectionColumn(column)) continue;
    if (ColumnTypes().contains(column)) continue;
    const std::string nearest = NearestJobKey(column);
    return fmt::format("{} row 1: unknown column \"{}\"{}; a column is joint, family, chord, brace1, brace2 or a "
                       "key that traxen-cli keys lists",
                       file, column, nearest.empty() ? "" : fmt::format(" (did you mean \"{}\"?)", nearest));
  }
  return {};
}

std::string FamilyOf(const ordered_json& job) {
  auto flag = [&](const char* group, const char* key) {
    return job.contains(group) && job[group].is_object() && job[group].contains(key) &&
           job[group][key].is_number() && job[group][key].get<double>() == 1;
  };
  for (const JobFamilyInfo& f : JobFamilies()) {
    const std::string group(f.group);
    if (!flag("family", std::string(f.flag).c_str())) continue;
    if (!f.variant.empty() && flag(group.c_str(), std::string(f.variant_flag).c_str())) return std::string(f.variant);
    return group;
  }
  return {};
}

// "family.is_tyx or family.is_kn"
std::string FamilyFlagList() {
  std::string list;
  for (const JobFamilyInfo& f : JobFamilies()) list += fmt::format("{}family.{}", list.empty() ? "" : " or ", f.flag);
  return list;
}

// A family flag, or the flag of a family's variant.
bool IsFamilyColumn(std::string_view column) {
  for (const JobFamilyInfo& f : JobFamilies()) {
    if (column == fmt::format("family.{}", f.flag)) return true;
    if (!f.variant_flag.empty() && column == fmt::format("{}.{}", f.group, f.variant_flag)) return true;
  }
  return false;
}

std::string CellText(const ordered_json& value) {
  if (value.is_string()) return CsvText(value.get<std::string>());
  return value.dump();
}

}  // namespace

std::string JointLabel(const JointRow& row) {
  return row.joint.empty() ? fmt::format("row {}", row.row) : row.joint;
}

JointTable ReadJointTable(std::string_view text, const std::string& file_name, JobLibrary& library) {
  JointTable out;
  CsvTable csv = ReadCsvTable(text);
  out.separator = csv.separator;
  if (!csv.error.empty()) {
    out.error = fmt::format("{} {}", file_name, csv.error);
    return out;
  }
  if (csv.records.empty()) {
    out.error = fmt::format("{}: the table is empty (a header row of job keys comes first)", file_name);
    return out;
  }
  std::vector<std::string> header;
  for (const std::string& cell : csv.records.front().cells) header.push_back(Trimmed(cell));
  if (csv.records.front().row != 1) {
    out.error = fmt::format("{}: the header must be the first row", file_name);
    return out;
  }
  if (std::string e = HeaderError(header, file_name); !e.empty()) {
    out.error = e;
    return out;
  }
  RowReader reader(header, csv.separator, file_name, library);
  for (std::size_t i = 1; i < csv.records.size(); ++i) out.rows.push_back(reader.Read(csv.records[i]));
  if (out.rows.empty()) out.error = fmt::format("{}: the table has a header but no joints", file_name);
  return out;
}

std::string WriteJointTable(const std::vector<TableJob>& jobs, std::string& error) {
  std::vector<ordered_json> parsed;
  std::vector<std::string> families;
  std::set<std::string, std::less<>> used;
  for (const TableJob& job : jobs) {
    ordered_json j = ordered_json::parse(job.json, nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
      error = fmt::format("{}: not a JSON job", job.file);
      return {};
    }
    families.push_back(FamilyOf(j));
    if (families.back().empty()) {
      error = fmt::format("{}: the job sets no family flag ({})", job.file, FamilyFlagList());
      return {};
    }
    for (const auto& [group, fields] : j.items()) {
      if (!fields.is_object()) continue;
      for (const auto& [key, value] : fields.items()) {
        const std::string column = group + "." + key;
        if (IsFamilyColumn(column)) continue;  // the family column says it
        if (column == "info.job_name" && value.is_string() && value.get<std::string>() == job.joint) continue;
        if (value.is_array()) continue;  // internal slots of the desktop program, never needed
        used.insert(column);
      }
    }
    parsed.push_back(std::move(j));
  }
  std::vector<std::string> columns;
  for (const JobKey& key : JobKeys())
    if (used.contains(key.name)) columns.emplace_back(key.name);

  std::string text = "joint,family";
  for (const std::string& c : columns) text += "," + c;
  text += "\r\n";
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    text += CsvText(jobs[i].joint) + "," + families[i];
    for (const std::string& c : columns) {
      const auto dot = c.find('.');
      const std::string group = c.substr(0, dot), key = c.substr(dot + 1);
      const ordered_json& j = parsed[i];
      text += ",";
      if (!j.contains(group) || !j[group].is_object() || !j[group].contains(key)) continue;
      if (c == "info.job_name" && j[group][key] == jobs[i].joint) continue;
      text += CellText(j[group][key]);
    }
    text += "\r\n";
  }
  return text;
}

std::string JointTableTemplate() {
  return "joint,family,chord,brace1,brace2,tyx.N0,tyx.M0,tyx.N1,tyx.theta1,kn.N0_left,kn.M0,kn.N1,kn.theta1,"
         "kn.theta2,kn.e,steel.fy0\r\n"
         "T1,tyx,200x200x8,120x120x6,,-271.6,2.81,-52,84.3,,,,,,,355\r\n"
         "K1,kn,160x160x8,100x100x6,100x100x5,,,,,-320,1.5,-85.5,50,45,30,355\r\n";
}

}  // namespace traxen
