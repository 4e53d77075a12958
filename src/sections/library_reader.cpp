// Token-wise reading of the library files with line tracking, so that every failure names
// its line and row.
#include "sections/library_reader.h"

#include <fmt/format.h>

#include <array>
#include <cmath>
#include <optional>

#include "sections/number_token.h"

namespace traxen {

namespace {

struct Token {
  std::string_view text;
  int line = 0;
};

// White-space separated tokens with the line (from 1) each one stands on.
class TokenReader {
 public:
  explicit TokenReader(std::string_view text) : text_(text) {}

  std::optional<Token> Peek() const {
    std::size_t i = pos_;
    int line = line_;
    while (i < text_.size() && IsSpace(text_[i])) {
      if (text_[i] == '\n') ++line;
      ++i;
    }
    if (i == text_.size()) return std::nullopt;
    std::size_t end = i;
    while (end < text_.size() && !IsSpace(text_[end])) ++end;
    return Token{text_.substr(i, end - i), line};
  }

  std::optional<Token> Next() {
    std::optional<Token> t = Peek();
    if (t) {
      pos_ = static_cast<std::size_t>(t->text.data() - text_.data()) + t->text.size();
      line_ = t->line;
      last_line_ = t->line;
    }
    return t;
  }

  int LastTokenLine() const { return last_line_; }

