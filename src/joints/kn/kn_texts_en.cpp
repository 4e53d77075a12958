// The words of the K/N condition names `traxen-cli check` prints.
#include "joints/kn/kn_texts.h"

namespace traxen {

std::string_view KnCheckName(KnConditionWord word) {
  using W = KnConditionWord;
  switch (word) {
    case W::kChord: return "chord";
    case W::kBrace: return "brace ";
    case W::kSectionClass: return "section class 1 or 2";
    case W::kGapSize: return "gap: g >= t1 + t2";
    case W::kGapRatioMin: return "gap: g / b0 >= 0.5 (1 - beta)";
    case W::kGapRatioMax: return "gap: g / b0 <= 1.5 (1 - beta)";
    case W::kOverlapWidthRatio: return "overlap: narrower / wider brace width >= 0.75";
    case W::kOverlapRatio: return "overlap: 25 % <= lambda_ov <= 100 %";
    case W::kCount: break;
  }
  return {};
}

}  // namespace traxen
