// Project files: the eighteen-line layout, its encoding, the atomic save and the read with
// its confirmation.
#include "model/project_file.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

#include "base/utf8.h"
#include "model/confirm_job.h"
#include "model/family_fields.h"
#include "model/job_family.h"
#include "model/job_file.h"
#include "base/number_format.h"
#include "model/joint_sections.h"
#include "model/json_job_keys.h"
#include "model/saved_file.h"
#include "model/value_ranges.h"
#include "sections/number_token.h"

namespace traxen {

namespace {

constexpr int kLineCount = 18;

// One number slot of a line, named for messages; `key` is the job key whose range the
// slot's value must lie in (the T/Y/X and K/N fields of one slot share their range).
struct SlotRef {
  const char* name;
  std::variant<double*, int*> ref;
  const char* key = "";
};

// The number slots of a line, at most nine, kept in place: reading a file asks for them line
// by line and needs no allocation for it.
class LineSlots {
 public:
  LineSlots(std::initializer_list<SlotRef> slots) : size_(slots.size()) {
    std::copy(slots.begin(), slots.end(), slots_.begin());
  }
  std::size_t size() const { return size_; }
  const SlotRef& operator[](std::size_t i) const { return slots_[i]; }
  const SlotRef* begin() const { return slots_.data(); }
  const SlotRef* end() const { return slots_.data() + size_; }

