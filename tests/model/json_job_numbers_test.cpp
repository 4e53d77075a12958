// JSON jobs with numbers a double cannot hold are refused with a message, not a crash.
#include <gtest/gtest.h>

#include "model/json_job.h"

namespace traxen {
namespace {

TEST(JsonJobNumbers, AnOverflowingNumberIsAnError) {
  JsonJob parsed;
  const LoadError e = ParseJsonJob(R"({"tyx": {"N0": 1e400}})", "big.json", parsed);
  EXPECT_EQ(e.message, "big.json: not valid JSON: number overflow parsing '1e400'");
}

}  // namespace
}  // namespace traxen
