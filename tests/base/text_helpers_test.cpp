// The shared text helpers: file suffixes compared without regard to case, and the one UTF-8
// walker the project file and the text metrics use.
#include <gtest/gtest.h>

#include <string>

#include "base/file_suffix.h"
#include "base/utf8.h"

namespace traxen {
namespace {

TEST(FileSuffix, IgnoresCaseAndNeedsTheWholeSuffix) {
  struct Case {
    const char* path;
    const char* suffix;
    bool has;
  };
  for (const Case c : {Case{"job.trx", ".trx", true}, Case{"JOB.TRX", ".trx", true}, Case{"report.PDF", ".pdf", true},
                       Case{"job.Json", ".json", true}, Case{"töö.PNG", ".png", true}, Case{"job.trx", ".TRX", true},
                       Case{"jobtrx", ".trx", false}, Case{"job.trx.bak", ".trx", false}, Case{"trx", ".trx", false},
                       Case{"", ".trx", false}, Case{"job.tr", ".trx", false}}) {
    EXPECT_EQ(HasFileSuffix(c.path, c.suffix), c.has) << c.path << " " << c.suffix;
  }
}

TEST(Utf8, ValidatesSequencesStrictly) {
  struct Case {
    std::string text;
    bool valid;
  };
  const Case cases[] = {
      {"Sõlm ÜLEKATTEGA λ €", true},
      {"", true},
      {"\xC3", false},              // cut short
      {"\xC0\x80", false},          // overlong NUL
      {"\xE0\x80\xAF", false},      // overlong '/'
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
      {"\x80", false},              // a stray continuation byte
      {"\xF0\x9F\x98\x80", true},   // four bytes
      {"Windows-1257 \xD5ie", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(Utf8, DecodesCodePointsAndReplacesBadBytesOneByOne) {
  const std::string text = "A\xC3\x95\xCE\xBB\xFF\xE2\x82\xAC";  // A Õ λ <bad> €
  std::u32string decoded;
  for (std::size_t i = 0; i < text.size();) decoded += NextCodePoint(text, i);
  EXPECT_EQ(decoded, (std::u32string{U'A', U'Õ', U'λ', 0xFFFD, U'€'}));
}

}  // namespace
}  // namespace traxen