 private:
  std::array<SlotRef, 9> slots_{};
  std::size_t size_;
};

// The number slots of line `line` (1-18); empty for the text lines 8-10 and 15-18.
LineSlots NumberSlots(ProjectFileSlots& s, int line) {
  switch (line) {
    case 1:
      return {{"T/Y/X flag", &s.is_tyx},
              {"K/N flag", &s.is_kn},
              {"L0 left", &s.L0_left, "len.L0_left"},
              {"L0 right", &s.L0_right, "len.L0_right"},
              {"N0", &s.N0, "kn.N0_left"},
              {"M0", &s.M0, "kn.M0"},
              {"fy0", &s.fy0, "steel.fy0"},
              {"reserved value", &s.reserved, "kn.reserved"},
              {"chord class", &s.chord_class}};
    case 2: return {{"h0", &s.h0, "kn.h0"}, {"b0", &s.b0, "kn.b0"}, {"t0", &s.t0, "kn.t0"}, {"e", &s.e, "kn.e"}};
    case 3: return {{"A0", &s.A0, "chord.A0"}, {"Wel0", &s.Wel0, "chord.Wel0"}};
    case 4:
      return {{"L1", &s.L1, "len.L1"},
              {"L2", &s.L2, "len.L2"},
              {"N1", &s.N1, "kn.N1"},
              {"N2", &s.N2, "kn.N2"},
              {"fy1", &s.fy1, "steel.fy1"},
              {"fy2", &s.fy2, "steel.fy2"},
              {"theta1", &s.theta1, "kn.theta1"},
              {"theta2", &s.theta2, "kn.theta2"},
              {"brace class", &s.brace_class}};
    case 5: return {{"h1", &s.h1, "kn.h1"}, {"b1", &s.b1, "kn.b1"}, {"t1", &s.t1, "kn.t1"}};
    case 6: return {{"h2", &s.h2, "kn.h2"}, {"b2", &s.b2, "kn.b2"}, {"t2", &s.t2, "kn.t2"}};
    case 7:
      return {{"chord type position", &s.positions[0]},   {"chord section position", &s.positions[1]},
              {"brace 1 type position", &s.positions[2]}, {"brace 1 section position", &s.positions[3]},
              {"brace 2 type position", &s.positions[4]}, {"brace 2 section position", &s.positions[5]}};
    case 11:
      return {{"face plate l", &s.face[0], "plate.face_l"},
              {"face plate b", &s.face[1], "plate.face_b"},
              {"face plate t", &s.face[2], "plate.face_t"}};
    case 12:
      return {{"side plate l", &s.side[0], "plate.side_l"},
              {"side plate b", &s.side[1], "plate.side_b"},
              {"side plate t", &s.side[2], "plate.side_t"}};
    case 13:
      return {{"overlap plate l", &s.overlap[0], "plate.overlap_l"},
              {"overlap plate b", &s.overlap[1], "plate.overlap_b"},
              {"overlap plate t", &s.overlap[2], "plate.overlap_t"}};
    case 14:
      return {{"plate flag 1", &s.plate_flags[0]}, {"plate flag 2", &s.plate_flags[1]},
              {"plate flag 3", &s.plate_flags[2]}};
    default: return {};
  }
}

// The optional tail, lines 19-27 in file order (see project_file.h).
struct TailLine {
  const char* name;
  const char* key;
  double ProjectFileSlots::*slot;
  double JobSteel::*field;
};

constexpr TailLine kTail[] = {
    {"plate fy", "steel.fy_plate", &ProjectFileSlots::fy_plate, &JobSteel::fy_plate},
    {"fu0", "steel.fu0", &ProjectFileSlots::fu0, &JobSteel::fu0},
    {"fu1", "steel.fu1", &ProjectFileSlots::fu1, &JobSteel::fu1},
    {"fu2", "steel.fu2", &ProjectFileSlots::fu2, &JobSteel::fu2},
    {"fy2", "steel.fy2", &ProjectFileSlots::tail_fy2, &JobSteel::fy2},
    {"E", "steel.E", &ProjectFileSlots::E, &JobSteel::E},
    {"gamma_M0", "steel.gamma_M0", &ProjectFileSlots::gamma_M0, &JobSteel::gamma_M0},
    {"gamma_M1", "steel.gamma_M1", &ProjectFileSlots::gamma_M1, &JobSteel::gamma_M1},
    {"gamma_M2", "steel.gamma_M2", &ProjectFileSlots::gamma_M2, &JobSteel::gamma_M2},
};
constexpr int kTailFy2 = 4;  // the index of fy2 in kTail
static_assert(kLineCount + static_cast<int>(std::size(kTail)) == kProjectFileLines);

// The value a tail line is left out for. A K/N file's line 4 holds fy2 itself, so its tail
// repeats that value and needs no line for it.
double TailDefault(const ProjectFileSlots& s, std::size_t index) {
  if (index == kTailFy2 && s.is_kn == 1) return s.fy2;
  return JobSteel{}.*kTail[index].field;
}

// The text of a text line, or nullptr for a number line.
std::string* TextSlot(ProjectFileSlots& s, int line) {
  if (line >= 8 && line <= 10) return &s.section_texts[static_cast<std::size_t>(line - 8)];
  if (line >= 15 && line <= 18) return &s.job_texts[static_cast<std::size_t>(line - 15)];
  return nullptr;
}


// A text is one line of the file: line breaks in it become blanks.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

// The blanks between the words of a line, as a table: a file's every byte is asked.
constexpr std::array<bool, 256> kBlank = [] {
  std::array<bool, 256> t{};
  for (const char c : {' ', '\t', '\r', '\v', '\f'}) t[static_cast<unsigned char>(c)] = true;
  return t;
}();
bool IsSpace(char c) { return kBlank[static_cast<unsigned char>(c)]; }

// The blank-separated words of a line: the first ten kept in place (a line holds at most
// nine numbers, and a message names the first one too many), every one counted.
class LineWords {
 public:
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  std::string_view operator[](std::size_t i) const { return words_[i]; }
  void push_back(std::string_view word) {
    if (count_ < words_.size()) words_[count_] = word;
    ++count_;
  }

