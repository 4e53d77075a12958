// Project files: the eighteen lines, round trips through save, open and confirmation for both
// families, files written by the Windows version's rules, malformed files, the atomic save
// and the two encodings.
#include "model/project_file.h"

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <sstream>

#include "model/confirm_job.h"
#include "model/job_document.h"
#include "model/job_file.h"
#include "model/json_job.h"
#include "families/dispatch.h"
#include "model/joint_sections.h"
#include "sections/temp_dir.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::ReadFile;
using testing::SourcePath;
using testing::TempDir;

const std::string kLibrary = SourcePath("data/Profiilid");

// The whole record as text, so a comparison shows every field that differs.
std::string Dump(const Job& job) { return WriteJsonJob(job); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

LoadedJob Load(const std::string& path) {
  LoadedJob loaded;
  const LoadError e = LoadJobFile(path, kLibrary, loaded);
  EXPECT_FALSE(e) << e.message;
  return loaded;
}

// A T/Y/X job as the dialog leaves it after OK.
Job ConfirmedTyxJob() {
  Job job;
  job.info = {"Sõlm 'A' / katus", "", "  Õie  O'Neill  ", "Näidisprojekt OÜ"};
  job.len = {3.25, 4.5, 2.75, 2.75};
  job.steel.fy0 = 420;
  job.steel.fy1 = 275;
  job.plate = {400, 120, 12, 380, 90, 8, 150, 100, 12};
  TyxJoint& x = job.tyx;
  x.N0 = -310.125, x.M0 = 4.5, x.N1 = 61.25, x.theta1 = 57.5;
  x.face_plate = 1, x.x_joint = 1;
  x.chord_type_index = 0, x.chord_number_index = 60;
  x.brace1_type_index = 1, x.brace1_number_index = 30;
  x.brace2_type_index = 2, x.brace2_number_index = 7;
  x.chord_section_text = "NORM:  SFS 200 DIN 17100";  // blanks inside
  x.brace_section_text = "";                         // and an empty text
  x.reserved[2] = 2.5;
  EXPECT_EQ(RestoreTyxSections(SectionLibrary(kLibrary), job), "");
  ConfirmTyx(job);
  return job;
}

Job ConfirmedKnJob() {
  Job job;
  job.info = {"Ühendus K7", "Tellija 'Kalev' AS", "Jüri Ülemiste", ""};
  job.len = {6, 6, 2.9, 3.1};
  job.steel.fy0 = 355, job.steel.fy1 = 275, job.steel.fy2 = 420;
  job.plate = {450, 100, 10, 450, 100, 8, 160, 90, 14};
  KnJoint& k = job.kn;
  k.N0_left = -320, k.M0 = 1.5, k.N1 = -85.5, k.theta1 = 52.25, k.theta2 = 47.5, k.e = -12.5;
  k.overlap_plate = 1;
  k.chord_type_index = 0, k.chord_number_index = 79;
  k.brace1_type_index = 2, k.brace1_number_index = 20;
  k.brace2_type_index = 0, k.brace2_number_index = 28;
  k.chord_section_text = "";
  k.brace1_section_text = "  kaks  tühikut  ";
  k.brace2_section_text = "NORM:_SFS_200_DIN_17100";
  k.reserved[3] = 3.0;
  EXPECT_EQ(RestoreKnSections(SectionLibrary(kLibrary), job), "");
  ConfirmKn(job);
  return job;
}

TEST(ProjectFileRoundTrip, EveryStoredTyxFieldSurvivesSaveOpenAndConfirm) {
  TempDir dir;
  const Job job = ConfirmedTyxJob();
  const std::string path = dir.File("tyx.trx");
  ASSERT_FALSE(SaveProjectFile(path, job, ReportInputs{}, 0));
  const LoadedJob loaded = Load(path);
  EXPECT_EQ(Dump(loaded.job), Dump(job));
  EXPECT_EQ(loaded.last_dialog, 1);
  EXPECT_EQ(loaded.job.tyx.chord_class, 1);
  EXPECT_GT(loaded.job.tyx.h0, loaded.job.tyx.h1);
}

TEST(ProjectFileRoundTrip, EveryStoredKnFieldSurvivesSaveOpenAndConfirm) {
  TempDir dir;
  const Job job = ConfirmedKnJob();
  const std::string path = dir.File("kn.trx");
  ASSERT_FALSE(SaveProjectFile(path, job, ReportInputs{}, 0));
  const LoadedJob loaded = Load(path);
  EXPECT_EQ(Dump(loaded.job), Dump(job));
  EXPECT_EQ(loaded.last_dialog, 2);
  // The K/N joint classifies its three members too.
  EXPECT_NE(loaded.job.kn.chord_class, 0);
  EXPECT_NE(loaded.job.kn.brace1_class, 0);
  EXPECT_NE(loaded.job.kn.brace2_class, 0);
}

TEST(ProjectFileLayout, TyxFileWritesTheMirroredBraceAndZeroOverlapPlate) {
  Job job;
  job.family.is_tyx = 1;
  job.tyx.N1 = -52;
  job.steel.fy1 = 275;
  job.steel.fy2 = 460;  // line 4 has no slot for it: the tail carries it on line 23
  const std::vector<std::string> lines = Lines(FormatProjectFile(ProjectFileSlotsFromJob(job, ReportInputs{}, 0)));
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[18], "355.000000 ");  // the plate strength, written because a later line is
  EXPECT_EQ(lines[22], "460.000000 ");
  EXPECT_EQ(lines[0], "1 0 4.000000 4.000000 -271.600000 2.810000 355.000000 1.000000 0 ");
  EXPECT_EQ(lines[3],
            "4.000000 4.000000 -52.000000 -52.000000 275.000000 275.000000 84.300000 84.300000 0 ");
  EXPECT_EQ(lines[6], "0 41 0 36 0 42 ");
  EXPECT_EQ(lines[12], "0.000000 0.000000 0.000000 ");
  EXPECT_EQ(lines[16], "....(töö teliija) ");
}

