#include "lexcore/definitions/search_requirements.h"

#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_byteimage.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

LX_RESOURCESTRING(_LXCondIgnore, u"ignore")
LX_RESOURCESTRING(_LXCondEquals, u"%s = %s")
LX_RESOURCESTRING(_LXCondStartsWith, u"%s starts with %s")
LX_RESOURCESTRING(_LXCondEndsWith, u"%s ends with %s")
LX_RESOURCESTRING(_LXCondBetween, u"%s is between %s and %s")
LX_RESOURCESTRING(_LXCondIsAbove, u"%s is above %s")
LX_RESOURCESTRING(_LXCondFollowsAlphabetically, u"%s follows %s alphabetically")
LX_RESOURCESTRING(_LXCondIsBelow, u"%s is below %s")
LX_RESOURCESTRING(_LXCondBeforeAlphabetically, u"%s before %s alphabetically")
LX_RESOURCESTRING(_LXCondFoundAnywhereIn, u"%s found anywhere in %s")
LX_RESOURCESTRING(_LXCondWithinNWordsOf, u"%s found in %s within %d words of %s")
LX_RESOURCESTRING(_LXCondWithinNWordsLeftOf, u"%s found in %s within %d words left of %s")
LX_RESOURCESTRING(_LXCondWithinNWordsRightOf, u"%s found in %s within %d words right of %s")
LX_RESOURCESTRING(_LXCondLengthOf, u"length of %s")
LX_RESOURCESTRING(_LXCondSearchWord, u"search-word")
LX_RESOURCESTRING(_LXCondIsDeleted, u"item is deleted")
LX_RESOURCESTRING(_LXCondIsJoinedHead, u"item heads a joined group")
LX_RESOURCESTRING(_LXCondIsJoinedMember, u"item is a member of a joined group")
LX_RESOURCESTRING(_LXCondIsMarked, u"item is marked")
LX_RESOURCESTRING(_LXCondIsMatched, u"item is matched")
LX_RESOURCESTRING(_LXColumnText, u"%s column text")
LX_RESOURCESTRING(_LXColumnValue, u"%s column value")
LX_RESOURCESTRING(_LXValueOfColumn, u"value of column %s")
LX_RESOURCESTRING(_LXColNValue, u"col %d (%s) value")

// ---- Stored form ----

namespace {

// The pointer slots (linked and the four texts) are zero in the image.
constexpr auto kSearchRequirementLayout = [](auto& io, auto& q) {
  io.Field(q.original_data_column);
  io.Field(q.colour);
  io.Field(q.found);
  io.Field(q.word_span);
  io.Field(q.n_seek_low);
  io.Field(q.n_seek_high);
  io.Field(q.n_actual);
  io.Field(q.found_percent);
  io.Field(q.how);
  io.Pad(3);
  io.Pad(4);  // linked
  io.Field(q.seek_low_flags.Image());
  io.Field(q.neighbour_flags.Image());
  io.Field(q.seek_high_flags.Image());
  io.Field(q.opposite);
  io.Field(q.data_numerical);
  io.Field(q.other_data_numerical);
  io.Field(q.Compare_with_OtherDataColumn);
  io.Field(q.activated);
  io.Field(q.spareB6);
  io.Field(q.spare_link_type);
  io.Pad(2);
  io.Field(q.other_data_column);
  io.Field(q.n_other_data_column_actual);
  io.Field(q.is_joined_head);
  io.Field(q.is_joined_member);
  io.Field(q.is_marked);
  io.Field(q.is_matched);
  io.Field(q.is_deleted);
  io.Field(q.bools);
  io.Field(q.spares);
  io.Pad(16);  // the four text slots
};
static_assert(ByteImageSizeIs<TSearchRequirementRec>(kSearchRequirementLayout,
                                                     TSearchRequirementRec::kStoredSize));

}  // namespace

TSearchRequirementImage SearchRequirementToImage(const TSearchRequirementRec& q) {
  return WriteByteImage<TSearchRequirementRec::kStoredSize>(q, kSearchRequirementLayout);
}

void SearchRequirementFromImage(const TSearchRequirementImage& image, TSearchRequirementRec& q) {
  ReadByteImage(image.data(), image.size(), q, kSearchRequirementLayout);
  q.linked = nullptr;
}

// ---- Texts ----