 private:
  std::array<std::string_view, 10> words_{};
  std::size_t count_ = 0;
};

// The word of `line` after `at`, moving `at` past it; empty when no word is left.
std::string_view NextWord(std::string_view line, std::size_t& at) {
  while (at < line.size() && IsSpace(line[at])) ++at;
  const std::size_t start = at;
  while (at < line.size() && !IsSpace(line[at])) ++at;
  return line.substr(start, at - start);
}

LineWords SplitWords(std::string_view line) {
  LineWords words;
  std::size_t at = 0;
  for (std::string_view word = NextWord(line, at); !word.empty(); word = NextWord(line, at)) words.push_back(word);
  return words;
}

std::string Shown(std::string_view word) {
  constexpr std::size_t kShown = 40;
  return word.size() > kShown ? fmt::format("'{}...'", word.substr(0, kShown)) : fmt::format("'{}'", word);
}

bool ValidFlag(int v) { return v == 0 || v == 1; }

bool IsNumber(std::string_view word) {
  double v = 0;
  return ParseNumberToken(word, v);
}

// A number slot: "nan", "inf" and "Infinity" are refused, and so is a magnitude beyond
// 1e12, which no joint needs and which overflows the computation to a report that passes.
bool ParseFiniteSlot(std::string_view word, double& value) {
  double v = 0;
  if (!ParseNumberToken(word, v) || !std::isfinite(v) || std::abs(v) > 1e12) return false;
  value = v;
  return true;
}

// Why `word` is refused for a number slot.
Message NotANumber(std::string_view word, bool whole_number) {
  return Message(whole_number     ? MessageId::kNotWholeNumber
                 : IsNumber(word) ? MessageId::kNotSensibleNumber
                                  : MessageId::kNotANumber,
                 Shown(word));
}

// The optional tail after line 18: every present, non-blank line into its slot; a K/N
// file's fy2 defaults to line 4's. `fy2_given` tells whether line 23 held a value.
LoadError ParseTail(const std::vector<std::string_view>& lines, std::string_view file, ProjectFileSlots& s,
                    bool& fy2_given) {
  fy2_given = false;
  for (std::size_t i = 0; i < std::size(kTail); ++i) {
    const int n = kLineCount + 1 + static_cast<int>(i);
    if (static_cast<int>(lines.size()) < n) break;
    const LineWords words = SplitWords(lines[static_cast<std::size_t>(n - 1)]);
    if (words.empty()) continue;
    if (!ParseFiniteSlot(words[0], s.*kTail[i].slot))
      return Fail(Message(MessageId::kSlotProblem, n, 1, Term{kTail[i].name}, NotANumber(words[0], false)).About(std::string(file)));
    if (words.size() > 1) return Fail(Message(MessageId::kMoreThanOneValue, n, Shown(words[1])).About(std::string(file)));
    if (i == kTailFy2) fy2_given = true;
  }
  for (std::size_t n = kProjectFileLines + 1; n <= lines.size(); ++n)
    if (const LineWords words = SplitWords(lines[n - 1]); !words.empty())
      return Fail(Message(MessageId::kExtraLine, n, Shown(lines[n - 1]), kProjectFileLines).About(std::string(file)));
  return {};
}

// "" when `v` lies in `range` (the range of `key`), also as "%lf" writes it (six decimals
// turn a tiny size into 0 and an angle just under 180° into 180, which the next read would
// refuse); else why not.
Message RangeProblem(const char* key, ValueRange range, double v) {
  // Six decimals move a value by half a millionth at most, and every range is an interval: a
  // value a millionth inside both of its ends lies in it as written too, with no text made.
  // Only a value closer to an end of its range is written out and read back.
  if (InRange(range, v - 1e-6) && InRange(range, v + 1e-6)) return {};
  // A whole number is written with zero decimals and read back as itself.
  if (InRange(range, v) && v == std::trunc(v) && std::abs(v) < 1e15) return {};
  const JobKey* job_key = FindJobKey(key);
  const RangeArg must{range, job_key ? std::string(job_key->unit) : std::string()};
  if (!InRange(range, v)) return Message(MessageId::kMustBeRange, v, must);
  const std::string written = FormatNumber("%lf", v);
  double again = 0;
  if (!ParseNumberToken(written, again) || !InRange(range, again))
    return Message(MessageId::kMustBeRangeWritten, v, must, written);
  return {};
}

// The slots of lines 1-18 that a file of its family reads into the Job record.
std::vector<const double*> SlotsTheFamilyReads(ProjectFileSlots& s) {
  std::vector<const double*> read;
  Job job;
  ReportInputs unused;
  const auto collect = [&](unsigned ways, auto&, auto* slot, auto*) {
    if constexpr (std::is_same_v<decltype(slot), double*>)
      if ((ways & kRead) && slot) read.push_back(slot);
  };
  if (s.is_tyx == 1) ForEachTyxField(job, s, unused, collect);
  if (s.is_kn == 1) ForEachKnField(job, s, unused, collect);
  return read;
}

// The number slots of lines 1-18 that a file of its family reads into the Job record, in
// file order, each with its range: the same for every file of a family, so found once.
struct ReadSlot {
  int line;
  std::size_t index;  // in its line, from 0
  ValueRange range;
};

const std::vector<ReadSlot>& ReadSlotsOf(const ProjectFileSlots& file) {
  static const std::array<std::vector<ReadSlot>, 3> families = [] {
    std::array<std::vector<ReadSlot>, 3> all;
    for (int family = 0; family < 3; ++family) {  // neither, T/Y/X, K/N
      ProjectFileSlots s;
      s.is_tyx = family == 1;
      s.is_kn = family == 2;
      const std::vector<const double*> read = SlotsTheFamilyReads(s);
      for (int n = 1; n <= kLineCount; ++n) {
        const LineSlots slots = NumberSlots(s, n);
        for (std::size_t i = 0; i < slots.size(); ++i) {
          const double* const* value = std::get_if<double*>(&slots[i].ref);
          if (!value || std::find(read.begin(), read.end(), *value) == read.end()) continue;
          all[family].push_back({n, i, RangeOfKey(slots[i].key)});
        }
      }
    }
    return all;
  }();
  return families[file.is_tyx == 1 ? 1 : file.is_kn == 1 ? 2 : 0];
}

// Every value of `s` that a read takes into the job must lie in its range; a plate's sizes
// count only while its flag is set. The message names the line and slot.
LoadError CheckRanges(ProjectFileSlots& s, std::string_view file) {
  int line = 0;
  std::optional<LineSlots> slots;
  for (const ReadSlot& read : ReadSlotsOf(s)) {
    if (read.line >= 11 && read.line <= 13 && s.plate_flags[static_cast<std::size_t>(read.line - 11)] != 1) continue;
    if (read.line != line) slots.emplace(NumberSlots(s, line = read.line));
    const SlotRef& slot = (*slots)[read.index];
    if (Message why = RangeProblem(slot.key, read.range, *std::get<double*>(slot.ref)); !why.empty())
      return Fail(Message(MessageId::kSlotProblem, read.line, read.index + 1, Term{slot.name}, why).About(std::string(file)));
  }
  static const std::array<ValueRange, std::size(kTail)> tail_ranges = [] {
    std::array<ValueRange, std::size(kTail)> ranges{};
    for (std::size_t i = 0; i < std::size(kTail); ++i) ranges[i] = RangeOfKey(kTail[i].key);
    return ranges;
  }();
  for (std::size_t i = 0; i < std::size(kTail); ++i)
    if (Message why = RangeProblem(kTail[i].key, tail_ranges[i], s.*kTail[i].slot); !why.empty())
      return Fail(Message(MessageId::kSlotProblem, kLineCount + 1 + static_cast<int>(i), 1, Term{kTail[i].name}, why)
                      .About(std::string(file)));
  return {};
}

}  // namespace

ProjectFileSlots ProjectFileSlotsFromJob(const Job& job, const ReportInputs& working, int last_dialog) {
  ProjectFileSlots s;
  s.job_texts = {job.info.calculated_by, job.info.job_name, job.info.client, job.info.owner};
  // The steel values of the tail belong to the job, whatever its family.
  for (const TailLine& t : kTail) s.*t.slot = job.steel.*t.field;
  Job source = job;  // the field tables take references
  ReportInputs unused;
  const auto save = [](unsigned ways, auto& field, auto* slot, auto*) {
    if ((ways & kSaved) && slot) *slot = field;
  };
  if (job.family.is_tyx == 1) {
    s.is_tyx = 1;
    ForEachTyxField(source, s, unused, save);
    return s;
  }
  if (job.family.is_kn == 1) {
    s.is_kn = 1;
    ForEachKnField(source, s, unused, save);
    return s;
  }
  // No joint confirmed: the numbers are the document's working values as they stand; the
  // section texts stay empty and no working value holds the reserved value or the list
  // positions.
  ReportInputs in = working;
  ForEachWorkingSlot(s, in, [](auto& slot, auto& value) { slot = value; });
  s.plate_flags = last_dialog == 2 ? std::array<int, 3>{in.kn_face_plate, in.kn_side_plates, in.kn_overlap_plate}
                                   : std::array<int, 3>{in.tyx_face_plate, in.tyx_side_plates, in.tyx_x_joint};
  return s;
}

std::string FormatProjectFile(const ProjectFileSlots& slots) {
  ProjectFileSlots s = slots;  // the slot table takes pointers
  std::string out;
  for (int line = 1; line <= kLineCount; ++line) {
    if (const std::string* text = TextSlot(s, line)) {
      out += OneLine(*text);
    } else {
      bool first = true;
      for (const SlotRef& slot : NumberSlots(s, line)) {
        if (!first) out += ' ';
        first = false;
        if (auto* d = std::get_if<double*>(&slot.ref)) out += FormatNumber("%lf", **d);
        else out += FormatInt("%d", *std::get<int*>(slot.ref));
      }
    }
    out += " \n";
  }
  // A value is left out when it reads back as its default: compared as written, so that
  // writing what was read gives the same text again.
  std::size_t tail_lines = 0;
  for (std::size_t i = 0; i < std::size(kTail); ++i)
    if (FormatNumber("%lf", s.*kTail[i].slot) != FormatNumber("%lf", TailDefault(s, i))) tail_lines = i + 1;
  for (std::size_t i = 0; i < tail_lines; ++i) out += FormatNumber("%lf", s.*kTail[i].slot) + " \n";
  return out;
}

LoadError ParseProjectFile(std::string_view text, std::string_view file, ProjectFileSlots& out) {
  std::vector<std::string_view> lines;
  lines.reserve(kProjectFileLines + 1);  // a whole file without a second allocation
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // written in text mode on Windows
    lines.push_back(line);
    start = end + 1;
  }
  if (static_cast<int>(lines.size()) < kLineCount)
    return Fail(Message(MessageId::kLineMissing, lines.size() + 1, kLineCount, lines.size()).About(std::string(file)));

