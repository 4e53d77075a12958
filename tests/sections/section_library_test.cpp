// The section library as the joint dialogs use it: the shipped tables, list filling with the
// position rules, row selection and completion, and the failures with their messages.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "sections/section_completion.h"
#include "sections/section_library.h"
#include "sections/temp_dir.h"
#include "support/test_support.h"

namespace traxen {
namespace {

using testing::SourcePath;
using testing::TempDir;

SectionLibrary Shipped() { return SectionLibrary(SourcePath("data/Profiilid")); }

SectionProperties Select(const SectionLibrary& library, std::string_view type, int position) {
  std::optional<SelectedSection> s;
  const LibraryError e = library.SelectSection(type, position, s);
  EXPECT_FALSE(e) << e.Text();
  if (!s) {
    ADD_FAILURE() << "no row selected";
    return {};
  }
  return s->row;
}

TEST(ShippedLibrary, EveryTypeOfTheListReadsCompletely) {
  const SectionLibrary library = Shipped();
  std::vector<std::string> types;
  ASSERT_FALSE(library.LoadTypeList(types)) << library.LoadTypeList(types).Text();
  ASSERT_FALSE(types.empty());
  EXPECT_EQ(types[0], "RUUTTORU");
  for (const std::string& type : types) {
    SectionList list;
    const LibraryError e = library.FillSectionList(type, Member::kChord, 1, list);
    EXPECT_FALSE(e) << type << ": " << e.Text();
    EXPECT_GT(list.labels.size(), 1u) << type;
  }
}

// The default list positions of a new job land on the first type's rows so that the chord is
// wider than its braces.
TEST(ShippedLibrary, DefaultPositionsLandOnMeaningfulSquareSections) {
  const SectionLibrary library = Shipped();
  EXPECT_EQ(Select(library, "RUUTTORU", 41).name, "100x100x5");  // T/Y/X chord
  EXPECT_EQ(Select(library, "RUUTTORU", 36).name, "90x90x5");    // T/Y/X brace
  EXPECT_EQ(Select(library, "RUUTTORU", 79).name, "220x220x8");  // K/N chord
  EXPECT_EQ(Select(library, "RUUTTORU", 42).name, "100x100x6");  // K/N brace 1
  EXPECT_EQ(Select(library, "RUUTTORU", 28).name, "70x70x5");    // K/N brace 2
}

// A sample of rows against published section tables, within the tables' rounding:
// cold-formed SHS 100x100x5 and CHS 168.3x6 (EN 10219-2, three significant figures),
// IPE 200 (four significant figures).
TEST(ShippedLibrary, SampleRowsMatchPublishedTables) {
  const SectionLibrary library = Shipped();
  const SectionProperties shs = Select(library, "RUUTTORU", 41);
  EXPECT_REL_NEAR(shs.A, 18.4, 0.003);
  EXPECT_REL_NEAR(shs.Iy, 271.0, 0.002);
  EXPECT_REL_NEAR(shs.Wy, 54.2, 0.002);
  EXPECT_REL_NEAR(shs.Wply, 64.6, 0.002);

  SectionTable ipe;
  ASSERT_FALSE(library.ReadTable("IPE", ipe));
  const auto ipe200 = std::find_if(ipe.begin(), ipe.end(), [](const auto& r) { return r.name == "200"; });
  ASSERT_NE(ipe200, ipe.end());
  EXPECT_REL_NEAR(ipe200->A, 28.48, 0.001);
  EXPECT_REL_NEAR(ipe200->Wply, 220.6, 0.001);

  SectionTable tubes;
  ASSERT_FALSE(library.ReadTable("YMARTORU", tubes));
  const auto chs = std::find_if(tubes.begin(), tubes.end(), [](const auto& r) { return r.name == "168.3x6"; });
  ASSERT_NE(chs, tubes.end());
  SectionProperties tube = *chs;
  CompleteSectionRow(SectionKind::kRoundTube, tube);  // a tube row holds only D and t
  EXPECT_REL_NEAR(tube.A, 30.6, 0.003);
  EXPECT_REL_NEAR(tube.Wy, 120.0, 0.005);
}

// A small library written for the test: a 10-row square type, a one-row I type.
class SmallLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("profdeftraxen.txt", "TEST 3\nRUUTTORU a\nIPE b\nRISTTORU_I c\n");
    std::string rows = "10\n";
    for (int i = 0; i < 10; ++i) {
      const int h = 20 + 10 * i;
      rows += fmt::format("{0}x{0}x3 {0} {0} 3 {1} 2 3 4 5 6 7\n", h, 1.0 + i);
    }
    dir_.Write("ruuttoru.prf", rows);
    dir_.Write("ipe.prf", "1\n200 200 28.5 1943 194.3 220.6 8.26 142.4 28.5 44.6 2.24 6.98 13052 100 5.6 8.5 12\n");
  }
  SectionList Fill(std::string_view type, int previous, Member member = Member::kChord) {
    SectionList list;
    const LibraryError e = library_.FillSectionList(type, member, previous, list);
    EXPECT_FALSE(e) << e.Text();
    return list;
  }

