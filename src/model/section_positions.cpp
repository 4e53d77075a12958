// Finding library rows by size.
#include "model/section_positions.h"

#include <fmt/format.h>

#include <cmath>
#include <vector>

#include "sections/section_types.h"

namespace traxen {

namespace {

struct MemberRef {
  const char* name;
  double h, b, t;
  int& type_index;
  int& number_index;
  std::string* section_text;  // null: the member has none of its own
  Member member;
};

bool SameSize(const SectionProperties& row, double h, double b, double t) {
  auto same = [](double x, double y) { return std::abs(x - y) <= 1e-9 * std::max(1.0, std::abs(y)); };
  return same(row.h, h) && same(row.b, b) && same(row.t, t);
}

std::string FindMember(const SectionLibrary& library, const std::vector<std::string>& types, MemberRef m) {
  auto row_matches = [&](int type_index, int number_index, const SectionType*& type) {
    if (type_index < 0 || type_index >= static_cast<int>(types.size()) || number_index < 0) return false;
    type = FindSectionType(types[static_cast<std::size_t>(type_index)]);
    if (!type || (type->kind != SectionKind::kSquareHollow && type->kind != SectionKind::kRectangularHollow))
      return false;
    SectionTable table;
    if (library.ReadTable(type->name, table) || number_index >= static_cast<int>(table.size())) return false;
    return SameSize(table[static_cast<std::size_t>(number_index)], m.h, m.b, m.t);
  };
  const SectionType* type = nullptr;
  int found_type = -1, found_row = -1;
  if (row_matches(m.type_index, m.number_index, type)) {
    found_type = m.type_index, found_row = m.number_index;
  } else {
    for (std::size_t ti = 0; ti < types.size() && found_type < 0; ++ti) {
      const SectionType* candidate = FindSectionType(types[ti]);
      if (!candidate ||
          (candidate->kind != SectionKind::kSquareHollow && candidate->kind != SectionKind::kRectangularHollow))
        continue;
      SectionTable table;
      if (LibraryError e = library.ReadTable(candidate->name, table)) return e.Text();
      for (std::size_t ri = 0; ri < table.size(); ++ri)
        if (SameSize(table[ri], m.h, m.b, m.t)) {
          found_type = static_cast<int>(ti), found_row = static_cast<int>(ri), type = candidate;
          break;
        }
    }
  }
  if (found_type < 0)
    return fmt::format("the {} size {} x {} x {} is not a hollow section of the library {}", m.name, m.h, m.b, m.t,
                       library.dir());
  m.type_index = found_type;
  m.number_index = found_row;
  if (m.section_text && m.section_text->empty()) *m.section_text = StandardLine(*type, m.member);
  return {};
}

}  // namespace

std::string FindSectionPositions(const SectionLibrary& library, Job& job) {
  std::vector<std::string> types;
  if (LibraryError e = library.LoadTypeList(types)) return e.Text();
  Job result = job;
  std::vector<MemberRef> members;
  if (result.family.is_tyx == 1) {
    TyxJoint& x = result.tyx;
    members.push_back({"chord", x.h0, x.b0, x.t0, x.chord_type_index, x.chord_number_index, &x.chord_section_text,
                       Member::kChord});
    // The lower brace mirrors this one and is never looked up: its stored positions stay.
    members.push_back({"brace", x.h1, x.b1, x.t1, x.brace1_type_index, x.brace1_number_index,
                       &x.brace_section_text, Member::kBrace});
  } else if (result.family.is_kn == 1) {
    KnJoint& k = result.kn;
    members.push_back({"chord", k.h0, k.b0, k.t0, k.chord_type_index, k.chord_number_index, &k.chord_section_text,
                       Member::kChord});
    members.push_back({"brace 1", k.h1, k.b1, k.t1, k.brace1_type_index, k.brace1_number_index,
                       &k.brace1_section_text, Member::kBrace});
    members.push_back({"brace 2", k.h2, k.b2, k.t2, k.brace2_type_index, k.brace2_number_index,
                       &k.brace2_section_text, Member::kBrace});
  }
  for (const MemberRef& m : members)
    if (std::string e = FindMember(library, types, m); !e.empty()) return e;
  job = std::move(result);
  return {};
}

}  // namespace traxen
