// The job document: File Open keeps the working values a project file restores, Save writes
// them back for a job without a family, and a failed Open or Save changes nothing.
#include "model/job_document.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "sections/temp_dir.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::ReadFile;
using testing::SourcePath;
using testing::TempDir;

TEST(JobDocument, OpenKeepsTheWorkingValuesAndSaveWritesThemBack) {
  // Opened but not confirmed (the dialog cancelled): no family, so Save writes the numbers
  // from the working values Open restored.
  const std::string original = SourcePath("examples/tyx_windows.trx");
  JobDocument doc;
  int dialog = -1;
  ASSERT_FALSE(OpenJobDocument(doc, original, dialog));
  EXPECT_EQ(dialog, 1);
  EXPECT_EQ(doc.path, original);
  EXPECT_FALSE(doc.modified);
  EXPECT_EQ(doc.job.family.is_tyx, 0);
  EXPECT_NE(doc.working.h0, 0);  // the file's chord, kept as a working value
  EXPECT_EQ(doc.last_confirmed_dialog, 1);

  TempDir dir;
  const std::string copy = dir.File("copy.trx");
  doc.modified = true;
  ASSERT_FALSE(SaveJobDocument(doc, copy));
  EXPECT_EQ(doc.path, copy);
  EXPECT_FALSE(doc.modified);
  JobDocument again;
  ASSERT_FALSE(OpenJobDocument(again, copy, dialog));
  EXPECT_EQ(again.working.h0, doc.working.h0);
  EXPECT_EQ(again.working.N0_left, doc.working.N0_left);
  EXPECT_EQ(again.working.theta1, doc.working.theta1);
  EXPECT_EQ(again.working.face_l, doc.working.face_l);
}

TEST(JobDocument, FailedOpenAndSaveLeaveTheDocumentAsItWas) {
  TempDir dir;
  JobDocument doc;
  doc.job.info.job_name = "keep";
  doc.working.h0 = 123;
  doc.last_confirmed_dialog = 2;
  doc.path = "before.trx";
  doc.modified = true;
  int dialog = 7;
  const std::string bad = dir.File("bad.trx");
  std::ofstream(bad) << "not a project file\n";
  for (const std::string& path : {bad, dir.File("missing.trx"), dir.File("missing.JSON")}) {
    const LoadError e = OpenJobDocument(doc, path, dialog);
    ASSERT_TRUE(e) << path;
    EXPECT_NE(e.message.find(path), std::string::npos) << e.message;
  }
  const LoadError e = SaveJobDocument(doc, dir.File("no/such/folder/x.trx"));
  ASSERT_TRUE(e);
  EXPECT_EQ(doc.job.info.job_name, "keep");
  EXPECT_EQ(doc.working.h0, 123);
  EXPECT_EQ(doc.last_confirmed_dialog, 2);
  EXPECT_EQ(doc.path, "before.trx");
  EXPECT_TRUE(doc.modified);
  EXPECT_EQ(dialog, 7);
}

}  // namespace
}  // namespace traxen

namespace traxen {
namespace {

// An opened file replaces the document whole: working values the file does not set (the
// other family's plate flags, anything a JSON job leaves out) do not carry over.
TEST(JobDocument, OpenStartsFromANewDocument) {
  struct Case {
    const char* file;
    int dialog;
  };
  for (const Case c : {Case{"examples/tyx_windows.trx", 1}, Case{"bench/jobs/kn_gap.json", 0}}) {
    SCOPED_TRACE(c.file);
    JobDocument doc;
    doc.working.kn_overlap_plate = 1;
    doc.working.overlap_t = 12;
    doc.working.g = -5;
    doc.modified = true;
    int dialog = -1;
    ASSERT_FALSE(OpenJobDocument(doc, testing::SourcePath(c.file), dialog));
    EXPECT_EQ(dialog, c.dialog);
    EXPECT_EQ(doc.working.kn_overlap_plate, 0);
    EXPECT_EQ(doc.working.overlap_t, 0);
    EXPECT_EQ(doc.working.g, 0);
    EXPECT_FALSE(doc.modified);
  }
}

}  // namespace
}  // namespace traxen

namespace traxen {
namespace {

// A job opened from JSON is saved as JSON under its own name: saved as project-file text, the
// next Open of that name would refuse it as broken JSON.
TEST(JobDocument, AJsonJobIsSavedAsJsonAndReadsBackTheSame) {
  JobDocument doc;
  int dialog = -1;
  ASSERT_FALSE(OpenJobDocument(doc, testing::SourcePath("bench/jobs/kn_gap.json"), dialog));
  doc.job.info.job_name = "Muudetud sõlm";
  doc.job.steel.fy_plate = 420;  // as the steel dialog would change it
  doc.modified = true;

  TempDir dir;
  const std::string saved = dir.File("job.JSON");  // the suffix in any case
  ASSERT_FALSE(SaveJobDocument(doc, saved));
  const std::string text = ReadFile(saved);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.front(), '{') << text.substr(0, 40);
  EXPECT_FALSE(doc.modified);

  JobDocument again;
  std::vector<std::string> warnings;
  ASSERT_FALSE(OpenJobDocument(again, saved, dialog, &warnings));
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  EXPECT_EQ(again.job.info.job_name, "Muudetud sõlm");
  EXPECT_EQ(again.job.steel.fy_plate, 420);
  EXPECT_EQ(again.job.kn.N1, doc.job.kn.N1);
  EXPECT_EQ(again.job.kn.h0, doc.job.kn.h0);
  EXPECT_EQ(again.job.family.is_kn, 1);

  // A project-file name still gets project-file text.
  const std::string trx = dir.File("job.trx");
  ASSERT_FALSE(SaveJobDocument(doc, trx));
  EXPECT_NE(ReadFile(trx).front(), '{');
}

// A JSON job's given value that differs from its derivation opens with the derived value and a
// line that names the file and the key, as traxen-cli prints it.
TEST(JobDocument, OpeningAJsonJobListsTheValuesItReplaced) {
  TempDir dir;
  std::string text = ReadFile(testing::SourcePath("bench/jobs/kn_gap.json"));
  const std::size_t kn = text.find("\"kn\"");
  ASSERT_NE(kn, std::string::npos);
  text.insert(text.find('{', kn) + 1, "\"N2\": 100,");
  const std::string path = dir.File("n2.json");
  std::ofstream(path) << text;

  JobDocument doc;
  int dialog = -1;
  std::vector<std::string> warnings;
  ASSERT_FALSE(OpenJobDocument(doc, path, dialog, &warnings));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].rfind(path + ": warning: key \"kn.N2\": the given 100 is replaced by the derived", 0), 0u)
      << warnings[0];
  EXPECT_NE(doc.job.kn.N2, 100);
}

}  // namespace
}  // namespace traxen
