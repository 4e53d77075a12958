// Project files keep every value the dialogs edit: the steel values the eighteen lines have
// no slot for ride on an optional tail, and every value a file's family reads must lie in
// its range.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/confirm_job.h"
#include "model/job_fields.h"
#include "model/job_file.h"
#include "model/joint_sections.h"
#include "model/json_job.h"
#include "model/json_job_keys.h"
#include "model/project_file.h"
#include "model/value_ranges.h"
#include "sections/section_library.h"
#include "sections/temp_dir.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::ReadFile;
using testing::SourcePath;
using testing::TempDir;

const std::string kLibrary = SourcePath("data/Profiilid");

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

// The job of `family` ("tyx" or "kn") as its dialog leaves it after OK: sections from the
// library, the family's derived values.
Job Confirmed(Job job, const std::string& family) {
  const SectionLibrary library(kLibrary);
  if (family == "tyx") {
    EXPECT_EQ(RestoreTyxSections(library, job), "");
    ConfirmTyx(job);
  } else {
    EXPECT_EQ(RestoreKnSections(library, job), "");
    ConfirmKn(job);
  }
  return job;
}

Job BaseJob(const std::string& family) {
  Job job;
  if (family == "tyx") {
    job.tyx.chord_number_index = 60, job.tyx.brace1_number_index = 30;
  } else {
    job.kn.chord_number_index = 79, job.kn.brace1_number_index = 42, job.kn.brace2_number_index = 28;
  }
  return Confirmed(job, family);
}

// Numeric keys of `traxen-cli keys` that a project file holds through something else, and why.
const std::map<std::string, std::string> kHeldOtherwise = {
    {"family.is_tyx", "set by confirming the joint dialog that opens after a read"},
    {"family.is_kn", "set by confirming the joint dialog that opens after a read"},
    {"chord.A0", "restored with the chord section from the library"},
    {"chord.Wel0", "restored with the chord section from the library"},
    {"tyx.h0", "the section library's, by the stored list positions"},
    {"tyx.b0", "the section library's, by the stored list positions"},
    {"tyx.t0", "the section library's, by the stored list positions"},
    {"tyx.h1", "the section library's, by the stored list positions"},
    {"tyx.b1", "the section library's, by the stored list positions"},
    {"tyx.t1", "the section library's, by the stored list positions"},
    {"tyx.h2", "a copy of brace 1"},
    {"tyx.b2", "a copy of brace 1"},
    {"tyx.t2", "a copy of brace 1"},
    {"tyx.N2", "a copy of brace 1"},
    {"tyx.theta2", "a copy of brace 1"},
    {"tyx.chord_class", "classified from the restored section"},
    {"tyx.brace_class", "classified from the restored section"},
    {"kn.h0", "the section library's, by the stored list positions"},
    {"kn.b0", "the section library's, by the stored list positions"},
    {"kn.t0", "the section library's, by the stored list positions"},
    {"kn.h1", "the section library's, by the stored list positions"},
    {"kn.b1", "the section library's, by the stored list positions"},
    {"kn.t1", "the section library's, by the stored list positions"},
    {"kn.h2", "the section library's, by the stored list positions"},
    {"kn.b2", "the section library's, by the stored list positions"},
    {"kn.t2", "the section library's, by the stored list positions"},
    {"kn.N2", "derived from equilibrium"},
    {"kn.N0_right", "derived from equilibrium"},
    {"kn.chord_class", "classified from the restored section"},
    {"kn.brace1_class", "classified from the restored section"},
    {"kn.brace2_class", "classified from the restored section"},
};

// Keys a file of one family does not hold at all, and why.
bool NotInFamilyFile(const std::string& key, const std::string& family) {
  const std::string group = key.substr(0, key.find('.'));
  if ((group == "tyx" || group == "kn") && group != family) return true;  // the other dialog's fields
  // Circular joints, and circular braces on a rectangular chord, are never written to a project file.
  if (group == "chs_tyx" || group == "chs_kn" || key.starts_with("family.is_chs_")) return true;
  if (group == "rc_tyx" || group == "rc_kn" || key.starts_with("family.is_rc_")) return true;
  // The T/Y/X dialog has no plate between the braces: a T/Y/X file writes zeros for it.
  return family == "tyx" && key.starts_with("plate.overlap_");
}

