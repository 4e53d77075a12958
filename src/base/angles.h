// Degrees to radians, the two ways the program converts: the reports and the schematics
// with π as 3.14159265, the dialogs with 0.0174532925 per degree. Each caller keeps its own
// so that every printed number stays what it always was.
#pragma once

namespace traxen {

inline constexpr double kReportPi = 3.14159265;
inline double ReportRadians(double degrees) { return degrees * kReportPi / 180; }

inline constexpr double kDialogRadiansPerDegree = 0.0174532925;

}  // namespace traxen
