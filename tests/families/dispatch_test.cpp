// The rendering frame: page 1 of a job with no family, titles, copy rules, text output.
#include <gtest/gtest.h>

#include <cmath>

#include "model/job.h"
#include "families/dispatch.h"
#include "families/rhs_families.h"
#include "report/recording_surface.h"
#include "families/report_text.h"

namespace traxen {
namespace {

TEST(Dispatch, NewDocumentRendersOnlyPageOneDecoration) {
  Job job;
  RecordingSurface s;
  std::vector<ReportTextPiece> pieces;
  RenderOptions options;
  options.text_log = &pieces;
  const RenderResult r = RenderReport(s, job, ReportInputs{}, 0, options);
  EXPECT_EQ(r.page_count, 1);
  EXPECT_TRUE(pieces.empty());
  const std::string dump = s.Dump();
  EXPECT_NE(dump.find("rect 80 120 850 1100"), std::string::npos);
  EXPECT_NE(dump.find("line 0 1 900 1"), std::string::npos);
  EXPECT_NE(dump.find("line 0 1230 900 1230"), std::string::npos);
  EXPECT_NE(dump.find("\"TÖÖ: \""), std::string::npos);
  EXPECT_NE(dump.find("\"Arvutas: \""), std::string::npos);
  EXPECT_EQ(RenderReportText(job, ReportInputs{}, 0), "");
  EXPECT_EQ(CheckJob(job, ReportInputs{}, 0).family, "none");
}

TEST(Dispatch, TyxTitleFollowsThePlateFlags) {
  ReportInputs in;
  EXPECT_EQ(TyxTitle(in), " X, Y ja T TRAXEN ");
  in.tyx_side_plates = 1;
  EXPECT_EQ(TyxTitle(in), "  TUGEVDUSEGA X, Y ja T TRAXEN ");
  in.tyx_side_plates = 0;
  in.tyx_x_joint = 1;
  EXPECT_EQ(TyxTitle(in), " X, Y ja T TRAXEN ");
}

TEST(Dispatch, KnTitleFollowsTheGapAndThePlateFlags) {
  struct Case { double g; int face, side, overlap; const char* title; };
  const Case cases[] = {
      {58.6, 0, 0, 0, "  ÜLEKATTETA KN SÕLM "},
      {58.6, 1, 0, 0, "  TUGEVDUSEGA ÜLEKATTETA KN SÕLM "},
      {58.6, 0, 0, 1, "  ÜLEKATTETA KN SÕLM "},  // only the between-braces plate: plain title
      {-41.4, 0, 0, 0, "  ÜLEKATTEGA KN SÕLM "},
      {-41.4, 1, 1, 0, "  ÜLEKATTEGA KN SÕLM "},
      {-41.4, 0, 0, 1, "  TUGEVDUSEGA ÜLEKATTEGA KN SÕLM "},
      {0.0, 0, 0, 0, ""},
      {std::nan(""), 0, 0, 0, ""},
  };
  for (const Case& c : cases) {
    ReportInputs in;
    in.g = c.g;
    in.kn_face_plate = c.face;
    in.kn_side_plates = c.side;
    in.kn_overlap_plate = c.overlap;
    EXPECT_EQ(KnTitle(in), c.title) << c.g << " " << c.face << c.side << c.overlap;
  }
}

TEST(Dispatch, TyxCopyUsesBraceForceForBrace2AndKeepsOtherFamilysValues) {
  Job job;
  job.tyx.N1 = -52.0;
  job.tyx.N2 = 300.0;
  job.tyx.N0 = -100.0;
  ReportInputs in;
  in.e = 12.5;  // a K/N value the T/Y/X branch does not copy
  in.overlap_t = 7.0;
  CopyTyxInputs(job, in);
  EXPECT_EQ(in.N2, -52.0);
  EXPECT_EQ(in.N0_left, -100.0);
  EXPECT_EQ(in.N0_right, -100.0);
  EXPECT_EQ(in.e, 12.5);
  EXPECT_EQ(in.overlap_t, 7.0);
  EXPECT_EQ(in.brace1_class, job.tyx.brace_class);
}

TEST(ReportText, JoinsPiecesByXAndMarksPageBreaks) {
  std::vector<ReportTextPiece> pieces = {
      {173, 200, 240, "Korras! "},      // 30 units right of the previous piece: one blank
      {173, 110, 120, "t"},
      {173, 120, 170, "0 = 3.0"},       // touches "t": no blank
      {196, 110, 150, "next"},
      {1379, 110, 150, "page two"},
  };
  EXPECT_EQ(ReportPiecesToText(pieces), "t0 = 3.0 Korras! \nnext\n\f\npage two\n");
}

}  // namespace
}  // namespace traxen