// A value other than `v` that lies in the range of `key`.
double OtherValue(const std::string& key, double v) {
  switch (RangeOfKey(key)) {
    case ValueRange::kAngle: return v == 60.5 ? 70.25 : 60.5;
    case ValueRange::kPartialFactor: return v + 0.15;
    case ValueRange::kPositive: return v * 1.25 + 0.5;
    case ValueRange::kStrength: return v + 10.5;
    case ValueRange::kElasticModulus: return v - 5000.25;
    case ValueRange::kAnyFinite: return v - 12.5;
  }
  return v;
}

// Sets `key` of `job` to another value in its range; false when the key is no number.
bool ChangeKey(Job& job, const std::string& key) {
  bool changed = false;
  ForEachJobField(job, [&](const JobField& f) {
    if (key != std::string(f.group) + "." + std::string(f.key)) return;
    if (double* const* d = std::get_if<double*>(&f.ref)) **d = OtherValue(key, **d), changed = true;
    if (int* const* i = std::get_if<int*>(&f.ref)) **i = 1 - **i, changed = true;  // flags
  });
  return changed;
}

TEST(ProjectFileValues, EveryValueTheDialogsEditSurvivesSaveAndOpen) {
  for (const auto& [key, reason] : kHeldOtherwise) EXPECT_NE(FindJobKey(key), nullptr) << key;
  TempDir dir;
  for (const std::string family : {"tyx", "kn"}) {
    const Job base = BaseJob(family);
    int round_trips = 0;
    for (const JobKey& k : JobKeys()) {
      const std::string key(k.name);
      // Internal keys are no dialog's field; texts have their own tests.
      if (k.role == KeyRole::kInternal || k.role == KeyRole::kText) continue;
      if (kHeldOtherwise.contains(key) || NotInFamilyFile(key, family)) continue;
      SCOPED_TRACE(family + " " + key);
      Job job = base;
      ASSERT_TRUE(ChangeKey(job, key));
      const Job expected = Confirmed(job, family);
      ASSERT_NE(WriteJsonJob(expected), WriteJsonJob(base));  // the change is one a reader can lose

      const std::string path = dir.File(family + ".trx");
      ASSERT_FALSE(SaveProjectFile(path, job, ReportInputs{}, 0));
      LoadedJob loaded;
      const LoadError e = LoadJobFile(path, kLibrary, loaded);
      ASSERT_FALSE(e) << e.message;
      EXPECT_EQ(WriteJsonJob(loaded.job), WriteJsonJob(expected));
      ++round_trips;
    }
    EXPECT_GE(round_trips, 25) << family;  // every steel, length, force, angle and plate value
  }
}

// The tail holds as few lines as the values need, in its fixed order.
TEST(ProjectFileValues, TheTailEndsAfterTheLastValueThatIsNotItsDefault) {
  struct Case {
    const char* what;
    const char* family;
    void (*change)(JobSteel&);
    std::size_t lines;
    std::map<int, std::string> expected;  // line number → content
  };
  const Case cases[] = {
      {"default steel", "tyx", [](JobSteel&) {}, 18, {}},
      {"default steel", "kn", [](JobSteel&) {}, 18, {}},
      {"fu0", "tyx", [](JobSteel& s) { s.fu0 = 510; }, 20, {{19, "355.000000 "}, {20, "510.000000 "}}},
      {"gamma_M2", "kn", [](JobSteel& s) { s.gamma_M2 = 1.5; }, 27, {{24, "210000.000000 "}, {27, "1.500000 "}}},
      {"T/Y/X fy2", "tyx", [](JobSteel& s) { s.fy2 = 275; }, 23, {{23, "275.000000 "}}},
      // A K/N file's line 4 holds fy2; the tail repeats it only when a later line is needed.
      {"K/N fy2", "kn", [](JobSteel& s) { s.fy2 = 275; }, 18, {}},
      {"K/N fy2 and E", "kn", [](JobSteel& s) { s.fy2 = 275, s.E = 200000; }, 24,
       {{23, "275.000000 "}, {24, "200000.000000 "}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.family) + " " + c.what);
    Job job = BaseJob(c.family);
    c.change(job.steel);
    const std::vector<std::string> lines = Lines(FormatProjectFile(ProjectFileSlotsFromJob(job, ReportInputs{}, 0)));
    ASSERT_EQ(lines.size(), c.lines);
    for (const auto& [line, content] : c.expected) EXPECT_EQ(lines[static_cast<std::size_t>(line - 1)], content);
  }
}

