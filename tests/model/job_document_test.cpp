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
