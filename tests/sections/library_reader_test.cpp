// Parsing the list file and type files from text: the values land in their columns, and a
// malformed file is reported with its line, row and reason instead of being read out of step.
#include <gtest/gtest.h>

#include "sections/library_reader.h"

namespace traxen {
namespace {

TEST(SectionTableReader, PutsEachKindsNumbersIntoTheirColumns) {
  SectionTable table;
  // An I-section row wrapped over two lines, and a channel row.
  ASSERT_EQ(ParseSectionTable("1\n200 200 28.5 1943 194.3 220.6 8.26\n142.4 28.5 44.6 2.24 6.98 13052 100 5.6 8.5 12\n",
                              "ipe.prf", SectionKind::kISection, table),
            "");
  ASSERT_EQ(table.size(), 1u);
  const SectionProperties& i = table[0];
  EXPECT_EQ(i.name, "200");
  EXPECT_EQ(i.h, 200);
  EXPECT_EQ(i.A, 28.5);
  EXPECT_EQ(i.Wply, 220.6);
  EXPECT_EQ(i.extra1, 8.26);
  EXPECT_EQ(i.Iz, 142.4);
  EXPECT_EQ(i.Iw, 13052);
  EXPECT_EQ(i.b, 100);
  EXPECT_EQ(i.t, 5.6);
  EXPECT_EQ(i.tf, 8.5);
  EXPECT_EQ(i.r, 12);

  ASSERT_EQ(ParseSectionTable("1\r\n100 100 50 6 8.5 13.5 10.6 206 41.2 3.91 29.3 8.49 1.47 2.81 909 1.55\r\n",
                              "uuu.prf", SectionKind::kChannel, table),
            "");
  const SectionProperties& u = table[0];
  EXPECT_EQ(u.h, 100);
  EXPECT_EQ(u.b, 50);
  EXPECT_EQ(u.t, 6);
  EXPECT_EQ(u.tf, 8.5);
  EXPECT_EQ(u.A, 13.5);
  EXPECT_EQ(u.extra4, 10.6);
  EXPECT_EQ(u.Iy, 206);
  EXPECT_EQ(u.Wy, 41.2);
  EXPECT_EQ(u.Iw, 909);
  EXPECT_EQ(u.extra3, 1.55);

  ASSERT_EQ(ParseSectionTable("2\n168.3x6 168.3 6\n21.3x2 +21.3 2e0\n", "toru.prf", SectionKind::kRoundTube, table), "");
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[1].h, 21.3);
  EXPECT_EQ(table[1].t, 2);
}

TEST(SectionTableReader, ReadsOnlyTheAnnouncedRows) {
  SectionTable table;
  ASSERT_EQ(ParseSectionTable("1\n168.3x6 168.3 6\nnot a row at all\n", "toru.prf", SectionKind::kRoundTube, table), "");
  EXPECT_EQ(table.size(), 1u);
}

struct MalformedCase {
  const char* what;
  SectionKind kind;
  const char* text;
  const char* message;
};

class MalformedTypeFile : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTypeFile, IsReportedWithLineRowAndReasonAndLeavesTheTable) {
  const MalformedCase& c = GetParam();
  SectionTable table(3);  // what the caller held before
  EXPECT_EQ(ParseSectionTable(c.text, "Profiilid/x.prf", c.kind, table), c.message);
  EXPECT_EQ(table.size(), 3u);
}

