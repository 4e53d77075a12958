// The catalogues of report words: every key has a text in every language (a key a language
// lacks would print nothing), the check names scripts read stay as they are, and the report
// takes its words from the catalogue of the language it is rendered in.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "joints/kn/kn_texts.h"
#include "joints/kn_reinforced/kn_reinforced_texts.h"
#include "joints/tyx/tyx_texts.h"
#include "joints/welds/brace_weld_texts.h"
#include "model/confirm_job.h"
#include "model/job_file.h"
#include "model/json_job.h"
#include "report/check_summary.h"
#include "families/dispatch.h"
#include "families/report_text.h"
#include "families/laid_out_report.h"
#include "report/recording_surface.h"
#include "report/report_texts.h"
#include "report/text_metrics.h"
#include "support/test_support.h"

namespace traxen {
namespace {

// Calls `check(key)` for every key of the enum (its keys run from 0 to kCount).
template <class Key, class Check>
void ForEachKey(Check check) {
  for (int i = 0; i < static_cast<int>(Key::kCount); ++i) check(static_cast<Key>(i));
}

template <class Key>
void ExpectEveryKeyInEveryLanguage(const char* catalogue) {
  for (const ReportLanguage language : kReportLanguages) {
    ForEachKey<Key>([&](Key key) {
      EXPECT_FALSE(ReportText(key, language).empty())
          << catalogue << " key " << static_cast<int>(key) << " has no text in language "
          << static_cast<int>(language);
    });
  }
}

TEST(ReportTexts, EveryKeyOfEveryCatalogueHasATextInEveryLanguage) {
  ExpectEveryKeyInEveryLanguage<ReportTextKey>("shared");
  ExpectEveryKeyInEveryLanguage<TyxTextKey>("T/Y/X");
  ExpectEveryKeyInEveryLanguage<KnTextKey>("K/N");
  ExpectEveryKeyInEveryLanguage<KnReinforcedTextKey>("reinforced K/N");
  ExpectEveryKeyInEveryLanguage<BraceWeldTextKey>("welds");
}

TEST(ReportTexts, EveryFailureModeHasItsOwnNameInEveryLanguageAndForTheChecks) {
  for (const ReportLanguage language : kReportLanguages) {
    std::set<std::string_view> names;
    ForEachKey<FailureMode>([&](FailureMode mode) {
      const std::string_view name = FailureModeName(mode, language);
      EXPECT_FALSE(name.empty()) << static_cast<int>(mode);
      EXPECT_TRUE(names.insert(name).second) << "two modes named " << name;
    });
  }
  std::set<std::string_view> check_names;
  ForEachKey<FailureMode>([&](FailureMode mode) {
    EXPECT_TRUE(check_names.insert(CheckModeName(mode)).second) << static_cast<int>(mode);
  });
}

TEST(ReportTexts, EveryConditionWordOfTheChecksHasAText) {
  ForEachKey<TyxConditionWord>([](TyxConditionWord w) { EXPECT_FALSE(TyxCheckName(w).empty()); });
  ForEachKey<KnConditionWord>([](KnConditionWord w) { EXPECT_FALSE(KnCheckName(w).empty()); });
  ForEachKey<KnPlateRequirementWord>(
      [](KnPlateRequirementWord w) { EXPECT_FALSE(KnPlateRequirementCheckName(w).empty()); });
}

// `check --json` and `--csv` print these names; scripts match them, so they never change.
TEST(ReportTexts, CheckModeNamesStayAsScriptsReadThem) {
  struct Case {
    const char* family;
    const char* report;
    const char* mode;
    const char* name;
  };
  const Case cases[] = {
      {"tyx", "plain", "1", "chord face failure"},
      {"tyx", "reinforced", "1", "face plate failure (brace in tension)"},
      {"kn", "reinforced", "1", "chord face failure"},
      {"kn", "plain", "2", "brace failure"},
      {"kn", "plain", "3a", "chord shear"},
      {"kn", "plain", "3b", "chord axial resistance under shear"},
      {"kn", "plain", "4", "punching shear"},
      {"kn", "plain", "overlap", "overlap: brace failure"},
      {"tyx", "plain", "governing", "governing of chord face, brace, chord side wall and punching shear"},
      {"tyx", "reinforced", "governing", "governing of the reinforced chord (brace in compression)"},
      {"kn", "plain", "5", "5"},  // a code this program does not know stays as it is
  };
  for (const Case& c : cases) {
    CheckSummary s;
    s.family = c.family;
    s.report = c.report;
    ResistanceVerdict v;
    v.mode = c.mode;
    EXPECT_EQ(ModeName(s, v), c.name) << c.family << " " << c.report << " " << c.mode;
  }
}

Job ConfirmedJob(const char* json) {
  JsonJob read;
  EXPECT_FALSE(ReadJsonJob(json, "job.json", read)) << json;
  ConfirmJsonJob(read.job, read.present);
  return read.job;
}

// The words of a rendered report are the catalogue's: the shared verdicts, the family's
// headings and the weld section all appear as the Estonian catalogue gives them.
TEST(ReportTexts, TheReportPrintsTheCatalogueOfItsLanguage) {
  const Job tyx = ConfirmedJob(R"({"family": {"is_tyx": 1},
      "tyx": {"h0": 200, "b0": 200, "t0": 8, "h1": 120, "b1": 120, "t1": 6,
              "N0": -271.6, "M0": 2.81, "N1": -152.0, "theta1": 60}})");
  const Job kn = ConfirmedJob(R"({"family": {"is_kn": 1},
      "kn": {"h0": 200, "b0": 200, "t0": 8, "h1": 100, "b1": 100, "t1": 5, "h2": 120, "b2": 100,
             "t2": 6, "N0_left": -271.6, "M0": 2.5, "N1": -152.0, "theta1": 45, "theta2": 60,
             "e": 40}})");
  for (const ReportLanguage language : kReportLanguages) {
    const std::string tyx_text = RenderReportText(tyx, ReportInputs{}, 1, true, language);
    const std::string kn_text = RenderReportText(kn, ReportInputs{}, 2, true, language);
    for (const std::string* text : {&tyx_text, &kn_text}) {
      EXPECT_NE(text->find(ReportText(ReportTextKey::kPassed, language)), std::string::npos);
      EXPECT_NE(text->find(ReportText(ReportTextKey::kValidityHeading, language)), std::string::npos);
      EXPECT_NE(text->find(ReportText(BraceWeldTextKey::kHeading, language)), std::string::npos);
    }
    EXPECT_NE(tyx_text.find(ReportText(ReportTextKey::kTitleTyx, language)), std::string::npos);
    EXPECT_NE(tyx_text.find(ReportText(TyxTextKey::kChordHeading, language)), std::string::npos);
    EXPECT_NE(kn_text.find(ReportText(ReportTextKey::kTitleKnGap, language)), std::string::npos);
    EXPECT_NE(kn_text.find(ReportText(KnTextKey::kGapBothBraces, language)), std::string::npos);
    EXPECT_EQ(CheckJob(kn, ReportInputs{}, 2, language).title, ReportText(ReportTextKey::kTitleKnGap, language));
  }
}

