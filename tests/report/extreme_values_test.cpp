// Jobs with extreme values that every reader accepts (inside the range of each key, however
// close to its edge) never print a verdict "Korras!" beside "inf" or "nan", and a job that
// passes prints neither anywhere. A fixed seed makes every run sweep the same jobs.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <cctype>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/job_file.h"
#include "model/job_template.h"
#include "model/json_job_keys.h"
#include "model/value_ranges.h"
#include "families/dispatch.h"
#include "report/text_metrics.h"
#include "families/report_text.h"

namespace traxen {
namespace {

using Json = nlohmann::ordered_json;

struct Variant {
  const char* name;
  const char* family;  // "tyx" or "kn"
  Json job;
};

std::vector<Variant> Variants() {
  const auto from = [](const char* family) { return Json::parse(TemplateJobText(TemplateJob(family))); };
  std::vector<Variant> v;
  v.push_back({"T/Y", "tyx", from("tyx")});
  v.push_back({"X", "tyx", from("x")});
  Json reinforced = from("x");
  reinforced["tyx"]["face_plate"] = 1, reinforced["tyx"]["side_plates"] = 1;
  v.push_back({"X with face and side plates", "tyx", reinforced});
  Json tension = from("tyx");
  tension["tyx"]["face_plate"] = 1, tension["tyx"]["N1"] = 150;
  v.push_back({"T/Y in tension with a face plate", "tyx", tension});
  v.push_back({"K/N gap", "kn", from("kn")});
  Json gap_plates = from("kn");
  gap_plates["kn"]["face_plate"] = 1, gap_plates["kn"]["side_plates"] = 1;
  v.push_back({"K/N gap with face and side plates", "kn", gap_plates});
  Json overlap = from("kn");
  const Json overlapping = Json::parse(R"({"h0": 200, "b0": 200, "t0": 8, "h1": 80, "b1": 80, "t1": 5, "h2": 100,
      "b2": 100, "t2": 5, "N0_left": -250, "M0": 1.5, "N1": -180, "theta1": 45, "theta2": 45, "e": -50})");
  for (const auto& [key, value] : overlapping.items()) overlap["kn"][key] = value;
  v.push_back({"K/N overlap", "kn", overlap});
  Json overlap_plate = overlap;
  overlap_plate["kn"]["overlap_plate"] = 1;
  v.push_back({"K/N overlap with a plate between the braces", "kn", overlap_plate});
  return v;
}

// The numeric keys a user of the family sets, and which of them name a value of the job.
std::vector<const JobKey*> VariedKeys(const std::string& family) {
  std::vector<const JobKey*> keys;
  for (const JobKey& k : JobKeys()) {
    const std::string name(k.name);
    const std::string group = name.substr(0, name.find('.'));
    const bool numeric = k.role == KeyRole::kNumber || k.role == KeyRole::kDimension ||
                         k.role == KeyRole::kAction || k.role == KeyRole::kPlate ||
                         (k.role == KeyRole::kOptional && group == "chord");
    if (!numeric) continue;
    if (group == "tyx" || group == "kn") {
      if (group != family) continue;
    } else if (group != "steel" && group != "len" && group != "plate" && group != "chord") {
      continue;
    }
    keys.push_back(&k);
  }
  return keys;
}

// Values at the edges of each range, all of them inside it.
const std::vector<double>& Extremes(ValueRange range) {
  static const std::vector<double> positive{1e-9, 1e-3, 0.5, 1e6, 1e9, 1e12};
  static const std::vector<double> angle{1e-9, 1e-3, 0.5, 90, 179.5, 179.999, 180 - 1e-9};
  static const std::vector<double> factor{1.0, 1.0 + 1e-9, 1e3, 1e9, 1e12};
  static const std::vector<double> any{0, 1e-9, -1e-9, 1e6, -1e6, 1e12, -1e12};
  static const std::vector<double> strength{100, 100 + 1e-9, 460, 1000 - 1e-9, 1000};
  static const std::vector<double> modulus{150000, 150000 + 1e-9, 210000, 250000};
  switch (range) {
    case ValueRange::kPositive: return positive;
    case ValueRange::kStrength: return strength;
    case ValueRange::kElasticModulus: return modulus;
    case ValueRange::kAngle: return angle;
    case ValueRange::kPartialFactor: return factor;
    case ValueRange::kAnyFinite: return any;
  }
  return any;
}

// "inf" or "nan" as a word of its own, in any case ("-inf", "= nan MPa"; not "info").
bool ShowsNotANumber(const std::string& line) {
  const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  for (std::size_t i = 0; i + 3 <= line.size(); ++i) {
    std::string word = line.substr(i, 3);
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if ((word == "inf" || word == "nan") && (i == 0 || !letter(line[i - 1])) &&
        (i + 3 == line.size() || !letter(line[i + 3])))
      return true;
  }
  return false;
}

// A surface that keeps nothing but measures text as the text output does: the lines come
// from the canvas's text log, and recording every drawing would cost most of the sweep.
class MeasuringSurface : public DrawingSurface {
 public:
  void setPen(const Pen&) override {}
  void setBrush(Color) override {}
  void setFont(const Font& font) override { font_ = font; }
  void setTextColor(Color) override {}
  void setBackgroundColor(Color) override {}
  void drawText(Point, std::string_view) override {}
  int textWidth(std::string_view text) override { return ReportTextWidth(font_, text); }
  void drawLine(Point, Point) override {}
  void drawPolyline(std::span<const Point>) override {}
  void drawRect(Point, Point) override {}

