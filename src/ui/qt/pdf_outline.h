// Bookmarks for a PDF file that Qt's PDF writer made: Qt writes no document outline, so one
// is appended as an incremental update (new objects, a new catalogue that names them, and a
// cross-reference section that points back to Qt's), which every PDF reader understands.
#pragma once

#include <string>
#include <vector>

namespace traxen {

struct PdfOutlineEntry {
  std::string title;  // UTF-8
  int page = 0;       // from 0
};

// Appends the outline to the PDF open as `fd` (read and written in place). "" when done,
// else the reason: the file is then as Qt left it, apart from bytes after its end.
// `appended` (may be null) gets the bytes added.
std::string AppendPdfOutline(int fd, const std::vector<PdfOutlineEntry>& entries, std::string* appended = nullptr);

}  // namespace traxen
