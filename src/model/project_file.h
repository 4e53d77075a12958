// Project files (*.trx): the Job record of one joint family in eighteen text lines, written
// and read back, and the confirmation of the file's joint family that follows a read.
//
// Lines 1-14 hold numbers ("%lf" with six decimals, "%d"), lines 8-10 the three section
// texts and lines 15-18 the job texts; every line ends with " \n". A text is the whole line
// without that last blank, so texts may hold blanks and apostrophes or be empty. Files are
// written in Windows-1257, or in UTF-8 when a text has a character Windows-1257 lacks; valid
// UTF-8 is read as UTF-8 and anything else as Windows-1257.
//
// The optional tail: the steel values the eighteen lines have no slot for, one "%lf" value
// per line, always in this order:
//   19 steel.fy_plate   20 steel.fu0   21 steel.fu1   22 steel.fu2   23 steel.fy2
//   24 steel.E          25 steel.gamma_M0   26 steel.gamma_M1   27 steel.gamma_M2
// A file ends after the last of them that differs from its default (the lines before it
// are written with their values, default or not), so a job with the default steel is
// eighteen lines, exactly as the Windows version writes it. A tail line that is absent or
// blank reads as its default. Line 23 matters to T/Y/X files, whose line 4 repeats fy1 in
// its fy2 slot; a K/N file's line 4 holds fy2 itself, so there the tail's fy2 defaults to
// line 4's and must agree with it. A non-blank line after line 27 is refused: it would be a
// value this program does not know and would silently drop.
//
// Every number a file's family reads must lie in its range (model/value_ranges.h) as
// written with six decimals: a file is refused, naming the line and slot, rather than read
// into a job no report could trust.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/job.h"
#include "model/load_result.h"
#include "model/report_inputs.h"

namespace traxen {

class SectionLibrary;

inline constexpr double kDefaultPlateYield = 355.0;  // MPa

// The slots of the eighteen lines, in file order. Units as in the Job record.
struct ProjectFileSlots {
  // line 1
  int is_tyx = 0, is_kn = 0;
  double L0_left = 0, L0_right = 0, N0 = 0, M0 = 0, fy0 = 0, reserved = 0;
  int chord_class = 0;
  // line 2: chord; e is the K/N eccentricity (0 for T/Y/X)
  double h0 = 0, b0 = 0, t0 = 0, e = 0;
  // line 3
  double A0 = 0, Wel0 = 0;
  // line 4
  double L1 = 0, L2 = 0, N1 = 0, N2 = 0, fy1 = 0, fy2 = 0, theta1 = 0, theta2 = 0;
  int brace_class = 0;
  // lines 5 and 6
  double h1 = 0, b1 = 0, t1 = 0;
  double h2 = 0, b2 = 0, t2 = 0;
  // line 7: type and section list positions of chord, brace 1, brace 2
  std::array<int, 6> positions{};
  // lines 8-10
  std::array<std::string, 3> section_texts;
  // lines 11-13: face, side and overlap plate l, b, t
  std::array<double, 3> face{}, side{}, overlap{};
  // line 14
  std::array<int, 3> plate_flags{};
  // lines 15-18: calculated_by, job_name, client, owner
  std::array<std::string, 4> job_texts;
  // lines 19-27, optional (the tail above): steel values in MPa and partial factors
  double fy_plate = kDefaultPlateYield;
  double fu0 = JobSteel{}.fu0, fu1 = JobSteel{}.fu1, fu2 = JobSteel{}.fu2;
  double tail_fy2 = JobSteel{}.fy2;  // brace 2 yield strength (line 23)
  double E = JobSteel{}.E;
  double gamma_M0 = JobSteel{}.gamma_M0, gamma_M1 = JobSteel{}.gamma_M1, gamma_M2 = JobSteel{}.gamma_M2;
};

// The number of lines a project file may have: eighteen and the nine of the tail.
inline constexpr int kProjectFileLines = 27;

// The slots a save writes: the T/Y/X or K/N column of the Job record by its family flag;
// with neither family set, every number comes from the document's working values (zeros in
// a new document; line 14 from the K/N flags when the K/N dialog was the last confirmed,
// else the T/Y/X flags), the section texts are empty, and the job texts come from the Job
// record.
ProjectFileSlots ProjectFileSlotsFromJob(const Job& job, const ReportInputs& working, int last_dialog);

// The eighteen lines and as much of the tail as the steel values need, as UTF-8 text. Line
// breaks inside a text are written as blanks.
std::string FormatProjectFile(const ProjectFileSlots& slots);

// Parses UTF-8 text; on failure names `file_name`, the line and the slot, and leaves `slots`
// as it was.
LoadError ParseProjectFile(std::string_view text, std::string_view file_name, ProjectFileSlots& slots);

// What a read copies: the job texts always; the T/Y/X or K/N slots by the file's family
// flag, with `last_dialog` set to 1 or 2 (the family flags of the Job record are set by the
// confirmation). Every slot also becomes a working value. A K/N file sets kn.N0_right from
// equilibrium with the file's N2.
void ApplyProjectFile(const ProjectFileSlots& slots, Job& job, ReportInputs& working, int& last_dialog);

// Bytes on disk: Windows-1257, unless a character needs UTF-8 or the Windows-1257 bytes
// would themselves read as valid UTF-8; then the whole file is UTF-8, so it reads back the same.
std::string EncodeProjectFile(std::string_view utf8_text);
// Decoding: a leading UTF-8 byte-order mark is dropped; valid UTF-8 stays, other bytes are
// Windows-1257. A byte Windows-1257 does not define fails, naming its line.
LoadError DecodeProjectFile(std::string_view bytes, std::string_view file_name, std::string& utf8_text);

// Writes the job to `path` atomically: a temporary file in the same folder is written,
// flushed to disk and renamed over the old file, so a failed save leaves the old file as it
// was. A job whose file would not read back (a value out of its range) is not written. The
// error names the file and the system's reason or the value.
LoadError SaveProjectFile(const std::string& path, const Job& job, const ReportInputs& working, int last_dialog);

// The bytes SaveProjectFile writes, for a caller that writes them itself; the same refusal
// of a job that would not read back, naming `path`.
LoadError ProjectFileBytes(const std::string& path, const Job& job, const ReportInputs& working, int last_dialog,
                           std::string& bytes);

// Reads `path` into `job`, `working` and `last_dialog` (ApplyProjectFile); on any failure
// all stay unchanged. `dialog_to_confirm`: which joint dialog the read file asks to
// confirm, 0 none, 1 T/Y/X, 2 K/N.
LoadError ReadProjectFile(const std::string& path, Job& job, ReportInputs& working, int& last_dialog,
                          int& dialog_to_confirm);

// Confirms the joint dialog of a read file without a window: restores every member's
// section from the library by the stored positions (dimensions, chord.A0, chord.Wel0,
// section classes), then T/Y/X mirrors brace 2 from brace 1 and K/N derives kn.N2 and
// kn.N0_right; sets the family flags and last_dialog. `file_name` serves the messages. On
// failure `job` and `last_dialog` stay unchanged.
LoadError ConfirmProjectFamily(int dialog, const SectionLibrary& library, std::string_view file_name, Job& job,
                               int& last_dialog);

}  // namespace traxen
