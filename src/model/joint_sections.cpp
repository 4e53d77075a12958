// Looking up each member of a joint in the library.
#include "model/joint_sections.h"

#include <fmt/format.h>

#include <vector>

#include "sections/section_class.h"
#include "sections/section_types.h"

namespace traxen {

namespace {

struct MemberSlots {
  const char* name;  // for messages: "chord", "brace 1"
  int& type_index;
  int& number_index;
  double &h, &b, &t;
  int& section_class;
  double fy_class;
};

// Looks one member up and writes its slots; returns the reason on failure.
std::string RestoreMember(const SectionLibrary& library, const std::vector<std::string>& types,
                          MemberSlots m, SectionProperties& row) {
  if (m.type_index < 0 || m.type_index >= static_cast<int>(types.size()))
    return fmt::format("{} {}: the {} section type position is {}, the list has {} types", kTypeFileUnreadable,
                       library.ListFilePath(), m.name, m.type_index, types.size());
  const std::string& type_name = types[static_cast<std::size_t>(m.type_index)];
  // The joints' formulas hold for hollow sections only: an HEA 200 restored here would be
  // checked as a 190 x 200 x 6.5 tube and could pass.
  if (!IsJointMemberType(type_name))
    return fmt::format(
        "the {}'s section type {} (position {} of the type list) is not a square or rectangular hollow section; "
        "the joint is not checked until the {} is {}",
        m.name, type_name, m.type_index, m.name, JointMemberTypeNames("or"));
  if (m.number_index < 0)
    return fmt::format("no {} section is selected (list position {})", m.name, m.number_index);
  std::optional<SelectedSection> chosen;
  if (LibraryError e = library.SelectSection(type_name, m.number_index, chosen))
    return fmt::format("{} ({})", e.Text(), m.name);
  row = chosen->row;
  m.number_index = chosen->position;  // the row actually taken: beyond the end is the last row
  m.h = row.h;
  m.b = row.b;
  m.t = row.t;
  m.section_class = LibrarySectionClass(FindSectionType(type_name)->kind, row, m.fy_class);
  return {};
}

void SetChordProperties(const SectionProperties& chord, Job& job) {
  job.chord.A0 = chord.A * 100;
  job.chord.Wel0 = chord.Wy * 1000;
}

}  // namespace

std::string RestoreTyxSections(const SectionLibrary& library, Job& job) {
  std::vector<std::string> types;
  if (LibraryError e = library.LoadTypeList(types)) return e.Text();
  TyxJoint x = job.tyx;  // the job changes only when every member is found
  SectionProperties chord, brace;
  if (std::string e = RestoreMember(library, types,
                                    {"chord", x.chord_type_index, x.chord_number_index, x.h0, x.b0, x.t0,
                                     x.chord_class, x.fy_class_chord},
                                    chord);
      !e.empty())
    return e;
  if (std::string e = RestoreMember(library, types,
                                    {"brace", x.brace1_type_index, x.brace1_number_index, x.h1, x.b1, x.t1,
                                     x.brace_class, x.fy_class_brace},
                                    brace);
      !e.empty())
    return e;
  job.tyx = std::move(x);
  SetChordProperties(chord, job);
  return {};
}

std::string RestoreKnSections(const SectionLibrary& library, Job& job) {
  std::vector<std::string> types;
  if (LibraryError e = library.LoadTypeList(types)) return e.Text();
  KnJoint k = job.kn;  // the job changes only when every member is found
  SectionProperties chord, brace1, brace2;
  const double fy = kKnClassifyingStrength;
  if (std::string e = RestoreMember(library, types,
                                    {"chord", k.chord_type_index, k.chord_number_index, k.h0, k.b0, k.t0,
                                     k.chord_class, fy},
                                    chord);
      !e.empty())
    return e;
  if (std::string e = RestoreMember(library, types,
                                    {"brace 1", k.brace1_type_index, k.brace1_number_index, k.h1, k.b1, k.t1,
                                     k.brace1_class, fy},
                                    brace1);
      !e.empty())
    return e;
  if (std::string e = RestoreMember(library, types,
                                    {"brace 2", k.brace2_type_index, k.brace2_number_index, k.h2, k.b2, k.t2,
                                     k.brace2_class, fy},
                                    brace2);
      !e.empty())
    return e;
  job.kn = std::move(k);
  SetChordProperties(chord, job);
  return {};
}

}  // namespace traxen