// A new document: no family, so every number is the new document's working value, zero.
TEST(ProjectFileLayout, NewDocumentSavesZerosAndTheJobTextsAndOpensNoDialog) {
  TempDir dir;
  const Job fresh;
  const std::string path = dir.File("new.trx");
  ASSERT_FALSE(SaveProjectFile(path, fresh, ReportInputs{}, 0));
  std::string text;
  ASSERT_FALSE(DecodeProjectFile(ReadFile(path), path, text));
  EXPECT_EQ(text,
            "0 0 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0 \n"
            "0.000000 0.000000 0.000000 0.000000 \n"
            "0.000000 0.000000 \n"
            "0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0 \n"
            "0.000000 0.000000 0.000000 \n"
            "0.000000 0.000000 0.000000 \n"
            "0 0 0 0 0 0 \n"
            " \n \n \n"
            "0.000000 0.000000 0.000000 \n"
            "0.000000 0.000000 0.000000 \n"
            "0.000000 0.000000 0.000000 \n"
            "0 0 0 \n"
            "Insener Näidis \n....(töö nimi) \n....(töö teliija) \nNäidisprojekt OÜ \n");

  // Read into a job with other values: only the four job texts are taken.
  Job other = ConfirmedTyxJob();
  Job expected = other;
  expected.info = fresh.info;
  JobDocument doc;
  doc.last_confirmed_dialog = 1;
  int dialog = -1;
  ASSERT_FALSE(ReadProjectFile(path, other, doc.working, doc.last_confirmed_dialog, dialog));
  EXPECT_EQ(dialog, 0);
  EXPECT_EQ(doc.last_confirmed_dialog, 1);
  EXPECT_EQ(Dump(other), Dump(expected));

  const LoadedJob loaded = Load(path);
  EXPECT_EQ(loaded.last_dialog, 0);
  EXPECT_EQ(Dump(loaded.job), Dump(fresh));
}

