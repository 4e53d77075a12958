// JSON jobs with numbers a double cannot hold are refused with a message, not a crash.
#include <gtest/gtest.h>

#include "model/json_job.h"

namespace traxen {
namespace {

TEST(JsonJobNumbers, AnOverflowingNumberIsAnError) {
  JsonJob parsed;
  const LoadError e = ParseJsonJob(R"({"tyx": {"N0": 1e400}})", "big.json", parsed);
  EXPECT_NE(e.message.find("big.json: line 1, column 20: not valid JSON:"), std::string::npos) << e.message;
  EXPECT_NE(e.message.find("number overflow parsing '1e400'"), std::string::npos) << e.message;
}

}  // namespace
}  // namespace traxen