constexpr SectionKind kSquare = SectionKind::kSquareHollow;
constexpr SectionKind kI = SectionKind::kISection;

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedTypeFile,
    ::testing::Values(
        MalformedCase{"empty", kSquare, " \n", "Profiilid/x.prf: the file is empty; the number of rows is missing"},
        MalformedCase{"count not a number", kSquare, "ten\n",
                      "Profiilid/x.prf: line 1: the number of rows 'ten' is not a whole number"},
        MalformedCase{"count with decimals", kSquare, "2.5\n",
                      "Profiilid/x.prf: line 1: the number of rows '2.5' is not a whole number"},
        MalformedCase{"count zero", kSquare, "\n0\n",
                      "Profiilid/x.prf: line 2: the number of rows is 0; at least one is needed"},
        MalformedCase{"count larger than the rows", kSquare,
                      "3\n20x20x2 20 20 2 1.3 0.69 0.69 0.88 0.72 1.2 1.0\n25x25x2 25 25 2 1.7 1.5 1.2 1.5 0.92 2.5 1.4\n",
                      "Profiilid/x.prf: line 3: the file announces 3 rows but holds only 2"},
        // The next row's designation is not a number: the short row is named, not the next one.
        MalformedCase{"row with too few numbers", kSquare,
                      "2\n20x20x2 20 20 2 1.3 0.69 0.69 0.88 0.72 1.2\n25x25x2 25 25 2 1.7 1.5 1.2 1.5 0.92 2.5 1.4\n",
                      "Profiilid/x.prf: line 2: row 1 (20x20x2): only 9 of the 10 numbers of a square hollow section "
                      "row (line 3 starts with '25x25x2')"},
        // Designations of rolled sections are numbers: the short row would swallow the next row's
        // designation and shift every later row; the row boundary at the line end catches it.
        MalformedCase{"I-section row with too few numbers", kI,
                      "2\n100 100 10.3 171 34.2 39.4 4.07 15.9 5.79 9.15 1.24 1.2 354 55 4.1 5.7\n"
                      "120 120 13.2 318 53 60.7 4.9 27.7 8.65 13.6 1.45 1.74 894 64 4.4 6.3 7\n",
                      "Profiilid/x.prf: line 2: row 1 (100): only 15 of the 16 numbers of an I-section row (the row "
                      "runs into line 3)"},
        MalformedCase{"row with too many numbers", kSquare,
                      "1\n20x20x2 20 20 2 1.3 0.69 0.69 0.88 0.72 1.2 1.0 7\n",
                      "Profiilid/x.prf: line 2: row 1 (20x20x2): more than the 10 numbers of a square hollow section "
                      "row ('7' follows)"},
        MalformedCase{"non-number", kSquare, "1\n20x20x2 20 20 2 1.3 0.69 0,69 0.88 0.72 1.2 1.0\n",
                      "Profiilid/x.prf: line 2: row 1 (20x20x2): '0,69' is not a number (number 6 of 10)"},
        MalformedCase{"not finite", kSquare, "1\n20x20x2 20 20 2 nan 0.69 0.69 0.88 0.72 1.2 1.0\n",
                      "Profiilid/x.prf: line 2: row 1 (20x20x2): 'nan' is not a number (number 4 of 10)"},
        MalformedCase{"file ends inside a row", kSquare, "1\n20x20x2 20 20 2 1.3",
                      "Profiilid/x.prf: line 2: row 1 (20x20x2): the file ends after 4 of the 10 numbers of a square "
                      "hollow section row"}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(TypeListReader, ReadsTheTypeNamesInFileOrder) {
  std::vector<std::string> names;
  ASSERT_EQ(ParseTypeList("PROFIILID 3\nRUUTTORU EN10219\nIPE  EN10365\n  YMARTORU x\n", "profdeftraxen.txt", names),
            "");
  EXPECT_EQ(names, (std::vector<std::string>{"RUUTTORU", "IPE", "YMARTORU"}));
}

TEST(TypeListReader, ReportsMalformedListFiles) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"", "L: the file is empty"},
      {"HEADER\n", "L: line 1: the number of section types is missing"},
      {"HEADER\nmany\n", "L: line 2: the number of section types 'many' is not a whole number"},
      {"HEADER\n-1\n", "L: line 2: the number of section types is -1; at least one is needed"},
      {"HEADER\n3\nRUUTTORU a\nIPE b\n", "L: line 4: the file announces 3 section types but holds only 2"},
      {"HEADER\n2\nRUUTTORU\nIPE b\n",
       "L: line 3: row 1 (RUUTTORU): only 0 of the 1 words of a section type entry (the row runs into line 4)"},
      {"HEADER\n2\nRUUTTORU a b\nIPE b\n",
       "L: line 3: row 1 (RUUTTORU): more than the 1 words of a section type entry ('b' follows)"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> names{"kept"};
    EXPECT_EQ(ParseTypeList(c.text, "L", names), c.message) << c.text;
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
  }
}

}  // namespace
}  // namespace traxen