// A file read but not confirmed (the dialog cancelled) leaves the family unset: saving then
// writes the document's working values, which hold what was read.
TEST(ProjectFileLayout, UnconfirmedReadSavesTheWorkingValuesItLeft) {
  TempDir dir;
  const std::string original = SourcePath("examples/tyx_windows.trx");
  Job job;
  JobDocument doc;
  int dialog = 0;
  ASSERT_FALSE(ReadProjectFile(original, job, doc.working, doc.last_confirmed_dialog, dialog));
  ASSERT_EQ(job.family.is_tyx, 0);
  const std::string path = dir.File("again.trx");
  ASSERT_FALSE(SaveProjectFile(path, job, doc.working, doc.last_confirmed_dialog));
  const std::vector<std::string> before = Lines(ReadFile(original)), after = Lines(ReadFile(path));
  ASSERT_EQ(after.size(), 18u);
  EXPECT_EQ(after[0], "0 0 4.000000 4.000000 -271.600000 2.810000 355.000000 0.000000 1 ");
  for (int line : {2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 17, 18})
    EXPECT_EQ(after[line - 1], before[line - 1]) << "line " << line;
  EXPECT_EQ(after[6], "0 0 0 0 0 0 ");  // list positions have no working value
  EXPECT_EQ(after[7], " ");
}

// Reading copies the family's slots: T/Y/X takes the brace from the brace-2 slots and leaves
// the dimension lines to the library; K/N takes every slot, its brace-1 class from its own
// slot and the chord force at the right end from equilibrium with the file's N2.
TEST(ProjectFileRead, CopiesEachFamilysSlots) {
  ProjectFileSlots s;
  s.is_tyx = 1;
  s.h0 = 999, s.h1 = 998, s.h2 = 997;
  s.N1 = -1, s.N2 = -52, s.fy1 = 235, s.fy2 = 275, s.theta1 = 30, s.theta2 = 60;
  s.overlap = {1, 2, 3};
  s.brace_class = 3;
  Job job;
  JobDocument doc;
  ApplyProjectFile(s, job, doc.working, doc.last_confirmed_dialog);
  EXPECT_EQ(job.tyx.N1, -52);
  EXPECT_EQ(job.steel.fy1, 275);
  EXPECT_EQ(job.tyx.theta1, 60);
  EXPECT_EQ(job.tyx.brace_class, 3);
  EXPECT_EQ(job.tyx.h0, 0);
  EXPECT_EQ(job.tyx.h1, 0);
  EXPECT_EQ(job.plate.overlap_l, 150);
  EXPECT_EQ(job.family.is_tyx, 0);  // set by the confirmation, not by reading
  EXPECT_EQ(doc.last_confirmed_dialog, 1);
  EXPECT_EQ(doc.working.h0, 999);  // the working values hold what was read

  s.is_tyx = 0, s.is_kn = 1;
  s.N0 = -271.6, s.N1 = -52, s.theta1 = 84.3, s.theta2 = 48;
  s.N2 = 52 * std::sin(84.3 * kDialogRadiansPerDegree) / std::sin(48 * kDialogRadiansPerDegree);  // 69.63
  s.brace_class = 2;
  Job kn;
  ApplyProjectFile(s, kn, doc.working, doc.last_confirmed_dialog);
  EXPECT_EQ(kn.kn.h0, 999);
  EXPECT_EQ(kn.kn.N2, s.N2);
  EXPECT_EQ(kn.kn.brace1_class, 2);
  EXPECT_EQ(kn.plate.overlap_t, 3);
  EXPECT_NEAR(kn.kn.N0_right, -323.35, 0.005);
  EXPECT_EQ(doc.working.N0_right, kn.kn.N0_right);
  EXPECT_EQ(doc.last_confirmed_dialog, 2);
}

