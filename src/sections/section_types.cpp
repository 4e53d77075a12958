// The seventeen section types.
#include "sections/section_types.h"

#include <array>
#include <vector>

namespace traxen {

namespace {

constexpr std::string_view kSfs = "NORM:  SFS 200 DIN 17100";
constexpr std::string_view kGost8239 = "NORM:  GOST 8239-72";
constexpr std::string_view kGost380 = "NORM:  GOST 380-88";
constexpr std::string_view kHollow = "NORM:_SFS_200_DIN_17100";

constexpr std::array<SectionType, 17> kTypes{{
    {"I", "iii.prf", SectionKind::kISection, "I ", kSfs, ""},
    {"IPE", "ipe.prf", SectionKind::kISection, "IPE ", kSfs, ""},
    {"HEA", "hea.prf", SectionKind::kISection, "HEA ", kSfs, ""},
    {"HEB", "heb.prf", SectionKind::kISection, "HEB ", kSfs, ""},
    {"HEM", "hem.prf", SectionKind::kISection, "HEM ", "NORM:  SIS 21 2752", ""},
    {"I_(VENE)", "ivene.prf", SectionKind::kISection, "I ", "NORM:  GOST 8239-72          ", ""},
    {"IB_(VENE)", "ibvene.prf", SectionKind::kISection, "I ", "NORM:  GOST 380-88          ", ""},
    {"IS_(VENE)", "isvene.prf", SectionKind::kISection, "I ", kGost380, ""},
    {"IK_(VENE)", "ikvene.prf", SectionKind::kISection, "I ", kGost380, ""},
    {"U", "uuu.prf", SectionKind::kChannel, "U ", kSfs, ""},
    {"USP", "usp.prf", SectionKind::kChannel, "USP ", kSfs, ""},
    {"U_(VENE)", "uvene.prf", SectionKind::kChannel, "U ", kGost8239, ""},
    {"USP_(VENE)", "uspvene.prf", SectionKind::kChannel, "U ", kGost380, ""},
    {"RUUTTORU", "ruuttoru.prf", SectionKind::kSquareHollow, "  ", kHollow, "EN 10219-2"},
    {"RISTTORU_I", "risttoru.prf", SectionKind::kRectangularHollow, "  ", kHollow, "EN 10219-2"},
    {"RISTTORU_II", "risttoruII.prf", SectionKind::kRectangularHollow, "  ", kHollow, "EN 10210-2"},
    {"YMARTORU", "toru.prf", SectionKind::kRoundTube, "ÜT   ", "NORM:  EN 10219", "EN 10219-2"},
}};

}  // namespace

const SectionType* FindSectionType(std::string_view name) {
  for (const SectionType& t : kTypes)
    if (t.name == name) return &t;
  return nullptr;
}

bool IsJointMemberType(const SectionType& type) {
  return type.kind == SectionKind::kSquareHollow || type.kind == SectionKind::kRectangularHollow;
}

bool IsJointMemberType(std::string_view name) {
  const SectionType* type = FindSectionType(name);
  return type && IsJointMemberType(*type);
}

std::string JointMemberTypeNames(std::string_view or_word) {
  std::vector<std::string_view> names;
  for (const SectionType& t : kTypes)
    if (IsJointMemberType(t)) names.push_back(t.name);
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " " + std::string(or_word) + " " : std::string(", ");
    text += names[i];
  }
  return text;
}

std::string SectionLabel(const SectionType& type, std::string_view designation) {
  std::string label(type.label_prefix);
  label += designation;
  return label;
}

std::string StandardLine(const SectionType& type, Member member) {
  const bool shown = member == Member::kChord || IsJointMemberType(type);
  return shown ? std::string(type.standard_line) : std::string(55, ' ');
}

int RowNumberCount(SectionKind kind) {
  switch (kind) {
    case SectionKind::kISection: return 16;
    case SectionKind::kChannel: return 15;
    case SectionKind::kSquareHollow: return 10;
    case SectionKind::kRectangularHollow: return 14;
    case SectionKind::kRoundTube: return 2;
  }
  return 0;
}

const char* SectionKindName(SectionKind kind) {
  switch (kind) {
    case SectionKind::kISection: return "I-section";
    case SectionKind::kChannel: return "channel";
    case SectionKind::kSquareHollow: return "square hollow section";
    case SectionKind::kRectangularHollow: return "rectangular hollow section";
    case SectionKind::kRoundTube: return "round tube";
  }
  return "section";
}

}  // namespace traxen