  ProjectFileSlots s;
  for (int n = 1; n <= kLineCount; ++n) {
    const std::string_view line = lines[static_cast<std::size_t>(n - 1)];
    if (std::string* text = TextSlot(s, n)) {
      std::string_view t = line;
      if (!t.empty() && t.back() == ' ') t.remove_suffix(1);  // the blank before the line feed
      *text = std::string(t);
      continue;
    }
    // The words are taken one by one as their slots ask for them.
    const LineSlots slots = NumberSlots(s, n);
    std::size_t at = 0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
      const SlotRef& slot = slots[i];
      const std::string_view word = NextWord(line, at);
      if (word.empty())
        return Fail(Message(MessageId::kSlotMissing, n, i + 1, Term{slot.name}, i, slots.size()).About(std::string(file)));
      const bool whole = std::holds_alternative<int*>(slot.ref);
      const bool ok = whole ? ParseIntToken(word, *std::get<int*>(slot.ref))
                            : ParseFiniteSlot(word, *std::get<double*>(slot.ref));
      if (!ok)
        return Fail(Message(MessageId::kSlotProblem, n, i + 1, Term{slot.name}, NotANumber(word, whole))
                        .About(std::string(file)));
    }
    if (const std::string_view more = NextWord(line, at); !more.empty())
      return Fail(Message(MessageId::kMoreValues, n, slots.size(), Shown(more)).About(std::string(file)));
  }
  bool fy2_given = false;
  if (LoadError e = ParseTail(lines, file, s, fy2_given)) return e;
  const std::string at(file);
  if (!ValidFlag(s.is_tyx)) return Fail(Message(MessageId::kSlotNotFlag, 1, 1, Term{"T/Y/X flag"}, s.is_tyx).About(at));
  if (!ValidFlag(s.is_kn)) return Fail(Message(MessageId::kSlotNotFlag, 1, 2, Term{"K/N flag"}, s.is_kn).About(at));
  if (s.is_tyx == 1 && s.is_kn == 1) return Fail(Message(MessageId::kBothFamilyFlags).About(at));
  for (std::size_t i = 0; i < s.plate_flags.size(); ++i)
    if (!ValidFlag(s.plate_flags[i]))
      return Fail(Message(MessageId::kSlotNotFlag, 14, i + 1, Term{fmt::format("plate flag {}", i + 1)}, s.plate_flags[i])
                      .About(at));
  if (s.is_kn == 1 && !fy2_given) s.tail_fy2 = s.fy2;
  if (s.is_kn == 1 && s.tail_fy2 != s.fy2 && FormatNumber("%lf", s.tail_fy2) != FormatNumber("%lf", s.fy2))
    return Fail(Message(MessageId::kFy2Differs, kLineCount + 1 + kTailFy2, s.tail_fy2, s.fy2).About(at));
  if (LoadError e = CheckRanges(s, file)) return e;
  out = std::move(s);
  return {};
}