 private:
  Font font_;
};

// The report's lines as the text output prints them. The sketch holds no report line, so
// most jobs leave it out (it costs most of a rendering); every 25th draws it as well, which
// must neither fail nor change a line.
std::string ReportLines(const LoadedJob& loaded, bool sketch) {
  MeasuringSurface surface;
  std::vector<ReportTextPiece> pieces;
  RenderOptions options;
  options.text_log = &pieces;
  options.sketch = sketch;
  RenderReport(surface, loaded.job, loaded.working, loaded.last_dialog, options);
  return ReportPiecesToText(std::move(pieces));
}

std::string WithoutPageBreaks(std::string text) {
  std::erase(text, '\f');
  return text;
}

// The sanitizer build (unoptimised, every access checked) sweeps the first fifth of the same
// jobs, so that it too finishes in seconds.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSweptJobs = 1000;
#else
constexpr int kSweptJobs = 5000;
#endif

TEST(ExtremeValues, NoVerdictPassesBesideInfOrNan) {
  const std::vector<Variant> variants = Variants();
  std::mt19937 random(20261210);
  int read_jobs = 0, passed_jobs = 0;
  for (int n = 0; n < kSweptJobs; ++n) {
    const Variant& variant = variants[random() % variants.size()];
    const std::vector<const JobKey*> keys = VariedKeys(variant.family);
    Json job = variant.job;
    std::string changes;
    const int count = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < count; ++i) {
      const JobKey& key = *keys[random() % keys.size()];
      const std::string name(key.name);
      const std::vector<double>& values = Extremes(RangeOfKey(name));
      const double value = values[random() % values.size()];
      job[name.substr(0, name.find('.'))][name.substr(name.find('.') + 1)] = value;
      changes += " " + name + "=" + Json(value).dump();
    }
    SCOPED_TRACE(std::string(variant.name) + ":" + changes);

    LoadedJob loaded;
    // Every value lies in its range, so only a member whose wall fills it may be refused.
    if (const LoadError e = LoadJsonJobText(job.dump(), "sweep.json", loaded)) {
      ASSERT_NE(e.message.find("leaves no hole"), std::string::npos) << e.message;
      continue;
    }
    ++read_jobs;
    const std::string text = ReportLines(loaded, false);
    if (n % 25 == 0) {
      ASSERT_EQ(WithoutPageBreaks(ReportLines(loaded, true)), WithoutPageBreaks(text));
    }
    const bool passed = CheckJob(loaded.job, loaded.working, loaded.last_dialog).passed();
    passed_jobs += passed;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      if (passed) {
        ASSERT_FALSE(ShowsNotANumber(line)) << "a passing report prints: " << line;
      }
      if (line.find("Korras!") != std::string::npos) {
        ASSERT_FALSE(ShowsNotANumber(line)) << "a verdict passes beside: " << line;
      }
    }
  }
  // The sweep reaches computed and passing reports, not only refused jobs and joints.
  EXPECT_GT(read_jobs, kSweptJobs * 3 / 5);
  EXPECT_GT(passed_jobs, kSweptJobs / 50);
}

}  // namespace
}  // namespace traxen