// Files as the Windows version writes them: Windows-1257, "%lf", " \n" line ends and
// one-word section texts.
TEST(ProjectFileExamples, TyxExampleReadsAndConfirms) {
  const LoadedJob loaded = Load(SourcePath("examples/tyx_windows.trx"));
  const Job& job = loaded.job;
  EXPECT_EQ(loaded.last_dialog, 1);
  EXPECT_EQ(job.family.is_tyx, 1);
  EXPECT_EQ(job.family.is_kn, 0);
  EXPECT_EQ(job.info.calculated_by, "Õie Šmidt-Tõnisson");
  EXPECT_EQ(job.info.job_name, "Laohoone katusesõrestik, sõlm S3");
  EXPECT_EQ(job.info.owner, "Näidisprojekt OÜ");
  EXPECT_EQ(job.tyx.chord_section_text, "NORM:_SFS_200_DIN_17100");
  EXPECT_EQ(job.tyx.h0, 100);
  EXPECT_EQ(job.tyx.t0, 5);
  EXPECT_EQ(job.tyx.b1, 90);
  EXPECT_EQ(job.tyx.h2, 90);  // mirrored
  EXPECT_EQ(job.tyx.N1, -52);
  EXPECT_EQ(job.tyx.N2, -52);
  EXPECT_EQ(job.tyx.theta2, 84.3);
  EXPECT_DOUBLE_EQ(job.chord.A0, 1835.6);
  EXPECT_DOUBLE_EQ(job.chord.Wel0, 54220);
  EXPECT_EQ(job.tyx.chord_class, 1);
  EXPECT_EQ(job.tyx.brace_class, 1);
  EXPECT_EQ(job.len.L1, 3.5);
}

