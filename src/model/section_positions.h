// The section-library list positions of a job's members found from their sizes, so that a
// job typed as h × b × t can be saved as a project file the desktop program restores.
#pragma once

#include <string>

#include "model/job.h"
#include "sections/section_library.h"

namespace traxen {

// Sets the type and row positions of the members of the job's family (T/Y/X: chord and
// brace 1, whose mirror brace 2 is never looked up; K/N: chord, brace 1, brace 2) from their
// h, b, t, searching the square and rectangular hollow-section types in list order;
// positions already pointing at a row of that size are kept. Section texts left empty get
// the type's standard line. On failure returns the reason naming the member and the size,
// and leaves `job` unchanged.
std::string FindSectionPositions(const SectionLibrary& library, Job& job);

}  // namespace traxen