void ApplyProjectFile(const ProjectFileSlots& slots, Job& job, ReportInputs& working, int& last_dialog) {
  // The field tables take references; here they only read the slots, which need no copy.
  ProjectFileSlots& s = const_cast<ProjectFileSlots&>(slots);
  job.info.calculated_by = s.job_texts[0];
  job.info.job_name = s.job_texts[1];
  job.info.client = s.job_texts[2];
  job.info.owner = s.job_texts[3];
  for (const TailLine& t : kTail) job.steel.*t.field = s.*t.slot;

  const double N0_right = s.N0 + s.N1 * std::cos(s.theta1 * kDialogRadiansPerDegree) -
                          s.N2 * std::cos(s.theta2 * kDialogRadiansPerDegree);

  // Every slot read also becomes a working value of the document.
  ReportInputs& in = working;
  ForEachWorkingSlot(s, in, [](auto& slot, auto& value) { value = slot; });
  in.fy_plate = s.fy_plate;
  if (s.is_kn == 1) {
    in.kn_face_plate = s.plate_flags[0], in.kn_side_plates = s.plate_flags[1], in.kn_overlap_plate = s.plate_flags[2];
    in.N0_right = N0_right;
  } else {
    in.tyx_face_plate = s.plate_flags[0], in.tyx_side_plates = s.plate_flags[1], in.tyx_x_joint = s.plate_flags[2];
  }

  ReportInputs unused;
  const auto read = [](unsigned ways, auto& field, auto* slot, auto*) {
    if ((ways & kRead) && slot) field = *slot;
  };
  if (s.is_tyx == 1) {
    ForEachTyxField(job, s, unused, read);
    last_dialog = 1;
  } else if (s.is_kn == 1) {
    ForEachKnField(job, s, unused, read);
    job.kn.N0_right = N0_right;  // not stored: equilibrium with the file's forces
    last_dialog = 2;
  }
}

