// Job texts shown where a line of text is expected: the report's page header and footer, a
// PDF's title, traxen-cli's one line per job. A text typed or pasted into a dialog, a JSON job
// or a project file may carry control characters that would break such a line or, as the
// bidirectional overrides do, reverse what follows them on the page.
#pragma once

#include <string>
#include <string_view>

namespace traxen {

// The text as one printable line: tabs, line breaks and the other white-space controls
// become blanks; every other control character (C0, DEL, C1) and the invisible
// bidirectional controls (embeddings, overrides, isolates and marks) are dropped. A byte
// that is not UTF-8 becomes U+FFFD.
std::string PrintableText(std::string_view text);

// The text with its control characters spelt out, so that it stays on one line and shows
// what it holds: "\t", "\n", "\r", "\xNN" for the other C0 controls and DEL, "\u0085" and so
// on for the C1 controls. Everything else, invalid UTF-8 included, is kept as it is.
std::string EscapedControls(std::string_view text);

}  // namespace traxen