// Every job of the reviewed reports, T/Y/X, K/N and reinforced K/N.
std::vector<std::string> GoldenJobs() {
  std::vector<std::string> jobs;
  for (const char* folder :
       {"joints/tyx/jobs", "joints/kn/reports", "joints/kn_reinforced", "joints/chs/jobs", "joints/rc/jobs"})
    for (const auto& entry : std::filesystem::directory_iterator(testing::TestPath(folder)))
      if (entry.path().extension() == ".json") jobs.push_back(entry.path().string());
  std::sort(jobs.begin(), jobs.end());
  return jobs;
}

struct DrawnReport {
  RecordingSurface surface;
  std::vector<ReportTextPiece> pieces;
};

// The whole drawing of a golden job in `language`: header, footer, sketch and lines. The job's
// own texts (job name, client, author, owner) are left out, so that every word is the program's.
void DrawGoldenJob(const std::string& path, ReportLanguage language, DrawnReport& out) {
  LoadedJob loaded;
  const LoadError e = LoadJobFile(path, testing::SourcePath("data/Profiilid"), loaded);
  ASSERT_FALSE(e) << e.message;
  loaded.job.info.job_name = loaded.job.info.client = loaded.job.info.calculated_by = loaded.job.info.owner = "";
  RenderOptions options;
  options.language = language;
  options.text_log = &out.pieces;
  RenderReport(out.surface, loaded.job, ReportInputs{}, loaded.last_dialog, options);
}

