#include "lexlists/formula/search_categorising.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <cstdlib>
#include <cstring>

#include "lexcore/drawing/colour_utils.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/my_string_functions.h"

namespace lx {

namespace {

constexpr std::size_t kFixedBytes = 100;  // original_data_column .. spares
constexpr std::size_t kMaxSeekText = 1 << 20;

bool EndsWith(std::u16string_view s, std::u16string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

int32_t CharacterLength(std::u16string_view s) {
  int32_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++i)
    if (!U16_IS_TRAIL(s[i]) || i == 0 || !U16_IS_LEAD(s[i - 1])) ++n;
  return n;
}

}  // namespace

bool SearchRequirementMet(const TSearchRequirementRec& r) {
  const bool numerical = r.data_numerical != 0;
  const float low = r.Compare_with_OtherDataColumn ? r.n_other_data_column_actual : r.n_seek_low;
  switch (r.how) {
    case ccp_Ignore:
    case ccp_spare4:
      return false;
    case ccp_Equals:
      return numerical ? r.n_actual == low : r.s_actual == r.s_seek_base;
    case ccp_StartsWith:
      return r.s_actual.compare(0, r.s_seek_base.size(), r.s_seek_base) == 0 &&
             r.s_actual.size() >= r.s_seek_base.size();
    case ccp_EndsWith:
      return EndsWith(r.s_actual, r.s_seek_base);
    case ccp_Between:
      return numerical ? low <= r.n_actual && r.n_actual <= r.n_seek_high
                       : r.s_seek_base <= r.s_actual && r.s_actual <= r.s_seek_high;
    case ccp_GreaterThan:
      return numerical ? r.n_actual > low : r.s_actual > r.s_seek_base;
    case ccp_LessThan:
      return numerical ? r.n_actual < low : r.s_actual < r.s_seek_base;
    case ccp_FoundAnywhereIn:
    case ccp_FoundWithinNWordsOfSearchword:
    case ccp_FoundWithinNWordsToLeftOfSearchword:
    case ccp_FoundWithinNWordsToRightOfSearchword:
    case ccp_FoundWithinNWordsOf:
    case ccp_FoundWithinNWordsToLeftOf:
    case ccp_FoundWithinNWordsToRightOf:
      return PosWordFoundIn(r.s_seek_base, r.s_actual, r.seek_low_flags) > 0;
    case ccp_WordLengthEquals:
      return CharacterLength(r.s_actual) == r.n_seek_low;
    case ccp_WordLengthGreaterThan:
      return CharacterLength(r.s_actual) > r.n_seek_low;
    case ccp_WordLengthLessThan:
      return CharacterLength(r.s_actual) < r.n_seek_low;
    case ccp_is_deleted:
      return r.is_deleted != 0;
    case ccp_is_joined_head:
      return r.is_joined_head != 0;
    case ccp_is_Joined_member:
      return r.is_joined_member != 0;
    case ccp_is_marked:
      return r.is_marked != 0;
    case ccp_is_matched:
      return r.is_matched != 0;
  }
  return false;
}

bool CategConditionsMet(const TDoubleSearchCategoryRec& category) {
  const TSearchRequirementRec* taken[2] = {nullptr, nullptr};
  int n = 0;
  for (const TSearchRequirementRec& r : category.requirement)
    if (r.how != ccp_Ignore) taken[n++] = &r;
  if (n == 0) return false;
  const TSearchRequirementLinkType link = category.link_type;
  const bool first = SearchRequirementMet(*taken[0]) != (taken[0]->opposite != 0);
  if (first) {
    if (link == ccl_or || n == 1) return true;
  } else if (link != ccl_or || n == 1) {
    return false;
  }
  const bool second = SearchRequirementMet(*taken[1]);
  switch (link) {
    case ccl_and:
      return second && first;
    case ccl_or:
      return second;
    case ccl_but_not:
      return !second && first;
    case ccl_spare:
      break;
  }
  return false;
}

bool AnyCategConditionsMet(std::vector<TDoubleSearchCategoryRec>& categories, TConditionsMetRecArray& met) {
  met.clear();
  for (TDoubleSearchCategoryRec& c : categories) {
    if (!CategConditionsMet(c)) continue;
    ++c.requirement[0].found;
    met.push_back(TConditionsMetRec{c.requirement[0].colour});
  }
  return !met.empty();
}

TColor MeanColourOf(const TConditionsMetRecArray& met) {
  if (met.empty()) return 0xFFFFFF;
  TColor c = met[0].colour;
  for (std::size_t i = 1; i < met.size(); ++i) c = MixColors(met[i].colour, c, 128);
  return c;
}

bool IdenticalSearchRequirements(const TSearchRequirementRec& a, const TSearchRequirementRec& b) {
  const TSearchRequirementImage x = SearchRequirementToImage(a), y = SearchRequirementToImage(b);
  return std::memcmp(x.data(), y.data(), kFixedBytes) == 0 && a.s_seek_base == b.s_seek_base &&
         a.neighbour_word == b.neighbour_word && a.s_seek_high == b.s_seek_high;
}

UnicodeString NManyWordsContext(TSearchRequirementSeeks how, std::u16string_view context, int32_t pos,
                                int32_t span) {
  const bool both = how == ccp_FoundWithinNWordsOf || how == ccp_FoundWithinNWordsOfSearchword;
  const bool left = how == ccp_FoundWithinNWordsToLeftOf || how == ccp_FoundWithinNWordsToLeftOfSearchword;
  const bool right = how == ccp_FoundWithinNWordsToRightOf || how == ccp_FoundWithinNWordsToRightOfSearchword;
  if (!both && !left && !right) return UnicodeString(context);
  const std::size_t n = context.size();
  std::size_t at = pos >= 1 ? static_cast<std::size_t>(pos - 1) : 0;
  if (at > n) at = n;
  auto isWord = [&](std::size_t i) { return i < n && IsWordCharacter(context[i]); };
  // The word at pos runs from at to wordEnd.
  std::size_t wordEnd = at;
  while (isWord(wordEnd)) ++wordEnd;
  std::size_t start = at, end = wordEnd;
  if (both || left) {
    start = at;
    for (int32_t k = 0; k < span && start > 0; ++k) {
      while (start > 0 && !isWord(start - 1)) --start;
      while (start > 0 && isWord(start - 1)) --start;
    }
    if (left) end = at;
  }
  if (both || right) {
    end = wordEnd;
    for (int32_t k = 0; k < span && end < n; ++k) {
      while (end < n && !isWord(end)) ++end;
      while (isWord(end)) ++end;
    }
    if (right) start = wordEnd;
  }
  return Trim(context.substr(start, end - start));
}

UnicodeString NearestContextToMidpoint(TSearchRequirementSeeks how, std::u16string_view word,
                                       std::u16string_view context, int32_t midpoint, int32_t span,
                                       TMySearchFlags flags) {
  const std::vector<int32_t> positions = CharacterPositionsWordFoundIn(word, context, flags);
  if (positions.empty()) return {};
  int32_t best = positions[0];
  for (int32_t p : positions)
    if (std::abs(static_cast<int64_t>(p) - midpoint) < std::abs(static_cast<int64_t>(best) - midpoint))
      best = p;
  return NManyWordsContext(how, context, best, span);
}

namespace {

void PutInt32(TStream& s, int32_t v) {
  const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                        static_cast<uint8_t>(v >> 24)};
  s.WriteBuffer(b, 4);
}

bool GetInt32(TStream& s, int32_t& v) {
  uint8_t b[4];
  if (s.Read(b, 4) != 4) return false;
  v = static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                           static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
  return true;
}

}  // namespace