// The eighteen lines of an example file, as UTF-8 text.
std::vector<std::string> ExampleLines(const char* name) {
  std::string text;
  EXPECT_FALSE(DecodeProjectFile(ReadFile(SourcePath(std::string("examples/") + name)), name, text));
  return Lines(text);
}

// Replaces word `slot` (from 1) of line `line` (from 1).
void ReplaceWord(std::vector<std::string>& lines, int line, int slot, const std::string& word) {
  std::istringstream words(lines[static_cast<std::size_t>(line - 1)]);
  std::string w, rebuilt;
  for (int i = 1; words >> w; ++i) rebuilt += (i == slot ? word : w) + " ";
  lines[static_cast<std::size_t>(line - 1)] = rebuilt;
}

struct Edit {
  int line, slot;
  const char* word;
};

struct RangeCase {
  const char* file;
  std::vector<Edit> edits;
  const char* tail;   // text after line 18
  const char* error;  // the message after "NAME: ", or nullptr when the file reads
};

TEST(ProjectFileValues, ValuesOutsideTheirRangeAreRefusedWithLineAndSlot) {
  const RangeCase cases[] = {
      {"tyx_windows.trx", {{1, 3, "0"}}, "", "line 1, slot 3 (L0 left): 0 must be > 0 m"},
      {"tyx_windows.trx", {{4, 8, "180"}}, "", "line 4, slot 8 (theta2): 180 must be within (0, 180) degrees"},
      {"tyx_windows.trx", {{4, 6, "-355"}}, "", "line 4, slot 6 (fy2): -355 must be within [100, 1000] MPa"},
      {"tyx_windows.trx", {{4, 6, "0.355"}}, "", "line 4, slot 6 (fy2): 0.355 must be within [100, 1000] MPa"},
      // Slots a T/Y/X file does not read: its angle and fy1 come from the brace-2 slots, its
      // dimensions from the library.
      {"tyx_windows.trx", {{4, 7, "0"}, {4, 5, "0"}, {2, 1, "0"}}, "", nullptr},
      {"tyx_windows.trx", {{11, 3, "0"}}, "", nullptr},  // no face plate
      {"tyx_windows.trx", {{11, 3, "0"}, {14, 1, "1"}}, "", "line 11, slot 3 (face plate t): 0 must be > 0 mm"},
      {"kn_windows.trx", {{2, 1, "-160"}}, "", "line 2, slot 1 (h0): -160 must be > 0 mm"},
      {"kn_windows.trx", {{4, 2, "0"}}, "", "line 4, slot 2 (L2): 0 must be > 0 m"},
      {"kn_windows.trx", {{1, 7, "0"}}, "", "line 1, slot 7 (fy0): 0 must be within [100, 1000] MPa"},
      {"kn_windows.trx", {{1, 7, "1000"}}, "", nullptr},
      {"kn_windows.trx", {{1, 7, "1000.5"}}, "", "line 1, slot 7 (fy0): 1000.5 must be within [100, 1000] MPa"},
      {"kn_windows.trx", {{4, 7, "0.0000001"}}, "",
       "line 4, slot 7 (theta1): 1e-07 must be within (0, 180) degrees (six decimals make it 0.000000)"},
      {"kn_windows.trx", {{2, 4, "-30"}, {1, 5, "0"}, {1, 6, "-1e6"}}, "", nullptr},  // e, N0, M0: any
      {"kn_windows.trx", {{13, 3, "0"}}, "", nullptr},
      {"kn_windows.trx", {{13, 3, "0"}, {14, 3, "1"}}, "", "line 13, slot 3 (overlap plate t): 0 must be > 0 mm"},
      // The tail.
      {"tyx_windows.trx", {}, "355\n510\n520\n520\n275\n210000\n1.1\n1\n1.25\n", nullptr},
      {"tyx_windows.trx", {}, "355 \n \n\n\n\n\n0.9 \n", "line 25, slot 1 (gamma_M0): 0.9 must be >= 1.0"},
      {"tyx_windows.trx", {}, "355\n-1\n", "line 20, slot 1 (fu0): -1 must be within [100, 1000] MPa"},
      {"tyx_windows.trx", {}, "355\n520\n0.0000001\n", "line 21, slot 1 (fu1): 1e-07 must be within [100, 1000] MPa"},
      {"tyx_windows.trx", {}, "355\n520\n0.52\n", "line 21, slot 1 (fu1): 0.52 must be within [100, 1000] MPa"},
      {"tyx_windows.trx", {}, "0.355\n", "line 19, slot 1 (plate fy): 0.355 must be within [100, 1000] MPa"},
      {"tyx_windows.trx", {}, "355\n520\n520\n520\n355\n0\n",
       "line 24, slot 1 (E): 0 must be within [150000, 250000] MPa"},
      {"tyx_windows.trx", {}, "355\n520\n520\n520\n355\n210\n",
       "line 24, slot 1 (E): 210 must be within [150000, 250000] MPa"},
      {"tyx_windows.trx", {}, "100\n1000\n100\n1000\n355\n150000\n", nullptr},
      {"tyx_windows.trx", {}, "355\n520\n520\n520\n355\n250000.1\n",
       "line 24, slot 1 (E): 250000.1 must be within [150000, 250000] MPa"},
      {"tyx_windows.trx", {}, "355\n520\nx\n", "line 21, slot 1 (fu1): 'x' is not a number"},
      {"tyx_windows.trx", {}, "355\n520\ninf\n", "line 21, slot 1 (fu1): 'inf' is not a finite number of a sensible size"},
      {"tyx_windows.trx", {}, "355\n520\n520 1\n", "line 21: more than its 1 value ('1' follows)"},
      {"tyx_windows.trx", {}, "355\n\n\n\n\n\n\n\n1.25\n7\n",
       "line 28: an unknown extra line ('7'); a project file ends after line 27"},
      {"tyx_windows.trx", {}, "355\n\n\n\n\n\n\n\n1.25\n \n\n", nullptr},  // blank lines at the end
      // A K/N file's line 4 holds fy2 (275): the tail may repeat it, not contradict it.
      {"kn_windows.trx", {}, "355\n520\n520\n520\n275\n200000\n", nullptr},
      {"kn_windows.trx", {}, "355\n520\n520\n520\n\n200000\n", nullptr},
      {"kn_windows.trx", {}, "355\n520\n520\n520\n300\n",
       "line 23, slot 1 (fy2): 300 differs from line 4, slot 6 (fy2): 275"},
  };
  for (const RangeCase& c : cases) {
    std::vector<std::string> lines = ExampleLines(c.file);
    lines.resize(18);
    std::string edits;
    for (const Edit& e : c.edits) {
      ReplaceWord(lines, e.line, e.slot, e.word);
      edits += " " + std::to_string(e.line) + "/" + std::to_string(e.slot) + "=" + e.word;
    }
    SCOPED_TRACE(std::string(c.file) + edits + " tail: " + c.tail);
    ProjectFileSlots slots;
    slots.fu1 = -7;
    const LoadError e = ParseProjectFile(Joined(lines) + c.tail, "job.trx", slots);
    if (c.error) {
      EXPECT_EQ(e.message, std::string("job.trx: ") + c.error);
      EXPECT_EQ(slots.fu1, -7);  // a refused file gives nothing
    } else {
      EXPECT_FALSE(e) << e.message;
    }
  }
}

