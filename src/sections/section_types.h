// The section types the library knows by name: their file, kind, the label of a row in the
// section list and the standard line the joint dialogs show.
#pragma once

#include <string>
#include <string_view>

#include "sections/section_properties.h"

namespace traxen {

struct SectionType {
  std::string_view name;           // as in the list file, compared exactly
  std::string_view file;           // below the library directory
  SectionKind kind;
  std::string_view label_prefix;   // the list label is prefix + designation
  std::string_view standard_line;  // kept in a job's section text (the project file's word)
  // The product standard the dialogs name for a tube ("EN 10219-2"); "" for the other types.
  std::string_view product_standard;
};

// The type of that name, or nullptr when the library has no file for it.
const SectionType* FindSectionType(std::string_view name);

// The list label of a row, e.g. "IPE 200", "  100x100x5", "ÜT   168.3x6".
std::string SectionLabel(const SectionType& type, std::string_view designation);

// Whether a welded joint of square and rectangular hollow sections may take a member of this
// type: RUUTTORU, RISTTORU_I and RISTTORU_II. An I-section, a channel or a round tube read
// into these joints' formulas would be checked as a hollow section it is not.
bool IsJointMemberType(const SectionType& type);
// The same by name; a name the library has no file for is not one.
bool IsJointMemberType(std::string_view name);

// The joint member types' names for messages: "RUUTTORU, RISTTORU_I or RISTTORU_II"
// (`or_word` joins the last two: "or", "või").
std::string JointMemberTypeNames(std::string_view or_word);

enum class Member { kChord, kBrace };

// The standard line shown for a member: a brace shows it only for square and rectangular
// hollow sections and 55 blanks otherwise.
std::string StandardLine(const SectionType& type, Member member);

}  // namespace traxen
