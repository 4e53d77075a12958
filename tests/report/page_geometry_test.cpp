// Pages that never hide a number, checked on the recorded drawing of a few hundred generated
// jobs of every family (valid, invalid and hostile): the joint sketch stays in the room
// between the family title and the first report line, no label covers another or is crossed
// by a line, an arc or an arrow, and no report text runs past the frame or over other text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "joints/kn/kn_report.h"
#include "joints/kn/kn_schematic.h"
#include "joints/tyx/tyx_report.h"
#include "joints/tyx/tyx_schematic.h"
#include "model/confirm_job.h"
#include "model/job.h"
#include "model/json_job.h"
#include "families/dispatch.h"
#include "families/rhs_families.h"
#include "report/recording_surface.h"
#include "report/sketch_placement.h"
#include "report/text_metrics.h"

namespace traxen {
namespace {

struct NamedJob {
  std::string name;
  Job job;
};

struct Section {
  double h, b, t;
};

Job TyxJob(Section chord, Section brace, double theta, double N0, double N1) {
  Job job;
  TyxJoint& t = job.tyx;
  t.h0 = chord.h, t.b0 = chord.b, t.t0 = chord.t;
  t.h1 = brace.h, t.b1 = brace.b, t.t1 = brace.t;
  t.theta1 = theta;
  t.N0 = N0;
  t.N1 = N1;
  t.chord_class = 1, t.brace_class = 1;
  job.chord = {std::max(0.0, 4 * chord.b * chord.t), std::max(0.0, chord.h * chord.b * chord.t)};
  ConfirmTyx(job);
  return job;
}

Job KnJob(Section chord, Section b1, Section b2, double theta1, double theta2, double e, double N0,
          double N1) {
  Job job;
  KnJoint& k = job.kn;
  k.h0 = chord.h, k.b0 = chord.b, k.t0 = chord.t;
  k.h1 = b1.h, k.b1 = b1.b, k.t1 = b1.t;
  k.h2 = b2.h, k.b2 = b2.b, k.t2 = b2.t;
  k.theta1 = theta1, k.theta2 = theta2;
  k.e = e;
  k.N0_left = N0;
  k.N1 = N1;
  k.chord_class = 1, k.brace1_class = 1, k.brace2_class = 1;
  job.chord = {std::max(0.0, 4 * chord.b * chord.t), std::max(0.0, chord.h * chord.b * chord.t)};
  ConfirmKn(job);
  return job;
}

// The jobs the faults were found on.
std::vector<NamedJob> KnownCases() {
  std::vector<NamedJob> jobs;
  {
    Job j = KnJob({200, 200, 8}, {120, 120, 5}, {100, 100, 5}, 116.9, 75, 40, -300, -150);
    jobs.push_back({"overlap with nearly parallel inner edges", j});
  }
  jobs.push_back({"overlap at 90 and 84.2 degrees",
                  KnJob({150, 150, 8}, {100, 100, 5}, {100, 100, 5}, 90, 84.2, 0, -300, -150)});
  jobs.push_back({"eccentricity -168 on a 60 mm chord",
                  KnJob({60, 60, 5}, {50, 50, 4}, {50, 50, 4}, 45, 45, -168, -100, -50)});
  {
    Job j = KnJob({80, 120, 6}, {80, 80, 5}, {80, 80, 5}, 45, 45, 20, -300, -150);
    j.kn.face_plate = 1, j.kn.side_plates = 1;
    j.plate.face_l = 900, j.plate.face_b = 120, j.plate.side_l = 900, j.plate.side_b = 60;
    jobs.push_back({"long plates on a shallow chord", j});
  }
  jobs.push_back({"brace angles 0 and 180 with a zero brace",
                  KnJob({100, 100, 5}, {0, 0, 0}, {50, 50, 4}, 0, 180, 0, -100, -50)});
  jobs.push_back({"plain K/N gap joint",
                  KnJob({160, 160, 8}, {90, 90, 5}, {90, 90, 5}, 45, 45, 60, -400, -120)});
  {
    Job j = TyxJob({200, 200, 8}, {150, 150, 6}, 60, -420, -230);
    j.tyx.side_plates = 1;
    j.plate.side_l = 450, j.plate.side_b = 120;
    jobs.push_back({"T/Y/X with side plates", j});
  }
  jobs.push_back({"T/Y/X leaning right", TyxJob({200, 200, 8}, {100, 100, 5}, 120, -420, -230)});
  {
    Job j = TyxJob({200, 200, 8}, {150, 150, 6}, 60, -420, -230);
    j.tyx.x_joint = 1, j.tyx.face_plate = 1, j.tyx.side_plates = 1;
    j.plate.face_l = 450, j.plate.face_b = 184, j.plate.side_l = 450, j.plate.side_b = 120;
    jobs.push_back({"X joint with both plates", j});
  }
  {
    Job j = KnJob({200, 200, 8}, {100, 100, 5}, {100, 100, 5}, 45, 45, 0, -300, -150);
    j.kn.side_plates = 1;
    j.plate.side_l = 560, j.plate.side_b = 100;
    jobs.push_back({"K/N side plates", j});
  }
  {
    Job j = TyxJob({200, 200, 8}, {100, 100, 5}, 0, -420, -150);
    j.len.L1 = 0;
    jobs.push_back({"T/Y/X at 0 degrees without a brace length", j});
  }
  jobs.push_back({"T/Y/X chord force -1e308", TyxJob({200, 200, 8}, {100, 100, 5}, 90, -1e308, -150)});
  return jobs;
}

// Random jobs over the whole input space, a part of them far outside sensible ranges.
std::vector<NamedJob> RandomJobs(int count) {
  std::mt19937 rng(20261210);
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  auto chance = [&](double p) { return uniform(0, 1) < p; };
  auto round1 = [](double v) { return std::round(v * 10) / 10; };
  auto section = [&](double depth_max) {
    const double h = std::round(uniform(20, depth_max));
    const double b = chance(0.5) ? h : std::round(uniform(20, depth_max));
    return Section{h, b, round1(uniform(2, 16))};
  };
  auto angle = [&] {
    if (chance(0.05)) return chance(0.5) ? 0.0 : 180.0;
    return round1(chance(0.8) ? uniform(30, 150) : uniform(1, 179));
  };
  auto force = [&] {
    if (chance(0.03)) return chance(0.5) ? -1e308 : 1e308;
    return round1(uniform(-1500, 1500));
  };
  auto plate = [&](double typical) { return chance(0.05) ? 0.0 : std::round(uniform(0.2, 3) * typical); };

  std::vector<NamedJob> jobs;
  for (int i = 0; i < count; ++i) {
    const Section chord = section(400);
    const double h0 = chord.h;
    Job job;
    const bool tyx = i % 2 == 0;
    if (tyx) {
      job = TyxJob(chord, section(1.2 * h0), angle(), force(), force());
      job.tyx.x_joint = chance(0.3);
      job.tyx.face_plate = chance(0.3);
      job.tyx.side_plates = chance(0.3);
    } else {
      const double e = chance(0.1) ? round1(uniform(-3 * h0, 2 * h0)) : round1(uniform(-0.55, 0.25) * h0);
      job = KnJob(chord, section(1.1 * h0), section(1.1 * h0), angle(), angle(), e, force(), force());
      job.kn.face_plate = chance(0.25);
      job.kn.side_plates = chance(0.25);
      job.kn.overlap_plate = chance(0.2);
    }
    JobPlates& p = job.plate;
    p.face_l = plate(3 * h0), p.face_b = plate(h0), p.face_t = round1(uniform(1, 25));
    p.side_l = plate(3 * h0), p.side_b = plate(0.6 * h0), p.side_t = round1(uniform(1, 20));
    p.overlap_l = plate(h0), p.overlap_b = plate(h0), p.overlap_t = round1(uniform(1, 25));
    if (chance(0.05)) job.len.L0_left = 0;
    jobs.push_back({"random job " + std::to_string(i), job});
  }
  return jobs;
}

struct Box {
  double x0, y0, x1, y1;
};

bool Overlap(const Box& a, const Box& b) { return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1; }

// Independent of the production clipping: walks the segment in half-unit steps and reports a
// step strictly inside the box shrunk by one unit (a leader may end on the box's edge).
bool Crosses(Point a, Point b, const Box& box) {
  const double len = std::hypot(b.x - a.x, b.y - a.y);
  const int steps = std::max(1, static_cast<int>(std::min(len, 4000.0) * 2));
  for (int i = 0; i <= steps; ++i) {
    const double x = a.x + (b.x - a.x) * i / steps, y = a.y + (b.y - a.y) * i / steps;
    if (x > box.x0 + 1 && x < box.x1 - 1 && y > box.y0 + 1 && y < box.y1 - 1) return true;
  }
  return false;
}

struct Sketch {
  std::vector<std::pair<Point, Point>> segments;
  struct Label {
    Box box;
    std::string text;
    size_t order;
  };
  std::vector<Label> labels;
  struct Fill {
    Box box;
    size_t order;
  };
  std::vector<Fill> fills;
  std::vector<Point> points;
};

Sketch Read(const std::vector<DrawOp>& ops) {
  Sketch s;
  Pen pen;
  Color brush = kWhite;
  Font font;
  for (size_t i = 0; i < ops.size(); ++i) {
    const DrawOp& o = ops[i];
    switch (o.kind) {
      case DrawOp::Kind::SetPen: pen = o.pen; break;
      case DrawOp::Kind::SetBrush: brush = o.color; break;
      case DrawOp::Kind::SetFont: font = o.font; break;
      case DrawOp::Kind::Text: {
        const double w = ReportTextWidth(font, o.text);
        s.labels.push_back({{double(o.a.x), double(o.a.y), o.a.x + w, double(o.a.y + font.height)}, o.text, i});
        s.points.push_back(o.a);
        s.points.push_back({o.a.x + static_cast<int>(w), o.a.y + font.height});
        break;
      }
      case DrawOp::Kind::Line:
        s.segments.push_back({o.a, o.b});
        s.points.push_back(o.a), s.points.push_back(o.b);
        break;
      case DrawOp::Kind::Polyline:
        for (size_t j = 1; j < o.points.size(); ++j) s.segments.push_back({o.points[j - 1], o.points[j]});
        for (const Point& p : o.points) s.points.push_back(p);
        break;
      case DrawOp::Kind::Rect: {
        if (pen.color == kWhite) break;  // clears the background only
        const Point c{o.a.x, o.b.y}, d{o.b.x, o.a.y};
        s.segments.push_back({o.a, c}), s.segments.push_back({c, o.b});
        s.segments.push_back({o.b, d}), s.segments.push_back({d, o.a});
        s.points.push_back(o.a), s.points.push_back(o.b);
        if (!(brush == kWhite))
          s.fills.push_back({{double(std::min(o.a.x, o.b.x)), double(std::min(o.a.y, o.b.y)),
                              double(std::max(o.a.x, o.b.x)), double(std::max(o.a.y, o.b.y))},
                             i});
        break;
      }
      default: break;
    }
  }
  return s;
}

// The first line of the report stands this far below the text area's top.
int FirstLineOffset(const Job& job) {
  if (job.family.is_tyx == 1) return (job.tyx.x_joint == 1 ? kTyxXJointSketchRoom : kTyxSketchRoom) + 23;
  return (job.kn.overlap_plate == 1 ? kKnBetweenPlateSketchRoom : kKnSketchRoom) + 23;
}

std::vector<std::string> SketchProblems(const Job& job) {
  RecordingSurface surface;
  ReportCanvas canvas(surface);
  ReportInputs in;
  if (job.family.is_tyx == 1) {
    CopyTyxInputs(job, in);
    DrawTyxSchematic(canvas, in);
  } else {
    CopyKnInputs(job, in);
    StoreKnGeometry(in);
    DrawKnSchematic(canvas, in);
  }
  const Sketch s = Read(surface.ops());
  const SketchArea area = ReportSketchArea(FirstLineOffset(job));
  std::vector<std::string> problems;
  for (const Point& p : s.points) {
    if (p.x < area.from.x || p.x > area.to.x || p.y < area.from.y || p.y > area.to.y) {
      problems.push_back("drawn outside the sketch area at " + std::to_string(p.x) + "," + std::to_string(p.y));
      break;
    }
  }
  for (size_t i = 0; i < s.labels.size(); ++i) {
    const auto& label = s.labels[i];
    for (size_t j = i + 1; j < s.labels.size(); ++j)
      if (Overlap(label.box, s.labels[j].box))
        problems.push_back("\"" + label.text + "\" overlaps \"" + s.labels[j].text + "\"");
    for (const auto& [a, b] : s.segments)
      if (Crosses(a, b, label.box)) {
        problems.push_back("a line from " + std::to_string(a.x) + "," + std::to_string(a.y) + " to " +
                           std::to_string(b.x) + "," + std::to_string(b.y) + " crosses \"" + label.text + "\"");
        break;
      }
    for (const auto& fill : s.fills)
      if (fill.order > label.order && Overlap(fill.box, label.box))
        problems.push_back("a plate covers \"" + label.text + "\"");
  }
  return problems;
}

std::vector<std::string> TextProblems(const Job& job) {
  RecordingSurface surface;
  std::vector<ReportTextPiece> pieces;
  RenderOptions options;
  options.text_log = &pieces;
  RenderReport(surface, job, ReportInputs{}, job.family.is_tyx == 1 ? 1 : 2, options);
  const int first_line_y = 150 + FirstLineOffset(job);
  std::vector<std::string> problems;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const ReportTextPiece& p = pieces[i];
    if (p.text.find_first_not_of(' ') == std::string::npos) continue;
    const int page_y = p.line_y % 1229;
    if (p.x < 80 || p.x_end > 850)
      problems.push_back("\"" + p.text + "\" runs past the frame (" + std::to_string(p.x) + " to " +
                         std::to_string(p.x_end) + ")");
    if (page_y < 120 || page_y > 1100 - 19) problems.push_back("\"" + p.text + "\" is outside the text area");
    if (p.line_y > 160 && p.line_y < first_line_y) problems.push_back("\"" + p.text + "\" is in the sketch's room");
    for (size_t j = i + 1; j < pieces.size(); ++j) {
      const ReportTextPiece& q = pieces[j];
      if (q.line_y != p.line_y || q.text.find_first_not_of(' ') == std::string::npos) continue;
      // Trailing and leading blanks may touch the next piece; the visible text may not.
      const int p_end = p.x_end - (p.text.back() == ' ' ? 4 : 0);
      const int q_end = q.x_end - (q.text.back() == ' ' ? 4 : 0);
      if (p.x < q_end && q.x < p_end)
        problems.push_back("\"" + p.text + "\" and \"" + q.text + "\" overlap on the line at y " +
                           std::to_string(p.line_y));
    }
  }
  return problems;
}

// With TRAXEN_GEOMETRY_DUMP set to a directory, each failing job is written there as a JSON
// job that traxen-cli can render.
void DumpJob(const NamedJob& j) {
  const char* dir = std::getenv("TRAXEN_GEOMETRY_DUMP");
  if (dir == nullptr) return;
  std::string name = j.name;
  std::replace(name.begin(), name.end(), ' ', '_');
  std::ofstream(std::string(dir) + "/" + name + ".json") << WriteJsonJob(j.job);
}

void ExpectClean(const std::vector<NamedJob>& jobs, bool sketch) {
  int reported = 0, failing = 0;
  for (const NamedJob& j : jobs) {
    const std::vector<std::string> problems = sketch ? SketchProblems(j.job) : TextProblems(j.job);
    if (problems.empty()) continue;
    ++failing;
    DumpJob(j);
    if (reported++ < 12) ADD_FAILURE() << j.name << ": " << problems.front() << " (" << problems.size() << " problems)";
  }
  EXPECT_EQ(failing, 0) << "of " << jobs.size() << " jobs";
}

TEST(PageGeometry, SketchesOfTheKnownFaultsStayInTheirRoomWithFreeLabels) { ExpectClean(KnownCases(), true); }

TEST(PageGeometry, SketchesOfGeneratedJobsStayInTheirRoomWithFreeLabels) { ExpectClean(RandomJobs(300), true); }

TEST(PageGeometry, ReportTextOfTheKnownFaultsStaysInTheFrameWithoutOverlaps) { ExpectClean(KnownCases(), false); }

TEST(PageGeometry, ReportTextOfGeneratedJobsStaysInTheFrameWithoutOverlaps) { ExpectClean(RandomJobs(300), false); }

}  // namespace
}  // namespace traxen