// ---- Encoding ----------------------------------------------------------------------------

namespace {

// Converts with iconv; on an input sequence the target cannot hold, returns false and the
// offset of that sequence.
bool Convert(const char* to, const char* from, std::string_view input, std::string& output, std::size_t& bad_offset) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    bad_offset = 0;
    return false;
  }
  std::string in(input);
  std::string out(in.size() * 4 + 16, '\0');
  char* in_ptr = in.data();
  std::size_t in_left = in.size();
  char* out_ptr = out.data();
  std::size_t out_left = out.size();
  bool ok = true;
  while (in_left > 0) {
    const std::size_t r = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    if (r == static_cast<std::size_t>(-1)) {
      ok = false;
      break;
    }
    if (r > 0) {  // a character was replaced by an approximation: not the same text
      ok = false;
      break;
    }
  }
  bad_offset = in.size() - in_left;
  iconv_close(cd);
  if (!ok) return false;
  out.resize(out.size() - out_left);
  output = std::move(out);
  return true;
}

// Every byte of Windows-1257 as iconv converts it on its own, found once: a file is then
// decoded with a lookup a byte instead of a conversion through iconv. A byte iconv refuses
// has no character; one it converts only approximately makes the file one iconv would not
// take as Windows-1257 text.
struct Windows1257Table {
  bool made = false;  // iconv knows the code page
  std::array<std::string, 256> utf8;
  std::array<bool, 256> defined{}, approximate{};
  std::array<bool, 256> same{};  // the byte is its own UTF-8 (ASCII)
  bool ascii_same = false;        // so is every byte below 0x80
};

