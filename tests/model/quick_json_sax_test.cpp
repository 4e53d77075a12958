// The quick pass over job files: where it reads a text, it gives the handler the events
// nlohmann's parser gives, value for value; where it cannot, it says so and nlohmann reads it.
#include <gtest/gtest.h>

#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/job_template.h"
#include "model/json_job.h"
#include "model/quick_json_sax.h"

namespace traxen {
namespace {

using Json = nlohmann::json;

// Every event as text; a double by its bits, so that a rounding difference shows.
struct Recorder : nlohmann::json_sax<Json> {
  std::vector<std::string> events;
  bool Add(std::string event) {
    events.push_back(std::move(event));
    return true;
  }
  bool null() override { return Add("null"); }
  bool boolean(bool v) override { return Add(v ? "true" : "false"); }
  bool number_integer(number_integer_t v) override { return Add(fmt::format("int {}", v)); }
  bool number_unsigned(number_unsigned_t v) override { return Add(fmt::format("unsigned {}", v)); }
  bool number_float(number_float_t v, const string_t& s) override {
    return Add(fmt::format("float {:x} {}", std::bit_cast<std::uint64_t>(v), s));
  }
  bool string(string_t& v) override { return Add("string " + v); }
  bool binary(binary_t&) override { return Add("binary"); }
  bool start_object(std::size_t n) override { return Add(fmt::format("object {}", n)); }
  bool key(string_t& k) override { return Add("key " + k); }
  bool end_object() override { return Add("end object"); }
  bool start_array(std::size_t n) override { return Add(fmt::format("array {}", n)); }
  bool end_array() override { return Add("end array"); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }
};

// True when the quick pass read `text`; then nlohmann must have read it too, to the same events.
bool QuickAgrees(const std::string& text) {
  Recorder quick, full;
  const bool read = QuickSaxParse(text, quick);
  const bool full_read = Json::sax_parse(text, &full);
  if (read) {
    EXPECT_TRUE(full_read) << text;
    EXPECT_EQ(quick.events, full.events) << text;
  }
  return read;
}

TEST(QuickJsonSax, ReadsEveryTemplateAsNlohmannDoes) {
  for (const char* family : {"tyx", "x", "kn"}) {
    const std::string text = TemplateJobText(TemplateJob(family));
    EXPECT_TRUE(QuickAgrees(text)) << family;  // else every job would take the slow road
    EXPECT_TRUE(QuickAgrees(Json::parse(text).dump())) << family;
    EXPECT_TRUE(QuickAgrees(Json::parse(text).dump(1, '\t'))) << family;
  }
}

TEST(QuickJsonSax, NumbersAndStringsItReadsHaveNlohmannsValues) {
  // Read by the quick pass: each value must come out as nlohmann gives it.
  for (const char* value :
       {"0", "-0", "7", "-7", "123456789012345678", "-123456789012345678", "0.0", "-0.0", "1.5", "355.0", "1e2", "1E+2",
        "2e-3", "-4.25e-1", "0.1", "0.30000000000000004", "355.00000000000001", "1.7976931348623157e308",
        "4.9406564584124654e-324", "2.2250738585072011e-308", "9007199254740993", "9007199254740993.0",
        "\"\"", "\"Näidis OÜ\"", "\"\x7f\"", "\"\xf0\x9f\x98\x80\"", "true", "false", "null", "[]", "[1, 2.5, \"a\"]",
        "{}", "{\"a\": {\"b\": [null]}}"}) {
    const std::string text = fmt::format("{{\"info\": {{\"v\": {}}}}}", value);
    EXPECT_TRUE(QuickAgrees(text)) << text;
  }
  // Left to nlohmann: escapes, text that is not UTF-8 or JSON, and numbers out of the range
  // the quick pass reads exactly.
  for (const char* value :
       {"\"a\\nb\"", "\"\\u00e4\"", "\"\x01\"", "\"\xc3\"", "\"\xed\xa0\x80\"", "\"\xc0\xaf\"", "\"\xf4\x90\x80\x80\"",
        "1234567890123456789", "-9223372036854775809", "18446744073709551616", "1e400", "-1e400", "1e-400", "01",
        "1.", ".5", "+1", "1e", "-", "1,5", "nul", "tru", "[1,]", "{\"a\" 1}", "[[[[[[[[[1]]]]]]]]]"}) {
    const std::string text = fmt::format("{{\"info\": {{\"v\": {}}}}}", value);
    EXPECT_FALSE(QuickAgrees(text)) << text;
  }
  for (const char* text : {"", " ", "\xef\xbb\xbf{}", "{} {}", "{},", "{\"a\": 1,}", "{\"a\": 1", "[1] x"})
    EXPECT_FALSE(QuickAgrees(text)) << text;
  EXPECT_TRUE(QuickAgrees(" \t\r\n{ \"a\" : [ 1 , 2 ] } \n"));
}

// Decimals of every shape a job may hold, from few digits to more than a double keeps and
// from small to large powers of ten: the quick pass rounds each as strtod does.
TEST(QuickJsonSax, EveryDecimalIsRoundedAsStrtodRoundsIt) {
  std::mt19937_64 random(20261211);
  auto digits = [&](int count) {
    std::string d;
    for (int i = 0; i < count; ++i) d += static_cast<char>('0' + random() % 10);
    return d;
  };
  int quick = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string number = random() % 4 == 0 ? "-" : "";
    const std::string whole = digits(1 + static_cast<int>(random() % 12));
    number += whole[0] == '0' ? "0" : whole;
    if (random() % 3 != 0) number += "." + digits(1 + static_cast<int>(random() % 12));
    if (random() % 3 == 0) number += fmt::format("e{}{}", random() % 2 ? "-" : "", random() % 30);
    const std::string text = "[" + number + "]";
    if (QuickAgrees(text)) ++quick;
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_GT(quick, 10000);  // most of them take the quick road
}

TEST(QuickJsonSax, AJobTheReaderRefusesIsReadAgainForNlohmannsMessage) {
  JsonJob job;
  const LoadError e = ReadJsonJob("{\"tyx\": {\"h0\": \"200\", \"b0\": 1e400}}", "job.json", job);
  ASSERT_TRUE(e);
  EXPECT_NE(e.message.find("key \"tyx.h0\": expected a number, found string"), std::string::npos) << e.message;
  const LoadError syntax = ReadJsonJob("{\"tyx\": {\"h0\": 1e400}}", "job.json", job);
  ASSERT_TRUE(syntax);
  EXPECT_NE(syntax.message.find("number overflow"), std::string::npos) << syntax.message;
}

}  // namespace
}  // namespace traxen
