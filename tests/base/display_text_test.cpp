// Job texts shown on one line: controls become blanks or vanish on the page and in a PDF
// title, and are spelt out in traxen-cli's lines.
#include "base/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace traxen {
namespace {

TEST(DisplayText, APrintableLineKeepsNoControlCharacter) {
  struct Case {
    std::string text, printable;
  };
  const Case cases[] = {
      {"Sõlm K7 – katus", "Sõlm K7 – katus"},
      {"kaks\trida\nja\r\nveel\v\f", "kaks rida ja  veel  "},
      {std::string("null\0bait", 9), "nullbait"},
      {"kell\x07 ja \x1b[31mpunane\x7f", "kell ja [31mpunane"},
      {"C1 \xC2\x85rida \xC2\x9B" "2J", "C1  rida 2J"},                     // NEL is a line break
      {"\xE2\x80\xAEtagurpidi\xE2\x80\xAC ja \xE2\x81\xA6isol\xE2\x81\xA9", "tagurpidi ja isol"},
      {"märk \xE2\x80\x8F \xE2\x80\x8E \xD8\x9C", "märk   "},          // RLM, LRM, ALM
      {"bad \xFF byte", "bad \xEF\xBF\xBD byte"},                        // U+FFFD
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(PrintableText(c.text), c.printable) << c.text;
}

TEST(DisplayText, EscapedControlsKeepAFileNameOnOneLine) {
  struct Case {
    std::string text, escaped;
  };
  const Case cases[] = {
      {"töö.json", "töö.json"},
      {"a\nb.json", "a\\nb.json"},
      {"\ttab\r.json", "\\ttab\\r.json"},
      {"bell\x07\x1b\x7f", "bell\\x07\\x1b\\x7f"},
      {"csi\xC2\x9B.json", "csi\\u009b.json"},
      {"\xE2\x80\xAE" "rtl", "\xE2\x80\xAE" "rtl"},  // not a control character
      {"win\xF5.json", "win\xF5.json"},             // not UTF-8: kept as it is
  };
  for (const Case& c : cases) EXPECT_EQ(EscapedControls(c.text), c.escaped) << c.text;
}

}  // namespace
}  // namespace traxen