const Windows1257Table& Windows1257() {
  static const Windows1257Table table = [] {
    Windows1257Table t;
    iconv_t cd = iconv_open("UTF-8", "WINDOWS-1257");
    if (cd == reinterpret_cast<iconv_t>(-1)) return t;
    for (int b = 0; b < 256; ++b) {
      char in = static_cast<char>(b);
      char out[8];
      char* in_ptr = &in;
      char* out_ptr = out;
      std::size_t in_left = 1, out_left = sizeof out;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh state for every byte
      const std::size_t r = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
      if (r == static_cast<std::size_t>(-1)) continue;
      t.defined[static_cast<std::size_t>(b)] = true;
      t.approximate[static_cast<std::size_t>(b)] = r > 0;
      t.utf8[static_cast<std::size_t>(b)].assign(out, sizeof out - out_left);
      t.same[static_cast<std::size_t>(b)] = r == 0 && t.utf8[static_cast<std::size_t>(b)] == std::string(1, in);
    }
    iconv_close(cd);
    t.made = true;
    t.ascii_same = std::all_of(t.same.begin(), t.same.begin() + 0x80, [](bool same) { return same; });
    return t;
  }();
  return table;
}

int LineOfOffset(std::string_view text, std::size_t offset) {
  int line = 1;
  for (std::size_t i = 0; i < offset && i < text.size(); ++i)
    if (text[i] == '\n') ++line;
  return line;
}

}  // namespace

std::string EncodeProjectFile(std::string_view utf8_text) {
  std::string bytes;
  std::size_t bad = 0;
  // Windows-1257 bytes that happen to form valid UTF-8 (an accented capital before a
  // symbol, as "Ä°") would be read back as UTF-8: such a file is written in UTF-8 itself.
  if (Convert("WINDOWS-1257", "UTF-8", utf8_text, bytes, bad) && (bytes == utf8_text || !IsValidUtf8(bytes)))
    return bytes;
  return std::string(utf8_text);  // a character Windows-1257 lacks: the whole file stays UTF-8
}

namespace {

// Windows-1257 bytes as UTF-8, as Convert would make them through iconv: false at the first
// byte without a character (its offset in `bad`), or with `bad` at the end when a character
// was only approximated.
bool FromWindows1257(std::string_view bytes, std::string& text, std::size_t& bad) {
  const Windows1257Table& table = Windows1257();
  if (!table.made) return Convert("UTF-8", "WINDOWS-1257", bytes, text, bad);
  text.clear();
  text.reserve(bytes.size() + bytes.size() / 4);
  bool approximate = false;
  for (std::size_t i = 0; i < bytes.size();) {
    // A run of plain ASCII goes over whole, found eight bytes at a time.
    std::size_t run = i;
    for (std::uint64_t word; table.ascii_same && run + 8 <= bytes.size(); run += 8) {
      std::memcpy(&word, bytes.data() + run, sizeof word);
      if (word & 0x8080808080808080u) break;
    }
    while (run < bytes.size() && table.same[static_cast<unsigned char>(bytes[run])]) ++run;
    text.append(bytes.data() + i, run - i);
    if (run == bytes.size()) break;
    i = run;
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (!table.defined[b]) {
      bad = i;
      return false;
    }
    approximate = approximate || table.approximate[b];
    text += table.utf8[b];
    ++i;
  }
  bad = bytes.size();
  return !approximate;
}

}  // namespace