// Six decimals are all a file keeps: a tail value that reads as its default is not written,
// and writing what was read gives the same text again.
TEST(ProjectFileValues, WritingWhatWasReadGivesTheSameText) {
  struct Case {
    const char* file;
    const char* tail;
    std::size_t lines;  // when written again
  };
  const Case cases[] = {{"tyx_windows.trx", "355.0000004\n", 18},
                        {"tyx_windows.trx", "355\n520.0000001\n\n\n\n\n1.0000000001\n", 18},
                        {"tyx_windows.trx", "355\n520\n520\n520\n275.0000004\n", 23},
                        {"kn_windows.trx", "355\n520\n520\n520\n275.0000001\n200000\n", 24}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.tail);
    std::vector<std::string> lines = ExampleLines(c.file);
    lines.resize(18);
    ProjectFileSlots slots;
    ASSERT_FALSE(ParseProjectFile(Joined(lines) + c.tail, "job.trx", slots));
    const std::string written = FormatProjectFile(slots);
    EXPECT_EQ(Lines(written).size(), c.lines);
    ProjectFileSlots again;
    ASSERT_FALSE(ParseProjectFile(written, "job.trx", again));
    EXPECT_EQ(FormatProjectFile(again), written);
  }
}

// What the tail holds reaches the job; a line left out or blank is the default, and so are
// the steel values of a file without a tail, whatever the job held before.
TEST(ProjectFileValues, TailValuesReachTheJob) {
  std::vector<std::string> lines = ExampleLines("kn_windows.trx");
  ProjectFileSlots slots;
  ASSERT_FALSE(ParseProjectFile(Joined(lines) + "460\n510\n\n530\n\n205000\n", "kn.trx", slots));
  Job job;
  job.steel.fu1 = 999, job.steel.gamma_M2 = 1.4;
  ReportInputs working;
  int last_dialog = 0;
  ApplyProjectFile(slots, job, working, last_dialog);
  EXPECT_EQ(job.steel.fy_plate, 460);
  EXPECT_EQ(job.steel.fu0, 510);
  EXPECT_EQ(job.steel.fu1, 520);
  EXPECT_EQ(job.steel.fu2, 530);
  EXPECT_EQ(job.steel.fy2, 275);  // line 4's
  EXPECT_EQ(job.steel.E, 205000);
  EXPECT_EQ(job.steel.gamma_M2, 1.25);
  EXPECT_EQ(working.fy_plate, 460);
}

