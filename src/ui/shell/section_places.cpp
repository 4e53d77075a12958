// Finding a sized job's section places for its joint dialog.
#include "ui/shell/section_places.h"

#include <QCoreApplication>

#include "model/job_family.h"
#include "model/job_file.h"
#include "model/section_positions.h"
#include "sections/section_library.h"

namespace traxen {

std::string PlaceSectionsBySize(Job& job, const std::string& for_file) {
  if (!FamilyOf(job)) return {};
  JobLibrary library("", QCoreApplication::applicationDirPath().toStdString());
  const SectionLibrary* sections = nullptr;
  if (const LoadError e = library.Get(for_file, sections)) return e.message;
  return FindSectionPositions(*sections, job);
}

}  // namespace traxen
