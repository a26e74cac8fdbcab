#include "lexcore/definitions/search_requirements.h"

#include <charconv>
#include <initializer_list>

#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_byteimage.h"
#include "lexcore/rtl/lx_formatsettings.h"
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

TSearchRequirementImage SearchRequirementToImage(const TSearchRequirementRec& q) {
  TSearchRequirementImage image;
  TByteImageWriter w(image.data(), image.size());
  w.Put(q.original_data_column);
  w.Put(q.colour);
  w.Put(q.found);
  w.Put(q.word_span);
  w.Put(q.n_seek_low);
  w.Put(q.n_seek_high);
  w.Put(q.n_actual);
  w.Put(q.found_percent);
  w.Put(q.how);
  w.Zeros(3);
  w.Zeros(4);  // linked
  w.Put(q.seek_low_flags);
  w.Put(q.neighbour_flags);
  w.Put(q.seek_high_flags);
  w.Put(q.opposite);
  w.Put(q.data_numerical);
  w.Put(q.other_data_numerical);
  w.Put(q.Compare_with_OtherDataColumn);
  w.Put(q.activated);
  w.Put(q.spareB6);
  w.Put(q.spare_link_type);
  w.Zeros(2);
  w.Put(q.other_data_column);
  w.Put(q.n_other_data_column_actual);
  w.Put(q.is_joined_head);
  w.Put(q.is_joined_member);
  w.Put(q.is_marked);
  w.Put(q.is_matched);
  w.Put(q.is_deleted);
  w.Put(q.bools);
  w.Put(q.spares);
  w.Zeros(16);  // the four text slots
  LX_ASSERT(w.Position() == TSearchRequirementRec::kStoredSize, "requirement image size");
  return image;
}

void SearchRequirementFromImage(const TSearchRequirementImage& image, TSearchRequirementRec& q) {
  TByteImageReader r(image.data(), image.size());
  r.Get(q.original_data_column);
  r.Get(q.colour);
  r.Get(q.found);
  r.Get(q.word_span);
  r.Get(q.n_seek_low);
  r.Get(q.n_seek_high);
  r.Get(q.n_actual);
  r.Get(q.found_percent);
  r.Get(q.how);
  r.Skip(3);
  r.Skip(4);
  q.linked = nullptr;
  r.Get(q.seek_low_flags);
  r.Get(q.neighbour_flags);
  r.Get(q.seek_high_flags);
  r.Get(q.opposite);
  r.Get(q.data_numerical);
  r.Get(q.other_data_numerical);
  r.Get(q.Compare_with_OtherDataColumn);
  r.Get(q.activated);
  r.Get(q.spareB6);
  r.Get(q.spare_link_type);
  r.Skip(2);
  r.Get(q.other_data_column);
  r.Get(q.n_other_data_column_actual);
  r.Get(q.is_joined_head);
  r.Get(q.is_joined_member);
  r.Get(q.is_marked);
  r.Get(q.is_matched);
  r.Get(q.is_deleted);
  r.Get(q.bools);
  r.Get(q.spares);
}

// ---- Texts ----

namespace {

// Puts the arguments into the %s and %d places of a pattern in order; a doubled %% is one %. The patterns
// are ours (or a translation of them), so an argument short is left as empty text.
UnicodeString FillPattern(const UnicodeString& pattern, std::initializer_list<UnicodeString> args) {
  UnicodeString out;
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    if (c == u'%' && i + 1 < pattern.size()) {
      const char16_t k = pattern[i + 1];
      if (k == u's' || k == u'd') {
        if (next != args.end()) out += *next++;
        ++i;
        continue;
      }
      if (k == u'%') {
        out += u'%';
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

// Shortest text that reads back as the same float, with the process decimal separator.
UnicodeString NumberText(float v) {
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  UnicodeString s(buf, res.ptr);
  for (auto& ch : s)
    if (ch == u'.') ch = FormatSettings.DecimalSeparator;
  return s;
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
                     const UnicodeString& y, const UnicodeString& n, const UnicodeString& w) {
  if (!t.pattern) return {};
  const UnicodeString p = t.pattern->Text();
  switch (t.shape) {
    case kCX:
      return FillPattern(p, {c, x});
    case kCXY:
      return FillPattern(p, {c, x, y});
    case kXC:
      return FillPattern(p, {x, c});
    case kXCNSearchWord:
      return FillPattern(p, {x, c, n, _LXCondSearchWord.Text()});
    case kXCNW:
      return FillPattern(p, {x, c, n, w});
    case kLengthCX:
      return FillPattern(p, {FillPattern(_LXCondLengthOf.Text(), {c}), x});
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
  return Render(TextsFor(how, numerical_column), u"!C", u"!X", u"!Y", u"99999", u"!W");
}

UnicodeString SearchRequirementToText(const TSearchRequirementRec& req, const UnicodeString& column_caption,
                                      const UnicodeString& other_caption) {
  const bool numerical = req.data_numerical != 0;
  const UnicodeString c = FillPattern((numerical ? _LXColumnValue : _LXColumnText).Text(), {column_caption});
  UnicodeString x, y;
  if (req.Compare_with_OtherDataColumn) {
    // A numerical column is named with its number too, since several may share a caption.
    x = req.other_data_numerical
            ? FillPattern(_LXColNValue.Text(), {IntToStr(req.other_data_column), other_caption})
            : FillPattern(_LXValueOfColumn.Text(), {other_caption});
  } else if (numerical || req.how == ccp_WordLengthEquals || req.how == ccp_WordLengthGreaterThan ||
             req.how == ccp_WordLengthLessThan) {
    x = NumberText(req.n_seek_low);
    y = NumberText(req.n_seek_high);
  } else {
    x = req.s_seek_base;
    y = req.s_seek_high;
  }
  UnicodeString text =
      Render(TextsFor(req.how, numerical), c, x, y, IntToStr(req.word_span), req.neighbour_word);
  if (req.opposite && !text.empty()) text = FillPattern(_LXNotPattern.Text(), {text});
  return text;
}

}  // namespace lx
