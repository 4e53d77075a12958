// traxen-cli new, keys and convert: writing jobs to start from, the key list, and moving a
// job between the desktop program's project file and a JSON job.
#include <fmt/format.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/job_input.h"
#include "cli/language_option.h"
#include "model/job_family.h"
#include "model/job_template.h"
#include "model/atomic_file.h"
#include "model/joint_table.h"
#include "model/json_job_keys.h"
#include "model/project_file.h"
#include "model/section_positions.h"
#include "model/value_ranges.h"
#include "report/pages.h"
#include "sections/section_library.h"

namespace traxen::cli {

namespace {

bool RefuseToReplace(const std::string& path, bool force) {
  std::error_code ec;
  if (force || !std::filesystem::exists(path, ec)) return false;
  std::cerr << "traxen-cli: " << path << ": exists; --force replaces it\n";
  return true;
}

int Write(const std::string& path, const std::string& text) {
  if (LoadError e = WriteFileAtomically(path, text)) {
    std::cerr << e.message << "\n";
    return kExitError;
  }
  return kExitOk;
}

std::string RoleNote(const JobKey& key) {
  const ValueRange range = RangeOfKey(key.name);
  switch (key.role) {
    case KeyRole::kDimension: return "required, > 0";
    case KeyRole::kAction: return range == ValueRange::kAngle ? "required, in (0, 180)" : "required";
    case KeyRole::kNumber: return RangeText(range, key.unit);
    case KeyRole::kPlate: return "> 0 when its plate is used";
    case KeyRole::kOptional: return "optional, derived";
    case KeyRole::kDerived: return "derived";
    case KeyRole::kFlag: return "0 or 1";
    default: return "";
  }
}

}  // namespace

int RunNew(const NewOptions& options) {
  ReportLanguage language = ReportLanguage::kEstonian;
  if (!ChooseReportLanguage(options.lang, language)) return kExitError;
  const bool table = options.family == "table";
  std::string family = options.family;  // "chs-kn" names "chs_kn"
  std::replace(family.begin(), family.end(), '-', '_');
  // The job's texts are placeholders in the language its reports are to be read in.
  Job job = TemplateJob(family);
  job.info = ReportJobInfo(job.info, language);
  const std::string text = table ? JointTableTemplate() : TemplateJobText(job);
  if (options.out.empty()) {
    std::cout << text;
    return std::cout.flush() ? kExitOk : kExitError;
  }
  if (!HasSuffix(options.out, table ? ".csv" : ".json")) {
    std::cerr << "traxen-cli: " << options.out << (table ? ": a joint table's name ends in .csv\n" : ": a JSON job's name ends in .json\n");
    return kExitError;
  }
  if (RefuseToReplace(options.out, options.force)) return kExitError;
  return Write(options.out, text);
}

int RunKeys() {
  std::string families;  // which group each family's job must fill
  for (const JobFamilyInfo& f : JobFamilies())
    families += families.empty() ? fmt::format("A {} job (family.{} = 1) must give every 'required' key of\n{}",
                                               f.label, f.flag, f.group)
                                 : fmt::format(", a {} job (family.{} = 1) every one of {}", f.label, f.flag, f.group);
  std::string names;
  for (std::string_view name : FamilyNames()) names += (names.empty() ? "" : "|") + std::string(name);
  std::cout << "Keys of a JSON job: {\"group\": {\"key\": value, ...}, ...}. Forces are tension positive,\n"
               "compression negative. "
            << families
            << "; other keys keep the default shown.\n"
               "'derived' keys are computed from the others: a given value that differs is replaced\n"
               "(with a warning). Every number must be finite and within +-1e12; lengths and sizes\n"
               "above 0, strengths within [100, 1000] MPa, E within [150000, 250000] MPa, partial\n"
               "factors at least 1.0, angles within (0, 180) degrees.\n"
               "traxen-cli new "
            << names << " writes a complete job.\n\n";
  std::cout << fmt::format("{:<24} {:<8} {:<28} {:<14} {}\n", "key", "unit", "rule", "default", "meaning");
  std::string internal;
  for (const JobKey& key : JobKeys()) {
    if (key.role == KeyRole::kInternal) {
      internal += (internal.empty() ? "" : ", ") + std::string(key.name);
      continue;
    }
    const bool required = key.role == KeyRole::kDimension || key.role == KeyRole::kAction;
    const std::string def = required ? "-" : key.role == KeyRole::kOptional || key.role == KeyRole::kDerived
                                                 ? "(derived)"
                                                 : DefaultValueText(key.name);
    std::cout << fmt::format("{:<24} {:<8} {:<28} {:<14} {}\n", key.name, key.unit.empty() ? "-" : key.unit,
                             RoleNote(key), def, key.meaning);
  }
  std::cout << "\nAlso accepted, for project files of the desktop program, and never needed:\n" << internal << "\n";
  return std::cout.flush() ? kExitOk : kExitError;
}

int RunConvert(const ConvertOptions& options, const LibraryOptions& library_options) {
  const bool to_json = HasSuffix(options.out, ".json"), to_trx = HasSuffix(options.out, ".trx");
  const bool from_json = options.in == kStandardInput || HasSuffix(options.in, ".json");
  const bool from_trx = HasSuffix(options.in, ".trx");
  if (!(from_json && to_trx) && !(from_trx && to_json)) {
    std::cerr << "traxen-cli: convert reads a .trx and writes a .json, or reads a .json and writes a .trx\n";
    return kExitError;
  }
  if (RefuseToReplace(options.out, options.force)) return kExitError;
  if (!OutputSparesInput(options.out, options.in)) return kExitError;
  JobLibrary library(library_options.library_dir, library_options.executable_dir);
  LoadedJob loaded;
  if (LoadError e = LoadCommandJob(options.in, library, loaded)) {
    std::cerr << e.message << "\n";
    return kExitError;
  }
  if (!FamilyOf(loaded.job)) {
    std::string flags;
    for (const JobFamilyInfo& f : JobFamilies()) flags += fmt::format("{}family.{}", flags.empty() ? "" : " or ", f.flag);
    std::cerr << options.in << ": the job has no joint family (" << flags << "): nothing to convert\n";
    return kExitError;
  }
  if (to_json) return Write(options.out, CompleteJobText(loaded.job));

  const SectionLibrary* sections = nullptr;
  if (LoadError e = library.Get(options.in, sections)) {
    std::cerr << e.message << "\n";
    return kExitError;
  }
  if (std::string e = FindSectionPositions(*sections, loaded.job); !e.empty()) {
    std::cerr << options.in << ": " << e << "\n";
    return kExitError;
  }
  // Written as traxen-cli writes every file: a replaced file keeps its owner or is refused.
  std::string bytes;
  if (LoadError e = ProjectFileBytes(options.out, loaded.job, loaded.working, loaded.last_dialog, bytes)) {
    std::cerr << e.message << "\n";
    return kExitError;
  }
  return Write(options.out, bytes);
}

}  // namespace traxen::cli