TEST(ProjectFileExamples, KnExampleReadsWholeTextsAndDerivesTheForces) {
  const std::string path = SourcePath("examples/kn_windows.trx");
  const LoadedJob loaded = Load(path);
  const Job& job = loaded.job;
  EXPECT_EQ(loaded.last_dialog, 2);
  EXPECT_EQ(job.family.is_kn, 1);
  EXPECT_EQ(job.info.job_name, "Spordihalli 'Kalev' sõrestik, sõlm K7");  // not cut at the apostrophe
  EXPECT_EQ(job.info.client, "Tellija OÜ Žürii");
  EXPECT_EQ(job.info.owner, "Näidisprojekt OÜ");
  EXPECT_EQ(job.kn.h0, 160);
  EXPECT_EQ(job.kn.t0, 8);
  EXPECT_EQ(job.kn.e, 30);
  EXPECT_EQ(job.kn.h1, 100);
  EXPECT_EQ(job.kn.t1, 6);
  EXPECT_EQ(job.kn.t2, 5);
  EXPECT_DOUBLE_EQ(job.chord.A0, 4644.2);
  EXPECT_EQ(job.steel.fy2, 275);
  EXPECT_EQ(job.kn.theta1, 50);
  EXPECT_NEAR(job.kn.N2, 92.6265, 0.0001);
  EXPECT_NEAR(job.kn.N0_right, -320 - 85.5 * 0.642788 - 92.6265 * 0.707107, 0.001);  // -440.455
  EXPECT_EQ(job.kn.chord_class, 1);  // the file's 0 is replaced by the classification

  // The job the file describes is a valid gap joint.
  JobDocument doc;
  doc.last_confirmed_dialog = loaded.last_dialog;
  const CheckSummary summary = CheckJob(job, doc.working, doc.last_confirmed_dialog);
  EXPECT_EQ(summary.family, "kn");
  EXPECT_TRUE(summary.valid);
  EXPECT_GT(summary.g.value_or(0), 0);
  EXPECT_EQ(job.plate.overlap_t, 12);

  // The same file with Windows line ends reads the same.
  TempDir dir;
  std::string crlf;
  for (char c : ReadFile(path)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(Dump(Load(dir.Write("crlf.trx", crlf)).job), Dump(job));
}

// Malformed files: the message names the file, the line and the slot, and neither the job
// nor the document's working values change.
struct Damage {
  const char* what;
  int line;           // 1-18, the line replaced (0: the whole file)
  const char* text;   // its new content
  const char* message;
};

class MalformedProjectFile : public ::testing::TestWithParam<Damage> {};

TEST_P(MalformedProjectFile, FailsWithLineAndSlotAndChangesNothing) {
  const Damage& d = GetParam();
  TempDir dir;
  std::vector<std::string> lines = Lines(ReadFile(SourcePath("examples/tyx_windows.trx")));
  std::string content;
  if (d.line == 0) {
    content = d.text;
  } else {
    lines[static_cast<std::size_t>(d.line - 1)] = d.text;
    for (const std::string& l : lines) content += l + "\n";
  }
  const std::string path = dir.Write("bad.trx", content);

  Job job = ConfirmedKnJob();
  const std::string before = Dump(job);
  JobDocument doc;
  doc.last_confirmed_dialog = 2;
  doc.working.h0 = 123;
  int dialog = 7;
  const LoadError e = ReadProjectFile(path, job, doc.working, doc.last_confirmed_dialog, dialog);
  EXPECT_EQ(e.message, path + ": " + d.message);
  EXPECT_EQ(Dump(job), before);
  EXPECT_EQ(doc.last_confirmed_dialog, 2);
  EXPECT_EQ(doc.working.h0, 123);
  EXPECT_EQ(dialog, 7);

  LoadedJob loaded;
  loaded.job.info.owner = "unchanged";
  EXPECT_TRUE(LoadJobFile(path, kLibrary, loaded));
  EXPECT_EQ(loaded.job.info.owner, "unchanged");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedProjectFile,
    ::testing::Values(
        Damage{"empty", 0, "", "line 1 is missing: a project file has 18 lines, this one ends after 0"},
        Damage{"cut short", 0, "1 0 4.0 4.0 -271.6 2.81 355.0 1.0 1 \n100 100 5 0 \n",
               "line 3 is missing: a project file has 18 lines, this one ends after 2"},
        Damage{"not a number", 4, "3.5 3.5 -52.0 -52,0 355 355 84.3 84.3 1 ",
               "line 4, slot 4 (N2): '-52,0' is not a number"},
        Damage{"missing number", 2, "100 100 5 ", "line 2, slot 4 (e): missing; the line has 3 of its 4 values"},
        Damage{"extra number", 3, "1835.6 54220 7 ", "line 3: more than its 2 values ('7' follows)"},
        Damage{"decimals in a whole number", 1, "1 0 4 4 -271.6 2.81 355 1 1.5 ",
               "line 1, slot 9 (chord class): '1.5' is not a whole number"},
        Damage{"list position not a number", 7, "0 41 0 x 0 42 ",
               "line 7, slot 4 (brace 1 section position): 'x' is not a whole number"},
        Damage{"family flag out of range", 1, "2 0 4 4 -271.6 2.81 355 1 1 ",
               "line 1, slot 1 (T/Y/X flag): 2 is not 0 or 1"},
        Damage{"both families", 1, "1 1 4 4 -271.6 2.81 355 1 1 ",
               "line 1: both family flags are 1; a project file holds one joint family"},
        Damage{"plate flag out of range", 14, "0 3 0 ", "line 14, slot 2 (plate flag 2): 3 is not 0 or 1"},
        Damage{"undefined Windows-1257 byte", 15, "Ins\x81ner ",
               "line 15: byte 0x81 is neither UTF-8 nor a Windows-1257 character"}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

// The file reads, but its positions do not fit the library: the confirmation fails and the
// job stays as it was.
TEST(ProjectFileConfirmation, PositionsOutsideTheLibraryFailAndChangeNothing) {
  const struct {
    const char* positions;
    std::string message;
  } cases[] = {
      {"0 41 12 36 0 42 ", "Ei saa avadaa faili .prf " + kLibrary +
                               "/profdeftraxen.txt: the brace section type position is 12, the list has 9 types"},
      {"0 -1 0 36 0 42 ", "no chord section is selected (list position -1)"},
      // The library has I-sections and round tubes, but a joint of hollow sections is never
      // checked with one.
      {"5 3 0 36 0 42 ", "the chord's section type HEA (position 5 of the type list) is not a square or rectangular "
                         "hollow section; the joint is not checked until the chord is RUUTTORU, RISTTORU_I or "
                         "RISTTORU_II"},
      {"0 41 3 5 0 42 ", "the brace's section type YMARTORU (position 3 of the type list) is not a square or "
                         "rectangular hollow section; the joint is not checked until the brace is RUUTTORU, "
                         "RISTTORU_I or RISTTORU_II"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    std::vector<std::string> lines = Lines(ReadFile(SourcePath("examples/tyx_windows.trx")));
    lines[6] = c.positions;
    std::string content;
    for (const std::string& l : lines) content += l + "\n";
    const std::string path = dir.Write("positions.trx", content);

    Job job;
    JobDocument doc;
    int dialog = 0;
    ASSERT_FALSE(ReadProjectFile(path, job, doc.working, doc.last_confirmed_dialog, dialog));
    ASSERT_EQ(dialog, 1);
    const std::string before = Dump(job);
    const LoadError e = ConfirmProjectFamily(dialog, SectionLibrary(kLibrary), path, job, doc.last_confirmed_dialog);
    EXPECT_EQ(e.message, path + ": the sections cannot be restored: " + c.message);
    EXPECT_EQ(Dump(job), before);

    LoadedJob loaded;
    EXPECT_EQ(LoadJobFile(path, kLibrary, loaded).message, e.message);
  }
}

TEST(ProjectFileConfirmation, ASectionPositionBeyondTheListTakesTheLastRow) {
  TempDir dir;
  std::vector<std::string> lines = Lines(ReadFile(SourcePath("examples/tyx_windows.trx")));
  lines[6] = "0 5000 0 36 0 42 ";
  std::string content;
  for (const std::string& l : lines) content += l + "\n";
  const LoadedJob loaded = Load(dir.Write("beyond.trx", content));
  EXPECT_EQ(loaded.job.tyx.chord_number_index, 104);  // the position of the row taken
  EXPECT_EQ(loaded.job.tyx.h0, 400);
}

TEST(ProjectFileConfirmation, AMissingLibraryIsNamed) {
  LoadedJob loaded;
  const std::string path = SourcePath("examples/tyx_windows.trx");
  const LoadError e = LoadJobFile(path, "/nonexistent/library", loaded);
  EXPECT_EQ(e.message, path + ": profdeftraxen.txt ei leidnud! no profdeftraxen.txt in /nonexistent/library (--library)");
}

// ---- Saving --------------------------------------------------------------------------------

std::vector<std::string> DirectoryEntries(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ProjectFileSave, ReplacesTheFileAndKeepsItsPermissions) {
  TempDir dir;
  const std::string path = dir.Write("job.trx", "old content\n");
  std::filesystem::permissions(path, std::filesystem::perms(0640));
  ASSERT_FALSE(SaveProjectFile(path, ConfirmedTyxJob(), ReportInputs{}, 0));
  EXPECT_EQ(Lines(ReadFile(path)).size(), 18u);
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(DirectoryEntries(dir.path()), std::vector<std::string>{"job.trx"});  // no temporary left
}

// A write that fails half-way (the file size limit stands in for a full disk) leaves the old
// file exactly as it was and no temporary file behind.
TEST(ProjectFileSave, AFailedWriteLeavesTheOldFileIntact) {
  TempDir dir;
  const std::string old_content = "previous project file\n";
  const std::string path = dir.Write("job.trx", old_content);

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;  // bytes: the eighteen lines need several hundred
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const LoadError e = SaveProjectFile(path, ConfirmedTyxJob(), ReportInputs{}, 0);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous_handler);

  EXPECT_EQ(e.message, path + ": cannot save: File too large");
  EXPECT_EQ(ReadFile(path), old_content);
  EXPECT_EQ(DirectoryEntries(dir.path()), std::vector<std::string>{"job.trx"});
}

TEST(ProjectFileSave, AMissingFolderIsNamed) {
  TempDir dir;
  const std::string path = dir.File("no/such/folder/job.trx");
  const LoadError e = SaveProjectFile(path, Job{}, ReportInputs{}, 0);
  EXPECT_EQ(e.message, path + ": cannot save: cannot create a file in " + dir.File("no/such/folder") +
                           ": No such file or directory");
}

TEST(ProjectFileSave, AFileThatCannotBeOpenedIsNamed) {
  LoadedJob loaded;
  const LoadError e = LoadJobFile("/nonexistent/job.trx", kLibrary, loaded);
  EXPECT_EQ(e.message, "/nonexistent/job.trx: cannot open: No such file or directory");
}

// ---- Encoding ------------------------------------------------------------------------------

TEST(ProjectFileEncoding, EstonianTextIsWrittenInWindows1257) {
  TempDir dir;
  Job job;
  job.info.job_name = "õäöüšž ÕÄÖÜŠŽ";
  const std::string path = dir.File("1257.trx");
  ASSERT_FALSE(SaveProjectFile(path, job, ReportInputs{}, 0));
  const std::vector<std::string> lines = Lines(ReadFile(path));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[15], "\xF5\xE4\xF6\xFC\xF0\xFE \xD5\xC4\xD6\xDC\xD0\xDE ");
  EXPECT_EQ(Load(path).job.info.job_name, job.info.job_name);
}

// A character Windows-1257 lacks turns the whole file into UTF-8; nothing is lost.
TEST(ProjectFileEncoding, TextsOutsideWindows1257MakeTheWholeFileUtf8) {
  TempDir dir;
  Job job = ConfirmedKnJob();
  job.info.client = "Ωmega 中 → Õie";
  job.info.owner = "Tõnu";
  const std::string path = dir.File("utf8.trx");
  ASSERT_FALSE(SaveProjectFile(path, job, ReportInputs{}, 0));
  const std::vector<std::string> lines = Lines(ReadFile(path));
  EXPECT_EQ(lines[16], "Ωmega 中 → Õie ");
  EXPECT_EQ(lines[17], "Tõnu ");  // UTF-8 here too, not Windows-1257
  EXPECT_EQ(Dump(Load(path).job), Dump(job));
}

// "Ä°" in Windows-1257 is C4 B0, which is valid UTF-8 ("İ"): such a file is written in UTF-8.
TEST(ProjectFileEncoding, Windows1257BytesThatLookLikeUtf8AreWrittenAsUtf8) {
  TempDir dir;
  Job job;
  job.info = {"Job", "Ä°C", "Engineer", "Owner"};  // the only non-ASCII text of the file
  const std::string path = dir.File("ambiguous.trx");
  ASSERT_FALSE(SaveProjectFile(path, job, ReportInputs{}, 0));
  EXPECT_EQ(Lines(ReadFile(path))[16], "Ä°C ");
  EXPECT_EQ(Load(path).job.info.client, "Ä°C");
}

TEST(ProjectFileEncoding, ReadingTellsTheEncodingsApart) {
  std::string text;
  ASSERT_FALSE(DecodeProjectFile("T\xF5nu", "f", text));  // not UTF-8: Windows-1257
  EXPECT_EQ(text, "Tõnu");
  ASSERT_FALSE(DecodeProjectFile("Tõnu", "f", text));  // valid UTF-8 stays
  EXPECT_EQ(text, "Tõnu");
  ASSERT_FALSE(DecodeProjectFile("\xEF\xBB\xBFTõnu", "f", text));  // a byte-order mark is dropped
  EXPECT_EQ(text, "Tõnu");
  ASSERT_FALSE(DecodeProjectFile("\xC3\xB5\xF5", "f", text));  // one stray byte: all Windows-1257
  EXPECT_EQ(text, "Ćµõ");
  EXPECT_EQ(DecodeProjectFile("a\nb\n\x98", "f", text).message,
            "f: line 3: byte 0x98 is neither UTF-8 nor a Windows-1257 character");
}

// Every byte of Windows-1257 reads as iconv converts it, wherever it stands among plain ASCII,
// and a byte the code page lacks is named with its line.
TEST(ProjectFileEncoding, EveryWindows1257ByteReadsAsIconvConvertsIt) {
  iconv_t cd = iconv_open("UTF-8", "WINDOWS-1257");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int b = 0x80; b < 0x100; ++b) {
    char in = static_cast<char>(b), out[8];
    char* in_ptr = &in;
    char* out_ptr = out;
    std::size_t in_left = 1, out_left = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const bool defined = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == 0;
    for (const std::string& before : {std::string(), std::string("line one, longer than a word\nab"),
                                      std::string("0123456789abcdef\n")}) {
      SCOPED_TRACE(fmt::format("byte 0x{:02X} after {} bytes", b, before.size()));
      std::string text;
      const LoadError e = DecodeProjectFile(before + in + "tail of the line\n", "f.trx", text);
      if (defined) {
        EXPECT_FALSE(e) << e.message;
        EXPECT_EQ(text, before + std::string(out, sizeof out - out_left) + "tail of the line\n");
      } else {
        const int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
        EXPECT_NE(e.message.find(fmt::format("line {}", line)), std::string::npos) << e.message;
        EXPECT_NE(e.message.find(fmt::format("0x{:02X}", b)), std::string::npos) << e.message;
      }
    }
  }
  iconv_close(cd);
}

TEST(ProjectFileLayout, LineBreaksInsideATextBecomeBlanks) {
  ProjectFileSlots s;
  s.job_texts[0] = "kaks\nrida\r";
  const std::vector<std::string> lines = Lines(FormatProjectFile(s));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[14], "kaks rida  ");
}