LoadError DecodeProjectFile(std::string_view bytes, std::string_view file, std::string& utf8_text) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) {
    utf8_text = std::string(bytes);
    return {};
  }
  std::string text;
  std::size_t bad = 0;
  if (!FromWindows1257(bytes, text, bad)) {
    if (bad >= bytes.size())
      return Fail(Message(MessageId::kNoWindows1257).About(std::string(file)));
    return Fail(Message(MessageId::kBadByte, LineOfOffset(bytes, bad),
                        fmt::format("0x{:02X}", static_cast<unsigned char>(bytes[bad])))
                    .About(std::string(file)));
  }
  utf8_text = std::move(text);
  return {};
}

// ---- Files -------------------------------------------------------------------------------

LoadError SaveProjectFile(const std::string& path, const Job& job, const ReportInputs& working, int last_dialog) {
  std::string bytes;
  if (LoadError e = ProjectFileBytes(path, job, working, last_dialog, bytes)) return e;
  return SaveFileContent(path, bytes);
}

LoadError ProjectFileBytes(const std::string& path, const Job& job, const ReportInputs& working, int last_dialog,
                           std::string& bytes) {
  // Eighteen lines of rectangular sections hold the joints of two families only: writing
  // another's would write a wrong file.
  if (Message why = ProjectFileRefusal(job); !why.empty()) return Fail(why.About(path));
  // A file that the reader would refuse is work lost at the next open: say so now instead,
  // with the value as the job holds it.
  ProjectFileSlots slots = ProjectFileSlotsFromJob(job, working, last_dialog);
  const std::string text = FormatProjectFile(slots);
  ProjectFileSlots again;
  LoadError e = CheckRanges(slots, path);
  if (!e) e = ParseProjectFile(text, path, again);
  if (e) {
    Message why = e.what;
    why.About("");  // the file leads the whole message
    return Fail(Message(MessageId::kCannotSaveReadBack, why).About(path));
  }
  bytes = EncodeProjectFile(text);
  return {};
}

LoadError ReadProjectFile(const std::string& path, Job& job, ReportInputs& working, int& last_dialog,
                          int& dialog_to_confirm) {
  std::string bytes;
  if (LoadError e = ReadWholeFile(path, bytes)) return e;
  std::string text;
  if (LoadError e = DecodeProjectFile(bytes, path, text)) return e;
  ProjectFileSlots slots;
  if (LoadError e = ParseProjectFile(text, path, slots)) return e;
  ApplyProjectFile(slots, job, working, last_dialog);
  dialog_to_confirm = slots.is_tyx == 1 ? 1 : slots.is_kn == 1 ? 2 : 0;
  return {};
}

LoadError ConfirmProjectFamily(int dialog, const SectionLibrary& library, std::string_view file, Job& job,
                               int& last_dialog) {
  if (dialog != 1 && dialog != 2) return {};
  // The restore changes the job only when every member is found; what follows cannot fail.
  const std::string error = dialog == 1 ? RestoreTyxSections(library, job) : RestoreKnSections(library, job);
  if (!error.empty()) return Fail(Message(MessageId::kSectionsNotRestored, error).About(std::string(file)));
  if (dialog == 1) ConfirmTyx(job);
  else ConfirmKn(job);
  last_dialog = dialog;
  return {};
}

}  // namespace traxen
