// Shared test helpers: fixture paths, golden-file comparison, tolerance predicates.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "report/report_language.h"

namespace traxen::testing {

std::string TestPath(const std::string& relative);  // below tests/
std::string SourcePath(const std::string& relative);  // below the repository root
std::string ReadFile(const std::string& path);

// Compares `actual` with the golden file; on a mismatch writes `actual` next to it as
// NAME.actual.txt and fails with the first differing line. TRAXEN_UPDATE_GOLDEN=1 rewrites.
::testing::AssertionResult MatchesGolden(const std::string& golden_path, const std::string& actual);

inline ::testing::AssertionResult RelNear(double value, double expected, double rel) {
  const double tol = std::abs(expected) * rel;
  if (std::abs(value - expected) <= tol) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "value " << value << " differs from " << expected
                                       << " by more than " << rel << " relative";
}

}  // namespace traxen::testing

#define EXPECT_REL_NEAR(value, expected, rel) \
  EXPECT_TRUE(::traxen::testing::RelNear((value), (expected), (rel)))

namespace traxen::testing {
// Loads a job file (.json, or .trx with the repository's section library) as traxen-cli
// does and returns the report's text output in `language`; fails the test when the job cannot
// be read.
std::string RenderJobText(const std::string& job_path, ReportLanguage language = ReportLanguage::kEstonian);
}  // namespace traxen::testing
