// A section-library failure: the message box's headline and the detail that names the
// file, the line and row, and what is wrong.
#pragma once

#include <string>

namespace traxen {

inline constexpr const char* kListFileMissing = "profdeftraxen.txt ei leidnud!";
inline constexpr const char* kListFileMalformed = "profdeftraxen.txt on vigane!";
inline constexpr const char* kTypeFileUnreadable = "Ei saa avadaa faili .prf";
inline constexpr const char* kTypeFileMalformed = "Profiilifail on vigane!";

struct LibraryError {
  std::string message;  // one of the headlines above
  std::string detail;   // e.g. "Profiilid/ruuttoru.prf: line 14: row 13 (100x100x5): ..."
  explicit operator bool() const { return !message.empty(); }
  std::string Text() const { return detail.empty() ? message : message + " " + detail; }
};

}  // namespace traxen
