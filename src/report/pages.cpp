// Line advance, page break, page frame, header and footer.
#include "report/pages.h"

#include <fmt/format.h>

#include <algorithm>

#include <string_view>
#include <vector>

#include "base/display_text.h"
#include "base/number_format.h"
#include "base/utf8.h"
#include "model/job.h"
#include "model/job_placeholders.h"
#include "report/arc_polyline.h"

namespace traxen {

namespace {

constexpr Pen kThinBlack{PenStyle::Solid, 0, kBlack};
constexpr Pen kSeparator{PenStyle::Dash, 0, {210, 210, 210}};
constexpr Color kTeal{0, 180, 200};
constexpr int kTextAreaEnd = 925;
constexpr int kTextTop = 150;

// Where the job texts of the header and footer must end: before the emblem box, before the
// next footer label, with a little air.
constexpr int kHeaderTextEnd = 600 - 10;
// The header's texts start here; a centred title line is centred between this and the end.
constexpr int kHeaderLeft = 100;
constexpr int kCalculatedByEnd = 300 - 10;
constexpr int kOwnerEnd = 750 - 10;

std::string_view Word(const ReportCanvas& canvas, ReportTextKey key) { return ReportText(key, canvas.language); }

void DrawFrame(ReportCanvas& canvas, int top) {
  canvas.surface.setBrush(kWhite);
  canvas.surface.drawRect({kFrameLeft, top + kFrameTop}, {kFrameRight, top + kFrameBottom});
}

}  // namespace

std::string FittedJobText(DrawingSurface& s, std::string_view job_text, int width) {
  std::string text = PrintableText(job_text);
  if (s.textWidth(text) <= width) return text;
  static constexpr std::string_view kEllipsis = "…";
  std::vector<std::size_t> ends;  // the end of each character
  for (std::size_t i = 0; i < text.size();) {
    NextCodePoint(text, i);
    ends.push_back(i);
  }
  const auto cut = [&](std::size_t characters) {
    std::string part = text.substr(0, characters == 0 ? 0 : ends[characters - 1]);
    while (!part.empty() && part.back() == ' ') part.pop_back();
    return part + std::string(kEllipsis);
  };
  // Widths grow with every character: the longest start that fits with its "…".
  std::size_t fits = 0, too_long = ends.size();
  while (too_long - fits > 1) {
    const std::size_t mid = (fits + too_long) / 2;
    (s.textWidth(cut(mid)) <= width ? fits : too_long) = mid;
  }
  const std::string shown = cut(fits);
  return s.textWidth(shown) <= width ? shown : std::string();
}

std::vector<std::string> WrappedJobText(DrawingSurface& s, std::string_view job_text, int width) {
  const std::string text = PrintableText(job_text);
  auto fits = [&](std::string_view candidate) { return s.textWidth(candidate) <= width; };
  if (fits(text)) return {text};
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    std::string word = text.substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;
    if (!line.empty() && fits(line + ' ' + word)) {
      line += ' ' + word;
      continue;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
    // A word wider than the column: as many whole characters as fit (at least one) a line,
    // up to the last joint in them ("K1_vasak" breaks after "K1_") when there is one.
    while (!fits(word)) {
      std::size_t cut = 0;
      for (std::size_t i = 0; i < word.size();) {
        std::size_t next = i;
        NextCodePoint(word, next);
        if (cut > 0 && !fits(std::string_view(word).substr(0, next))) break;
        cut = i = next;
      }
      if (const std::size_t joint = word.find_last_of("_-./", cut - 1); joint != std::string::npos && joint + 1 < cut)
        cut = joint + 1;
      lines.push_back(word.substr(0, cut));
      word.erase(0, cut);
    }
    line = std::move(word);
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

void PagePlan::Restart() {
  requests.clear();
  line = group_start = chain_start = 0;
  previous_chain = -1;
  at_page_top = group_at_top = chain_at_top = previous_chain_at_top = lead_done = false;
  lead.clear();
  previous_lead.clear();
}

bool PagePlan::AdoptRequests() {
  bool changed = false;
  for (const Request& r : requests) {
    if (r.replaces >= 0) std::erase(break_before, r.replaces);
    const auto at = std::lower_bound(break_before.begin(), break_before.end(), r.break_before);
    if (at != break_before.end() && *at == r.break_before) continue;
    break_before.insert(at, r.break_before);
    changed = true;
  }
  requests.clear();
  return changed;
}

void PagePlan::StartLine(bool continuation) {
  ++line;
  if (continuation) {
    // A continuation carries no left-hand side of its own; the line keeps the one it began with.
    if (!lead_done) lead.clear();
    lead_done = true;
    return;
  }
  previous_lead = lead_done ? lead : std::string();
  previous_chain = chain_start;
  previous_chain_at_top = chain_at_top;
  group_start = chain_start = line;
  lead.clear();
  lead_done = false;
}

bool PagePlan::BreaksBefore() const {
  return line == group_start && std::binary_search(break_before.begin(), break_before.end(), line);
}

void PagePlan::AfterAdvance(bool top) {
  at_page_top = top;
  if (line == group_start) group_at_top = chain_at_top = top;
}

void PagePlan::NoteText(std::string_view text) {
  if (lead_done) return;
  const std::size_t equals = text.find('=');
  lead.append(text.substr(0, equals == std::string_view::npos ? text.size() : equals + 1));
  if (equals == std::string_view::npos) return;
  lead_done = true;
  std::erase(lead, ' ');  // blanks do not tell formulas apart: " N1,Rd  =" is "N1,Rd="
  const bool continues = lead == "=" || (!previous_lead.empty() && lead == previous_lead);
  if (continues && previous_chain > 0) {
    const bool parted = at_page_top && line == group_start;
    chain_start = previous_chain;
    chain_at_top = previous_chain_at_top;
    if (parted && !chain_at_top) {
      const bool planned = std::binary_search(break_before.begin(), break_before.end(), line);
      requests.push_back({chain_start, planned ? line : -1});
    }
  }
}

void PagePlan::WrappedAcrossPage() {
  if (!group_at_top) requests.push_back({group_start, -1});
}

int NextLine(ReportCanvas& canvas, int step, int reserve) {
  if (canvas.plan) canvas.plan->StartLine(false);
  return AdvanceLine(canvas, step, reserve);
}

int AdvanceLine(ReportCanvas& canvas, int step, int reserve) {
  canvas.line_offset += step;
  const bool planned = canvas.plan && canvas.line_offset > 0 && canvas.plan->BreaksBefore();
  if (planned || canvas.line_offset + step + reserve > kTextAreaEnd) {
    canvas.page_number += 1;
    canvas.page_index += 1;
    canvas.line_offset = 0;
    DrawPageDecoration(canvas, canvas.page_index);
  }
  canvas.y = canvas.page_index * canvas.page_height + canvas.line_offset + kTextTop;
  if (canvas.plan) canvas.plan->AfterAdvance(canvas.line_offset == 0);
  return canvas.y;
}

int KeepLinesTogether(ReportCanvas& canvas, int lines) {
  // A line at offset o is written when o + 2 steps fit in the text area (NextLine's rule).
  const int last = canvas.line_offset + (lines - 1) * canvas.line_step;
  if (canvas.line_offset == 0 || last + 2 * canvas.line_step <= kTextAreaEnd) return canvas.y;
  const Color colour = canvas.text_color;
  canvas.page_number += 1;
  canvas.page_index += 1;
  canvas.line_offset = 0;
  DrawPageDecoration(canvas, canvas.page_index);
  canvas.SetTextColor(colour);
  canvas.y = canvas.page_index * canvas.page_height + canvas.line_offset + kTextTop;
  if (canvas.plan) canvas.plan->AfterAdvance(true);
  return canvas.y;
}

void DrawPageDecoration(ReportCanvas& canvas, int page_index) {
  const int top = page_index * canvas.page_height;
  canvas.surface.setPen(kThinBlack);
  canvas.SetTextColor(kBlack);
  DrawFrame(canvas, top);
  DrawPageHeader(canvas, page_index, canvas.page_height);
  DrawPageFooter(canvas, page_index, canvas.page_height);
  canvas.surface.setPen(kSeparator);
  canvas.surface.drawLine({0, top + canvas.page_height + 1}, {kReportStripWidth, top + canvas.page_height + 1});
  canvas.surface.setPen(kThinBlack);
}

void DrawPageHeader(ReportCanvas& canvas, int page_index, int page_height) {
  DrawingSurface& s = canvas.surface;
  const int top = page_index * page_height;
  const Font label{"Times New Roman", 16, 400};
  s.setPen(kThinBlack);
  s.setFont(label);
  s.drawText({kHeaderLeft, top + 90}, Word(canvas, ReportTextKey::kHeaderClient));
  const int w = s.textWidth(Word(canvas, ReportTextKey::kHeaderClient));
  s.drawText({kHeaderLeft, top + 70}, Word(canvas, ReportTextKey::kHeaderJob));
  if (canvas.info) {
    const JobInfo shown = ReportJobInfo(*canvas.info, canvas.language);
    s.drawText({w + 120, top + 70}, FittedJobText(s, shown.job_name, kHeaderTextEnd - (w + 120)));
    s.drawText({w + 120, top + 90}, FittedJobText(s, shown.client, kHeaderTextEnd - (w + 120)));
  }
  s.setFont({"Times New Roman", 24, 700});
  const std::string_view first = Word(canvas, canvas.header_title);
  const std::string_view second = Word(canvas, ReportTextKey::kHeaderTitleSecondLine);
  if (HeaderTitleSettingIn(canvas.language) == HeaderTitleSetting::kCentred) {
    const int axis = (kHeaderLeft + kHeaderTextEnd) / 2;
    s.drawText({axis - s.textWidth(first) / 2, top + 20}, first);
    s.drawText({axis - s.textWidth(second) / 2, top + 40}, second);
  } else {
    s.drawText({120, top + 20}, first);
    s.drawText({300, top + 40}, second);
  }

  // Emblem box: teal rectangle, a white chord line and arch, the firm's name, white hangers.
  s.setBrush(kTeal);
  s.drawRect({600, top + 20}, {750, top + 100});
  s.setPen({PenStyle::Solid, 2, kWhite});
  s.drawLine({612, top + 60}, {738, top + 60});
  ArcPolyline(s, {739, top + 60}, {675, top + 120}, {612, top + 60});
  s.setTextColor(kWhite);
  s.setBackgroundColor(kTeal);
  s.setFont({"Arial", 12, 700});
  s.drawText({624, top + 70}, kEmblemLine1);
  s.setFont({"Arial", 16, 700});
  s.drawText({624, top + 82}, kEmblemLine2);
  s.setFont(label);
  s.setBackgroundColor(kWhite);
  s.setTextColor(canvas.text_color);
  s.setPen({PenStyle::Solid, 0, kWhite});
  for (int x = 612; x <= 740; x += 8) s.drawLine({x, top + 60}, {x, top + 30});
  s.setBrush(kWhite);
}

void DrawPageFooter(ReportCanvas& canvas, int page_index, int page_height) {
  DrawingSurface& s = canvas.surface;
  const int top = page_index * page_height;
  s.setFont({"Arial", 14, 400});
  const JobInfo shown = canvas.info ? ReportJobInfo(*canvas.info, canvas.language) : JobInfo{"", "", "", ""};
  const std::string& calculated_by = shown.calculated_by;
  const std::string& owner = shown.owner;
  s.drawText({100, top + 1125}, Word(canvas, ReportTextKey::kFooterCalculatedBy));
  const int calculated_by_x = 100 + s.textWidth(Word(canvas, ReportTextKey::kFooterCalculatedBy));
  s.drawText({calculated_by_x, top + 1125}, FittedJobText(s, calculated_by, kCalculatedByEnd - calculated_by_x));
  s.drawText({300, top + 1125}, Word(canvas, ReportTextKey::kFooterOwner));
  const int owner_x = 300 + s.textWidth(Word(canvas, ReportTextKey::kFooterOwner));
  s.drawText({owner_x, top + 1125}, FittedJobText(s, owner, kOwnerEnd - owner_x));
  s.drawText({750, top + 1125}, Word(canvas, ReportTextKey::kFooterPage));
  const int number = canvas.first_page_number + page_index;
  const std::string page = canvas.page_total > 0 ? fmt::format("{} / {}", number, canvas.page_total)
                                                 : FormatInt("%d", number);
  s.drawText({750 + s.textWidth(Word(canvas, ReportTextKey::kFooterPage)), top + 1125}, page);
  s.drawText({100, top + 1165}, FooterDate(canvas.now));
}

HeaderTitleSetting HeaderTitleSettingIn(ReportLanguage language) {
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    HeaderTitleSetting setting = HeaderTitleSetting::kAtFixedPlaces;
    static_cast<void>(
        ((language == kReportLanguages[I] ? (setting = ReportCatalogue<kReportLanguages[I]>::TitleSetting(), true)
                                          : false) ||
         ...));
    return setting;
  }(std::make_index_sequence<std::size(kReportLanguages)>());
}

JobInfo ReportJobInfo(const JobInfo& info, ReportLanguage language) {
  return JobInfoShownIn(info, language == ReportLanguage::kEnglish ? Language::kEnglish : Language::kEstonian);
}

std::string FooterDate(std::time_t when) {
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm t{};
  if (!localtime_r(&when, &t)) return std::string();
  return fmt::format("{} {} {:02d} {:02d}:{:02d}:{:02d} {}", kDays[t.tm_wday % 7],
                     kMonths[t.tm_mon % 12], t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                     t.tm_year + 1900);
}

}  // namespace traxen
