// The members' sections of a job restored from the library by their stored type and list
// positions, as a joint dialog does when it opens: dimensions, the chord's area and section
// modulus, and the section classes.
#pragma once

#include <string>

#include "model/job.h"
#include "sections/section_library.h"

namespace traxen {

// The steel strength the K/N joint classifies its sections with (the T/Y/X joint has its
// own, tyx.fy_class_chord and tyx.fy_class_brace).
inline constexpr double kKnClassifyingStrength = 355.0;  // MPa

// T/Y/X: chord and brace 1 (h, b, t), chord.A0 = A × 100 (mm²), chord.Wel0 = Wy × 1000
// (mm³), tyx.chord_class and tyx.brace_class; a section position beyond the end of its list
// becomes the last row. Brace 2 is the dialog's mirror of brace 1 and is not looked up.
// A member whose stored type is not a square or rectangular hollow section is refused: the
// joint is not computed from it. On failure returns the reason (naming the member, and the
// type or the library file) and leaves `job` unchanged.
std::string RestoreTyxSections(const SectionLibrary& library, Job& job);

// K/N: chord, brace 1 and brace 2, chord.A0, chord.Wel0 and the three classes.
std::string RestoreKnSections(const SectionLibrary& library, Job& job);

}  // namespace traxen