bool TRequirementsArrayHolder::SaveToStream(TStream& stream) const {
  try {
    PutInt32(stream, 2);
    for (const TSearchRequirementRec& r : category.requirement) {
      const TSearchRequirementImage image = SearchRequirementToImage(r);
      stream.WriteBuffer(image.data(), kFixedBytes);
      const uint8_t none[4] = {0, 0, 0, 0};
      stream.WriteBuffer(none, 4);
      if (r.s_seek_base.size() > INT32_MAX) return false;
      PutInt32(stream, static_cast<int32_t>(r.s_seek_base.size()));
      std::vector<uint8_t> units(r.s_seek_base.size() * 2);
      for (std::size_t i = 0; i < r.s_seek_base.size(); ++i) {
        units[2 * i] = static_cast<uint8_t>(r.s_seek_base[i]);
        units[2 * i + 1] = static_cast<uint8_t>(r.s_seek_base[i] >> 8);
      }
      if (!units.empty()) stream.WriteBuffer(units.data(), static_cast<int64_t>(units.size()));
    }
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool TRequirementsArrayHolder::LoadFromStream(TStream& stream) {
  category = TDoubleSearchCategoryRec{};
  try {
    int32_t count = 0;
    if (!GetInt32(stream, count) || count < 0) return false;
    // Two requirements are all a category holds: any more in the stream are left unread.
    const int32_t wanted = count < 2 ? count : 2;
    for (int32_t k = 0; k < wanted; ++k) {
      TSearchRequirementRec& r = category.requirement[static_cast<std::size_t>(k)];
      TSearchRequirementImage image{};
      uint8_t skipped[4];
      if (stream.Read(image.data(), kFixedBytes) != static_cast<int64_t>(kFixedBytes)) return false;
      if (stream.Read(skipped, 4) != 4) return false;
      SearchRequirementFromImage(image, r);
      int32_t length = 0;
      if (!GetInt32(stream, length) || length < 0 || static_cast<std::size_t>(length) > kMaxSeekText ||
          static_cast<int64_t>(length) * 2 > stream.Remaining())
        return false;
      std::vector<uint8_t> units(static_cast<std::size_t>(length) * 2);
      if (length && stream.Read(units.data(), length * 2) != length * 2) return false;
      r.s_seek_base.resize(static_cast<std::size_t>(length));
      for (int32_t i = 0; i < length; ++i)
        r.s_seek_base[static_cast<std::size_t>(i)] = static_cast<WideChar>(
            units[2 * static_cast<std::size_t>(i)] | units[2 * static_cast<std::size_t>(i) + 1] << 8);
    }
    return true;
  } catch (const Exception&) {
    return false;
  }
}

}  // namespace lx