// A job whose file the reader would refuse is not written: the old file stays.
TEST(ProjectFileValues, AJobThatWouldNotReadBackIsNotSaved) {
  struct Case {
    void (*change)(Job&);
    const char* reason;
  };
  const Case cases[] = {
      {[](Job& j) { j.steel.E = 0; }, "line 24, slot 1 (E): 0 must be within [150000, 250000] MPa"},
      {[](Job& j) { j.steel.fu2 = 0.51; }, "line 22, slot 1 (fu2): 0.51 must be within [100, 1000] MPa"},
      {[](Job& j) { j.steel.gamma_M0 = 0.5; }, "line 25, slot 1 (gamma_M0): 0.5 must be >= 1.0"},
      {[](Job& j) { j.kn.theta2 = 1e-9; },
       "line 4, slot 8 (theta2): 1e-09 must be within (0, 180) degrees (six decimals make it 0.000000)"},
      {[](Job& j) { j.len.L1 = -3; }, "line 4, slot 1 (L1): -3 must be > 0 m"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    TempDir dir;
    const std::string path = dir.Write("job.trx", "old\n");
    Job job = BaseJob("kn");
    c.change(job);
    EXPECT_EQ(SaveProjectFile(path, job, ReportInputs{}, 0).message,
              path + ": cannot save: the file would not read back: " + c.reason);
    EXPECT_EQ(ReadFile(path), "old\n");
  }
}

}  // namespace
}  // namespace traxen