 private:
  static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int last_line_ = 1;
};

// Long garbage is cut in messages.
std::string Cut(std::string_view s) {
  constexpr std::size_t kShown = 40;
  return s.size() > kShown ? fmt::format("{}...", s.substr(0, kShown)) : std::string(s);
}

std::string Quote(std::string_view s) { return fmt::format("'{}'", Cut(s)); }

// One row: a designation followed by `count` words (numbers when `numbers`). The row must
// end at the end of a line, so a short or long row is caught where it is.
struct RowShape {
  int count;
  const char* what;  // "number", "word"
  std::string row_kind;  // "an I-section row", "a section type entry"
  bool numbers;
};

// Reads row `row` (from 1) into name and words; returns "" or the reason. At the end of the
// text before the designation, sets `at_end` and returns "".
std::string ReadRow(TokenReader& r, std::string_view file, int row, const RowShape& shape, Token& name,
                    std::vector<std::string_view>& words, bool& at_end) {
  words.clear();
  const std::optional<Token> first = r.Next();
  at_end = !first;
  if (at_end) return {};
  name = *first;
  int last_line = name.line;
  int on_earlier_lines = 0;  // words before the line the row ends on
  for (int j = 0; j < shape.count; ++j) {
    const std::optional<Token> t = r.Next();
    if (!t)
      return fmt::format("{}: line {}: row {} ({}): the file ends after {} of the {} {}s of {}", file,
                         name.line, row, Cut(name.text), j, shape.count, shape.what, shape.row_kind);
    double value = 0;
    if (shape.numbers && !(ParseNumberToken(t->text, value) && std::isfinite(value))) {
      if (t->line != last_line)
        return fmt::format("{}: line {}: row {} ({}): only {} of the {} numbers of {} (line {} starts with {})",
                           file, name.line, row, Cut(name.text), j, shape.count, shape.row_kind, t->line, Quote(t->text));
      return fmt::format("{}: line {}: row {} ({}): {} is not a number (number {} of {})", file, t->line, row,
                         Cut(name.text), Quote(t->text), j + 1, shape.count);
    }
    if (t->line != last_line) on_earlier_lines = j;
    last_line = t->line;
    words.push_back(t->text);
  }
  const std::optional<Token> after = r.Peek();
  if (after && after->line == last_line) {
    if (last_line == name.line)
      return fmt::format("{}: line {}: row {} ({}): more than the {} {}s of {} ({} follows)", file, name.line,
                         row, Cut(name.text), shape.count, shape.what, shape.row_kind, Quote(after->text));
    // The row ran on into a line that holds more: its own line was short.
    return fmt::format("{}: line {}: row {} ({}): only {} of the {} {}s of {} (the row runs into line {})", file,
                       name.line, row, Cut(name.text), on_earlier_lines, shape.count, shape.what, shape.row_kind, last_line);
  }
  return {};
}

}  // namespace

std::string ParseTypeList(std::string_view text, std::string_view file, std::vector<std::string>& names) {
  TokenReader r(text);
  if (!r.Next()) return fmt::format("{}: the file is empty", file);
  const std::optional<Token> count_token = r.Next();
  if (!count_token)
    return fmt::format("{}: line {}: the number of section types is missing", file, r.LastTokenLine());
  int count = 0;
  if (!ParseIntToken(count_token->text, count))
    return fmt::format("{}: line {}: the number of section types {} is not a whole number", file,
                       count_token->line, Quote(count_token->text));
  if (count < 1)
    return fmt::format("{}: line {}: the number of section types is {}; at least one is needed", file,
                       count_token->line, count);
  std::vector<std::string> result;
  const RowShape shape{1, "word", "a section type entry", false};
  Token name;
  std::vector<std::string_view> words;
  for (int k = 1; k <= count; ++k) {
    bool at_end = false;
    if (std::string error = ReadRow(r, file, k, shape, name, words, at_end); !error.empty()) return error;
    if (at_end)
      return fmt::format("{}: line {}: the file announces {} section types but holds only {}", file,
                         r.LastTokenLine(), count, k - 1);
    result.emplace_back(name.text);
  }
  names = std::move(result);
  return {};
}

std::string ParseSectionTable(std::string_view text, std::string_view file, SectionKind kind, SectionTable& table) {
  using P = SectionProperties;
  static const std::array<double P::*, 16> kISection{&P::h, &P::A, &P::Iy, &P::Wy, &P::Wply, &P::extra1,
                                                     &P::Iz, &P::Wz, &P::Wplz, &P::extra2, &P::It, &P::Iw,
                                                     &P::b, &P::t, &P::tf, &P::r};
  static const std::array<double P::*, 15> kChannel{&P::h, &P::b, &P::t, &P::tf, &P::A, &P::extra4,
                                                    &P::Iy, &P::Wy, &P::extra1, &P::Iz, &P::Wz, &P::extra2,
                                                    &P::It, &P::Iw, &P::extra3};
  static const std::array<double P::*, 10> kSquare{&P::h, &P::b, &P::t, &P::A, &P::Iy,
                                                   &P::Wy, &P::Wply, &P::extra1, &P::It, &P::extra3};
  static const std::array<double P::*, 14> kRectangular{&P::h, &P::b, &P::t, &P::A, &P::Iy,
                                                        &P::Wy, &P::Wply, &P::extra1, &P::Iz, &P::Wz,
                                                        &P::Wplz, &P::extra2, &P::It, &P::extra3};
  static const std::array<double P::*, 2> kTube{&P::h, &P::t};
  double P::* const* columns = nullptr;
  switch (kind) {
    case SectionKind::kISection: columns = kISection.data(); break;
    case SectionKind::kChannel: columns = kChannel.data(); break;
    case SectionKind::kSquareHollow: columns = kSquare.data(); break;
    case SectionKind::kRectangularHollow: columns = kRectangular.data(); break;
    case SectionKind::kRoundTube: columns = kTube.data(); break;
  }

  TokenReader r(text);
  const std::optional<Token> count_token = r.Next();
  if (!count_token) return fmt::format("{}: the file is empty; the number of rows is missing", file);
  int count = 0;
  if (!ParseIntToken(count_token->text, count))
    return fmt::format("{}: line {}: the number of rows {} is not a whole number", file, count_token->line,
                       Quote(count_token->text));
  if (count < 1)
    return fmt::format("{}: line {}: the number of rows is {}; at least one is needed", file, count_token->line,
                       count);
  SectionTable result;
  const std::string kind_name = SectionKindName(kind);
  const RowShape shape{RowNumberCount(kind), "number",
                     (kind == SectionKind::kISection ? "an " : "a ") + kind_name + " row", true};
  Token name;
  std::vector<std::string_view> words;
  for (int k = 1; k <= count; ++k) {
    bool at_end = false;
    if (std::string error = ReadRow(r, file, k, shape, name, words, at_end); !error.empty()) return error;
    if (at_end)
      return fmt::format("{}: line {}: the file announces {} rows but holds only {}", file, r.LastTokenLine(), count,
                         k - 1);
    SectionProperties p;
    p.name = std::string(name.text);
    for (int j = 0; j < shape.count; ++j) ParseNumberToken(words[j], p.*columns[j]);
    result.push_back(std::move(p));
  }
  table = std::move(result);
  return {};
}

}  // namespace traxen