std::string AllTexts(const RecordingSurface& surface) {
  std::string all;
  for (const auto& t : surface.texts()) all += t.text + "\n";
  return all;
}

// A report is wholly in its language: no word of the other one slips in through a text that
// was never put in a catalogue.
TEST(ReportTexts, AReportHoldsNoWordOfTheOtherLanguage) {
  // The emblem's firm name ("NÄIDISFIRMA") is a name, the same in every language.
  const char* estonian[] = {"Korras", "Ei rahulda", "VÖÖ", "Vöö", "VARRAS", "varras", "SÕLM", "kandevõime",
                            "Leht", "TÖÖ", "TELLIJA", "Arvutas", "omanik", "KEEVIS", "seega", " kus ", "kui ",
                            "tabel", "õ", "ä", "ö", "ü", "Õ", "Ö", "Ü"};
  const char* english[] = {"NOT OK", "resistance", "Chord", "chord", "Brace", "brace", "Page", "JOINT", "Job",
                           "Client", "where", "when", "WELDS"};
  const std::vector<std::string> jobs = GoldenJobs();
  ASSERT_GE(jobs.size(), 15u);
  for (const std::string& job : jobs) {
    DrawnReport et, en;
    DrawGoldenJob(job, ReportLanguage::kEstonian, et);
    DrawGoldenJob(job, ReportLanguage::kEnglish, en);
    const std::string et_text = AllTexts(et.surface), en_text = AllTexts(en.surface);
    for (const char* word : estonian)
      EXPECT_EQ(en_text.find(word), std::string::npos) << job << ": English report has \"" << word << "\"";
    for (const char* word : english)
      EXPECT_EQ(et_text.find(word), std::string::npos) << job << ": Estonian report has \"" << word << "\"";
  }
}

// An English report writes its formulas as EN 1993-1-8 does: a decimal point, "×" for a
// product (never "*" or the letter x), comma subscripts (b_e,p, V_pl,Rd, N_0,Ed), whatever
// the Estonian report beside it writes.
TEST(ReportTexts, AnEnglishReportWritesItsFormulasAsEnDoes) {
  const char* estonian_notation[] = {"1,3", "0,4", "1,5", "*", "x1000", "e.p", "e.ov", "pl.Rd", "0.Ed", "0.Rd",
                                     ", Ed", ",LRd", "T TRAXEN", " - JOINT"};
  for (const std::string& job : GoldenJobs()) {
    DrawnReport en;
    DrawGoldenJob(job, ReportLanguage::kEnglish, en);
    const std::string text = AllTexts(en.surface);
    for (const char* notation : estonian_notation)
      EXPECT_EQ(text.find(notation), std::string::npos) << job << ": English report has \"" << notation << "\"";
  }
}

// Longer words move what follows them, never onto it: every text stays inside the frame, the
// header's title clear of the emblem, and the pieces of a line (a verdict after its number)
// one after the other.
TEST(ReportTexts, EveryReportStaysInsideItsFrameInEveryLanguage) {
  constexpr int kFrameRight = 850, kEmblemLeft = 600, kHeaderBottom = 100;
  for (const std::string& job : GoldenJobs()) {
    for (const ReportLanguage language : kReportLanguages) {
      DrawnReport r;
      DrawGoldenJob(job, language, r);
      const int lang = static_cast<int>(language);
      for (const auto& t : r.surface.texts()) {
        const int right = t.at.x + ReportTextWidth(t.font, t.text);
        EXPECT_LE(right, kFrameRight) << job << " language " << lang << ": '" << t.text << "'";
        if (t.at.y % kReportPageHeight < kHeaderBottom && t.at.x < kEmblemLeft) {
          EXPECT_LE(right, kEmblemLeft) << job << " language " << lang << ": '" << t.text << "'";
        }
      }
      for (std::size_t i = 1; i < r.pieces.size(); ++i) {
        const ReportTextPiece& a = r.pieces[i - 1];
        const ReportTextPiece& b = r.pieces[i];
        if (a.line_y == b.line_y) {
          EXPECT_GE(b.x, a.x_end) << job << " language " << lang << ": '" << a.text << "' / '" << b.text << "'";
        }
      }
    }
  }
}

}  // namespace
}  // namespace traxen