  TempDir dir_;
  SectionLibrary library_{dir_.path()};
};

TEST_F(SmallLibrary, RefillingAListMovesThePreviousPositionIntoRange) {
  const struct {
    const char* type;
    int previous;
    int position;
  } cases[] = {
      {"RUUTTORU", 41, 9},  // beyond the end of 10 rows: the last row
      {"RUUTTORU", 0, 1},   // 0 becomes the second row
      {"RUUTTORU", 5, 5},
      {"RUUTTORU", 9, 9},
      {"IPE", 0, 0},        // one row: 0 -> 1 -> back to the last row, 0
      {"IPE", 7, 0},
  };
  for (const auto& c : cases) {
    const SectionList list = Fill(c.type, c.previous);
    EXPECT_EQ(list.position, c.position) << c.type << " " << c.previous;
    ASSERT_TRUE(list.row.has_value());
  }
  EXPECT_EQ(Fill("RUUTTORU", 41).row->name, "110x110x3");
}

TEST_F(SmallLibrary, NoPreviousSelectionSelectsNothing) {
  const SectionList list = Fill("RUUTTORU", -1);
  EXPECT_EQ(list.position, -1);
  EXPECT_FALSE(list.row.has_value());
  EXPECT_EQ(list.labels.size(), 10u);
}

TEST_F(SmallLibrary, ListsLabelsAndTheMembersStandardLine) {
  const SectionList chord = Fill("RUUTTORU", 1);
  EXPECT_EQ(chord.labels.front(), "  20x20x3");
  EXPECT_EQ(chord.standard_line, "NORM:_SFS_200_DIN_17100");
  EXPECT_EQ(Fill("RUUTTORU", 1, Member::kBrace).standard_line, "NORM:_SFS_200_DIN_17100");
  const SectionList ipe = Fill("IPE", 0, Member::kChord);
  EXPECT_EQ(ipe.labels, std::vector<std::string>{"IPE 200"});
  EXPECT_EQ(ipe.standard_line, "NORM:  SFS 200 DIN 17100");
  EXPECT_EQ(Fill("IPE", 0, Member::kBrace).standard_line, std::string(55, ' '));
}

TEST_F(SmallLibrary, SelectingTakesTheRowAtThePositionOrTheLastOne) {
  std::optional<SelectedSection> s;
  ASSERT_FALSE(library_.SelectSection("RUUTTORU", 0, s));
  EXPECT_EQ(s->position, 0);
  EXPECT_EQ(s->row.name, "20x20x3");  // position 0 chosen explicitly is the first row
  ASSERT_FALSE(library_.SelectSection("RUUTTORU", 500, s));
  EXPECT_EQ(s->position, 9);
  EXPECT_EQ(s->row.name, "110x110x3");
  ASSERT_FALSE(library_.SelectSection("RUUTTORU", -1, s));
  EXPECT_FALSE(s.has_value());
}

TEST_F(SmallLibrary, FailuresCarryTheMessageBoxTextAndTheFile) {
  std::optional<SelectedSection> s;
  LibraryError e = library_.SelectSection("RISTTORU_I", 1, s);  // listed, but no file
  EXPECT_EQ(e.message, "Ei saa avadaa faili .prf");
  EXPECT_NE(e.detail.find(dir_.File("risttoru.prf")), std::string::npos) << e.detail;

  e = library_.SelectSection("HEX", 1, s);  // no type of that name
  EXPECT_EQ(e.message, "Ei saa avadaa faili .prf");
  EXPECT_NE(e.detail.find("'HEX'"), std::string::npos) << e.detail;

  dir_.Write("ipe.prf", "2\n200 200 28.5\n");
  e = library_.SelectSection("IPE", 0, s);
  EXPECT_EQ(e.message, "Profiilifail on vigane!");
  EXPECT_EQ(e.detail, dir_.File("ipe.prf") + ": line 2: row 1 (200): the file ends after 2 of the 16 numbers of an "
                                             "I-section row");

  std::vector<std::string> types;
  e = SectionLibrary(dir_.File("nowhere")).LoadTypeList(types);
  EXPECT_EQ(e.message, "profdeftraxen.txt ei leidnud!");
  EXPECT_EQ(e.detail, dir_.File("nowhere/profdeftraxen.txt") + ": cannot open: No such file or directory");

  dir_.Write("profdeftraxen.txt", "TEST 4\nRUUTTORU a\n");
  e = library_.LoadTypeList(types);
  EXPECT_EQ(e.message, "profdeftraxen.txt on vigane!");
  EXPECT_TRUE(types.empty());
}