// The plate yield strength rides on an optional nineteenth line, written only when it is
// not 355 MPa, so files written without it (and by programs that know no such line) read
// as before.
TEST(ProjectFilePlateYield, NineteenthLineOnlyWhenNot355AndReadBack) {
  struct Case {
    double fy_plate;
    size_t lines;
    const char* line19;
  };
  for (const Case c : {Case{355, 18, nullptr}, Case{420, 19, "420.000000 "}, Case{235.5, 19, "235.500000 "}}) {
    SCOPED_TRACE(c.fy_plate);
    TempDir dir;
    Job job = ConfirmedTyxJob();
    job.steel.fy_plate = c.fy_plate;
    const std::string path = dir.File("plate.trx");
    ASSERT_FALSE(SaveProjectFile(path, job, ReportInputs{}, 0));
    const std::vector<std::string> lines = Lines(ReadFile(path));
    ASSERT_EQ(lines.size(), c.lines);
    if (c.line19) {
      EXPECT_EQ(lines[18], c.line19);
    }
    const LoadedJob loaded = Load(path);
    EXPECT_EQ(loaded.job.steel.fy_plate, c.fy_plate);
    EXPECT_EQ(loaded.working.fy_plate, c.fy_plate);
    EXPECT_EQ(Dump(loaded.job), Dump(job));
  }
}

