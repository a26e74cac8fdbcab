#include "lexcore/platform/collation_rules.h"

#include <unicode/ucol.h>
#include <unicode/uset.h>

namespace lx {

namespace {

struct ExtraRule {
  const char16_t* rule;
  char16_t letter;       // left out where the locale's own tailoring orders this character
  const char* letterIn;  // and in these languages, whose alphabets have it as a letter in ICU's root order
};

// The platform's orders laid over every locale's tailoring, one rule each.
constexpr ExtraRule kExtraRules[] = {
    // Ligatures and digraph letters are their letters spelt out, not letters of their own.
    {u"&ae=\u00E6 &AE=\u00C6", u'\u00E6', ""},
    {u"&oe=\u0153 &OE=\u0152", u'\u0153', ""},
    {u"&ss=\u00DF", u'\u00DF', ""},
    {u"&ij=\u0133 &IJ=\u0132", u'\u0133', ""},
    {u"&fi=\uFB01", u'\uFB01', ""},
    {u"&th=\u00FE &TH=\u00DE", u'\u00FE', "is fo"},
    {u"&d\u017E=\u01C6 &D\u017D=\u01C4 &D\u017E=\u01C5", u'\u01C6', ""},
    // Dotless i is a variant of i, except where it is a letter of its own.
    {u"&i<<<\u0131", u'\u0131', "tr az"},
};

constexpr int32_t kLargeTailoring = 5000;

}  // namespace

bool CollationRules(const std::string& locale, UCollator* base, std::u16string& rules) {
  int32_t length = 0;
  const UChar* own = ucol_getRules(base, &length);
  rules.assign(reinterpret_cast<const char16_t*>(own), static_cast<std::size_t>(length));
  // Rebuilding the large ideographic tailorings (Japanese, Chinese, Korean) from their rules takes about a
  // second each; they keep their own order for these few characters.
  if (length > kLargeTailoring) return false;
  const std::string language = locale.substr(0, locale.find_first_of("_-"));
  UErrorCode setErr = U_ZERO_ERROR;
  USet* tailored = ucol_getTailoredSet(base, &setErr);
  for (const ExtraRule& r : kExtraRules) {
    if (language.size() >= 2 && std::string(r.letterIn).find(language) != std::string::npos) continue;
    if (U_SUCCESS(setErr) && uset_contains(tailored, r.letter)) continue;
    rules += u' ';
    rules += r.rule;
  }
  if (tailored) uset_close(tailored);
  return true;
}

UCollator* CollatorFromRules(const std::u16string& rules) {
  UErrorCode err = U_ZERO_ERROR;
  UCollator* coll =
      ucol_openRules(reinterpret_cast<const UChar*>(rules.data()), static_cast<int32_t>(rules.size()),
                     UCOL_DEFAULT, UCOL_DEFAULT_STRENGTH, nullptr, &err);
  if (U_FAILURE(err)) {
    if (coll) ucol_close(coll);
    return nullptr;
  }
  return coll;
}

}  // namespace lx