TEST(RowCompletion, HollowSectionsGetTheirCornerRadiusFromTheWall) {
  const struct {
    double t, r;
  } cases[] = {{5, 10}, {6, 12}, {6.3, 15.75}, {8, 20}, {10, 25}, {12, 36}, {12.5, 37.5}};
  for (const auto& c : cases) {
    for (SectionKind kind : {SectionKind::kSquareHollow, SectionKind::kRectangularHollow}) {
      SectionProperties row;
      row.t = c.t;
      CompleteSectionRow(kind, row);
      EXPECT_DOUBLE_EQ(row.r, c.r) << c.t;
      EXPECT_EQ(row.tf, c.t);
    }
  }
}

TEST(RowCompletion, SquareSectionsMirrorTheirMajorAxis) {
  SectionProperties row;
  row.Iy = 271.1, row.Wy = 54.22, row.Wply = 64.59;
  CompleteSectionRow(SectionKind::kSquareHollow, row);
  EXPECT_EQ(row.Iz, 271.1);
  EXPECT_EQ(row.Wz, 54.22);
  EXPECT_EQ(row.Wplz, 64.59);

  SectionProperties rect;
  rect.Iy = 1703.3, rect.Iz = 576.9;
  CompleteSectionRow(SectionKind::kRectangularHollow, rect);
  EXPECT_EQ(rect.Iz, 576.9);  // a rectangular row keeps its own minor axis
}

TEST(RowCompletion, ChannelsTakeTheFlangeAsRadiusAndISectionsKeepTheirValues) {
  SectionProperties u;
  u.tf = 8.5, u.r = 99;
  CompleteSectionRow(SectionKind::kChannel, u);
  EXPECT_EQ(u.r, 8.5);
  SectionProperties i;
  i.Wply = 1, i.It = 1, i.r = 12;  // a placeholder 1 stays the file's value
  CompleteSectionRow(SectionKind::kISection, i);
  EXPECT_EQ(i.Wply, 1);
  EXPECT_EQ(i.It, 1);
  EXPECT_EQ(i.r, 12);
}

// A tube's area, second moment and modulus come from D and t, rounded up in the last digit
// of the table (0.01 cm², 0.0001 cm⁴, 0.001 cm³).
TEST(RowCompletion, RoundTubesAreComputedFromDiameterAndWall) {
  SectionProperties row;
  row.h = 21.3, row.t = 2, row.b = 77;
  CompleteSectionRow(SectionKind::kRoundTube, row);
  // (21.3² − 17.3²) π / 4 = 121.27 mm², I = 5706.9 mm⁴, W = 2 I / D = 535.9 mm³
  EXPECT_DOUBLE_EQ(row.A, 1.22);
  EXPECT_DOUBLE_EQ(row.Iy, 0.5707);
  EXPECT_DOUBLE_EQ(row.Iz, row.Iy);
  EXPECT_DOUBLE_EQ(row.Wy, 0.537);
  EXPECT_DOUBLE_EQ(row.Wz, row.Wy);
  EXPECT_EQ(row.tf, 2);
  EXPECT_EQ(row.b, 21.3);  // the width of a tube is its diameter, not the previous row's width
  EXPECT_EQ(row.r, 0);
}

// Joint members are square and rectangular hollow sections, nothing else the library holds.
TEST(SectionTypes, OnlyHollowSectionsAreJointMembers) {
  for (const char* name : {"RUUTTORU", "RISTTORU_I", "RISTTORU_II"}) EXPECT_TRUE(IsJointMemberType(name)) << name;
  for (const char* name : {"I", "IPE", "HEA", "HEB", "HEM", "I_(VENE)", "U", "USP_(VENE)", "YMARTORU", "ruuttoru",
                           "RUUTTORU ", ""})
    EXPECT_FALSE(IsJointMemberType(name)) << name;
  EXPECT_EQ(JointMemberTypeNames("või"), "RUUTTORU, RISTTORU_I või RISTTORU_II");
}

}  // namespace
}  // namespace traxen