TEST(ProjectFilePlateYield, AbsentOrBlankLineReads355AndABadOneIsNamed) {
  std::string eighteen;
  for (int i = 0; i < 18; ++i) eighteen += Lines(FormatProjectFile(ProjectFileSlots{}))[static_cast<size_t>(i)] + "\n";
  struct Case {
    std::string tail;
    double fy_plate;     // when read
    const char* error;   // a part of the message, or nullptr
  };
  const Case cases[] = {
      {"", 355, nullptr},
      {" \n", 355, nullptr},
      {"460.000000 \n", 460, nullptr},
      {"460.0", 460, nullptr},  // no final line feed
      {"fy \n", 0, "line 19, slot 1 (plate fy): 'fy' is not a number"},
      {"460 1 \n", 0, "line 19: more than its 1 value ('1' follows)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tail);
    ProjectFileSlots slots;
    slots.fy_plate = -1;
    const LoadError e = ParseProjectFile(eighteen + c.tail, "plate.trx", slots);
    if (c.error) {
      ASSERT_TRUE(e);
      EXPECT_NE(e.message.find(c.error), std::string::npos) << e.message;
      EXPECT_NE(e.message.find("plate.trx"), std::string::npos);
      EXPECT_EQ(slots.fy_plate, -1);  // nothing taken from a refused file
    } else {
      ASSERT_FALSE(e) << e.message;
      EXPECT_EQ(slots.fy_plate, c.fy_plate);
    }
  }
}

}  // namespace
}  // namespace traxen