namespace {

// A float as typed: seven significant digits are all a single holds.
UnicodeString NumberText(float v) {
  return FloatToStrF(static_cast<double>(v), ffGeneral, 7, 0);
}

struct TConditionTexts {
  const TResourceString* pattern;  // null: nothing to say
  int shape;                       // which arguments the pattern takes
};
enum : int { kNone, kCX, kCXY, kXC, kXCNSearchWord, kXCNW, kLengthCX };

TConditionTexts TextsFor(TSearchRequirementSeeks how, bool numerical) {
  switch (how) {
    case ccp_Ignore:
      return {&_LXCondIgnore, kNone};
    case ccp_Equals:
      return {&_LXCondEquals, kCX};
    case ccp_StartsWith:
      return {&_LXCondStartsWith, kCX};
    case ccp_EndsWith:
      return {&_LXCondEndsWith, kCX};
    case ccp_Between:
      return {&_LXCondBetween, kCXY};
    case ccp_GreaterThan:
      return {numerical ? &_LXCondIsAbove : &_LXCondFollowsAlphabetically, kCX};
    case ccp_LessThan:
      return {numerical ? &_LXCondIsBelow : &_LXCondBeforeAlphabetically, kCX};
    case ccp_FoundAnywhereIn:
      return {&_LXCondFoundAnywhereIn, kXC};
    case ccp_FoundWithinNWordsOfSearchword:
      return {&_LXCondWithinNWordsOf, kXCNSearchWord};
    case ccp_FoundWithinNWordsToLeftOfSearchword:
      return {&_LXCondWithinNWordsLeftOf, kXCNSearchWord};
    case ccp_FoundWithinNWordsToRightOfSearchword:
      return {&_LXCondWithinNWordsRightOf, kXCNSearchWord};
    case ccp_FoundWithinNWordsOf:
      return {&_LXCondWithinNWordsOf, kXCNW};
    case ccp_FoundWithinNWordsToLeftOf:
      return {&_LXCondWithinNWordsLeftOf, kXCNW};
    case ccp_FoundWithinNWordsToRightOf:
      return {&_LXCondWithinNWordsRightOf, kXCNW};
    case ccp_WordLengthEquals:
      return {&_LXCondEquals, kLengthCX};
    case ccp_WordLengthGreaterThan:
      return {&_LXCondIsAbove, kLengthCX};
    case ccp_WordLengthLessThan:
      return {&_LXCondIsBelow, kLengthCX};
    case ccp_is_deleted:
      return {&_LXCondIsDeleted, kNone};
    case ccp_is_joined_head:
      return {&_LXCondIsJoinedHead, kNone};
    case ccp_is_Joined_member:
      return {&_LXCondIsJoinedMember, kNone};
    case ccp_is_marked:
      return {&_LXCondIsMarked, kNone};
    case ccp_is_matched:
      return {&_LXCondIsMatched, kNone};
    default:
      return {nullptr, kNone};
  }
}

UnicodeString Render(const TConditionTexts& t, const UnicodeString& c, const UnicodeString& x,
                     const UnicodeString& y, int32_t n, const UnicodeString& w) {
  if (!t.pattern) return {};
  const UnicodeString p = t.pattern->Text();
  switch (t.shape) {
    case kCX:
      return Format(p, {c, x});
    case kCXY:
      return Format(p, {c, x, y});
    case kXC:
      return Format(p, {x, c});
    case kXCNSearchWord:
      return Format(p, {x, c, n, UnicodeString(_LXCondSearchWord)});
    case kXCNW:
      return Format(p, {x, c, n, w});
    case kLengthCX:
      return Format(p, {Format(_LXCondLengthOf, {c}), x});
    default:
      return p;
  }
}

bool Offered(TSearchRequirementSeeks how, bool context, bool numerical) {
  switch (how) {
    case ccp_Ignore:
    case ccp_is_deleted:
    case ccp_is_joined_head:
    case ccp_is_Joined_member:
    case ccp_is_marked:
    case ccp_is_matched:
      return true;
    case ccp_Equals:
    case ccp_Between:
      return !context;
    case ccp_StartsWith:
    case ccp_EndsWith:
    case ccp_WordLengthEquals:
    case ccp_WordLengthGreaterThan:
    case ccp_WordLengthLessThan:
      return !context && !numerical;
    case ccp_GreaterThan:
    case ccp_LessThan:
      return numerical || !context;
    case ccp_FoundAnywhereIn:
    case ccp_FoundWithinNWordsOf:
    case ccp_FoundWithinNWordsToLeftOf:
    case ccp_FoundWithinNWordsToRightOf:
      return !numerical;
    case ccp_FoundWithinNWordsOfSearchword:
    case ccp_FoundWithinNWordsToLeftOfSearchword:
    case ccp_FoundWithinNWordsToRightOfSearchword:
      return context && !numerical;
    default:
      return false;
  }
}

}  // namespace

UnicodeString ConditionDropdownOption(TSearchRequirementSeeks how, bool context_column,
                                      bool numerical_column) {
  if (!Offered(how, context_column, numerical_column)) return {};
  return Render(TextsFor(how, numerical_column), u"!C", u"!X", u"!Y", 99999, u"!W");
}

UnicodeString SearchRequirementToText(const TSearchRequirementRec& req, const UnicodeString& column_caption,
                                      const UnicodeString& other_caption) {
  const bool numerical = req.data_numerical != 0;
  const UnicodeString c = Format(numerical ? _LXColumnValue : _LXColumnText, {column_caption});
  UnicodeString x, y;
  if (req.Compare_with_OtherDataColumn) {
    // A numerical column is named with its number too, since several may share a caption.
    x = req.other_data_numerical ? Format(_LXColNValue, {req.other_data_column, other_caption})
                                 : Format(_LXValueOfColumn, {other_caption});
  } else if (numerical || req.how == ccp_WordLengthEquals || req.how == ccp_WordLengthGreaterThan ||
             req.how == ccp_WordLengthLessThan) {
    x = NumberText(req.n_seek_low);
    y = NumberText(req.n_seek_high);
  } else {
    x = req.s_seek_base;
    y = req.s_seek_high;
  }
  UnicodeString text = Render(TextsFor(req.how, numerical), c, x, y, req.word_span, req.neighbour_word);
  if (req.opposite && !text.empty()) text = Format(_LXNotPattern, {text});
  return text;
}

}  // namespace lx
