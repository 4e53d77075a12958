// The words a report line takes from a catalogue, in the language of the rendering it draws:
// `Say(w, TyxTextKey::kChordHeading)` for any key that has a ReportText overload.
#pragma once

#include <string_view>

#include "report/line_writer.h"
#include "report/report_canvas.h"
#include "report/report_texts.h"

namespace traxen {

template <class Key>
std::string_view Say(const ReportCanvas& canvas, Key key) {
  return ReportText(key, canvas.language);
}

template <class Key>
std::string_view Say(LineWriter& w, Key key) {
  return Say(w.canvas(), key);
}

}  // namespace traxen
