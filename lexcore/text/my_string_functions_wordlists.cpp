// Word lists, word counts and n-gram lists of a text held in one string, and two comparisons of such bags of
// words. Words are told by Unicode category alone, with no language settings.
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "lexcore/rtl/lx_yield.h"
#include "lexcore/text/my_string_functions.h"

namespace lx {

namespace {

bool IsLetterOrDigit(UChar32 c) {
  switch (u_charType(c)) {
    case U_UPPERCASE_LETTER:
    case U_LOWERCASE_LETTER:
    case U_TITLECASE_LETTER:
    case U_MODIFIER_LETTER:
    case U_OTHER_LETTER:
    case U_DECIMAL_DIGIT_NUMBER:
      return true;
    default:
      return false;
  }
}

// Yielding on every character would cost more than the counting; every few thousand keeps a host responsive.
constexpr std::size_t kYieldEvery = 4096;

TObject* SlotOf(int32_t freq) {
  return reinterpret_cast<TObject*>(static_cast<intptr_t>(freq));
}

std::unique_ptr<TStringList> NewCountingList() {
  auto list = std::make_unique<TStringList>();
  list->SetCaseSensitive(false);
  list->SetSorted(true);
  list->Duplicates = dupIgnore;
  return list;
}

void CountInto(TStringList& list, const UnicodeString& word) {
  int32_t index = 0;
  if (list.Find(word, index))
    list.PutObject(index, SlotOf(FrequencyInSlot(list, index) + 1));
  else
    list.AddObject(word, SlotOf(1));
}

// Most frequent first; a stable sort, so equal frequencies keep the alphabetical order the list had.
void SortOnSlotFrequency(TStringList& list) {
  list.SetSorted(false);
  list.CustomSort([](TStringList& l, int32_t i, int32_t j) {
    const int32_t a = FrequencyInSlot(l, i), b = FrequencyInSlot(l, j);
    return a > b ? -1 : a < b ? 1 : 0;
  });
}

template <class Offer>
void WalkWords(std::u16string_view text, Offer offer) {
  UnicodeString word;
  for (std::size_t i = 0; i < text.size();) {
    if (i % kYieldEvery == 0) MyYieldProcess();
    const std::size_t start = i;
    UChar32 c;
    U16_NEXT(text.data(), i, text.size(), c);
    if (IsLetterOrDigit(c)) {
      word.append(text.substr(start, i - start));
    } else if (!word.empty()) {
      offer(word);
      word.clear();
    }
  }
  if (!word.empty()) offer(word);
}

template <class Accept>
TSimpleWordListRec WordList(std::u16string_view text, Accept accept, bool sortByFreq) {
  TSimpleWordListRec rec;
  rec.list = NewCountingList();
  WalkWords(text, [&](const UnicodeString& word) {
    if (!accept(word)) return;
    ++rec.tokens;
    CountInto(*rec.list, word);
  });
  if (sortByFreq) SortOnSlotFrequency(*rec.list);
  return rec;
}

int32_t CharacterCount(std::u16string_view s) {
  return static_cast<int32_t>(s.size()) -
         static_cast<int32_t>(std::count_if(s.begin(), s.end(), [](WideChar c) { return U16_IS_TRAIL(c); }));
}

}  // namespace

int32_t FrequencyInSlot(const TStrings& list, int32_t index) {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(list.Objects(index)));
}

TSimpleWordListRec SimpleWordListOfTxt(std::u16string_view text, int32_t minLength, bool sortByFreq) {
  return WordList(
      text, [minLength](const UnicodeString& w) { return CharacterCount(w) >= minLength; }, sortByFreq);
}

TSimpleWordListRec SimpleWordListOfTxt(std::u16string_view text,
                                       const std::function<bool(const UnicodeString& word)>& accept,
                                       bool sortByFreq) {
  return WordList(
      text, [&accept](const UnicodeString& w) { return accept && accept(w); }, sortByFreq);
}

int32_t BasicWordCount(std::u16string_view text) {
  int32_t n = 0;
  WalkWords(text, [&n](const UnicodeString&) { ++n; });
  return n;
}

int32_t WordsInCluster(std::u16string_view cluster) {
  return static_cast<int32_t>(std::count(cluster.begin(), cluster.end(), u' ')) + 1;
}

std::unique_ptr<TStringList> SimpleNGramListOfTxt(std::u16string_view text, int32_t n, int32_t maxTagLength,
                                                  bool sortByFreq,
                                                  const std::function<void(int32_t percent)>& progress) {
  auto list = NewCountingList();
  if (n < 1 || text.empty()) return list;
  const std::size_t len = text.size();
  UnicodeString window;
  int32_t words = 0;
  bool inWord = false;  // the window ends in a word still being read
  std::size_t i = 0;

  auto record = [&] {
    int32_t index = 0;
    if (list->Find(window, index)) {
      list->PutObject(index, SlotOf(FrequencyInSlot(*list, index) + 1));
    } else {
      list->AddObject(window, SlotOf(1));
      if (progress) progress(static_cast<int32_t>(static_cast<int64_t>(i) * 100 / static_cast<int64_t>(len)));
    }
  };
  auto slide = [&] {
    const std::size_t space = window.find(u' ');
    window.erase(0, space == UnicodeString::npos ? window.size() : space + 1);
    words = n - 1;
    window.push_back(u' ');
  };
  // From the "<" at i: to the next ">", or, once the tag has reached maxTagLength, to the first character
  // below 33 as well. Leaves i after the tag.
  auto skipTag = [&] {
    const std::size_t start = i++;
    while (i < len && text[i] != u'>') {
      if (static_cast<int64_t>(i - start) >= maxTagLength && text[i] < 33) break;
      ++i;
    }
    if (i < len) ++i;
  };
  auto skipNonWords = [&] {
    while (i < len) {
      if (text[i] == u'<') {
        skipTag();
        continue;
      }
      UChar32 c;
      std::size_t j = i;
      U16_NEXT(text.data(), j, len, c);
      if (IsLetterOrDigit(c)) break;
      i = j;
    }
  };
  auto wordBoundary = [&] {
    if (!inWord) return;
    inWord = false;
    if (++words == n) {
      record();
      slide();
    } else {
      window.push_back(u' ');
    }
  };

  while (i < len) {
    if (i % kYieldEvery == 0) MyYieldProcess();
    if (text[i] == u'<') {
      skipTag();
      wordBoundary();
      skipNonWords();
      continue;
    }
    const std::size_t start = i;
    UChar32 c;
    U16_NEXT(text.data(), i, len, c);
    const int8_t type = u_charType(c);
    switch (type) {
      case U_UPPERCASE_LETTER:
      case U_LOWERCASE_LETTER:
      case U_TITLECASE_LETTER:
      case U_MODIFIER_LETTER:
      case U_OTHER_LETTER:
      case U_DECIMAL_DIGIT_NUMBER:
      case U_LETTER_NUMBER:
      case U_OTHER_NUMBER:
        window.append(text.substr(start, i - start));
        inWord = true;
        break;
      case U_CONNECTOR_PUNCTUATION:
      case U_DASH_PUNCTUATION:
      case U_START_PUNCTUATION:
      case U_END_PUNCTUATION:
      case U_INITIAL_PUNCTUATION:
      case U_FINAL_PUNCTUATION:
      case U_OTHER_PUNCTUATION:
      case U_NON_SPACING_MARK:
      case U_COMBINING_SPACING_MARK:
      case U_ENCLOSING_MARK: {
        if (!window.empty() && inWord) ++words;
        inWord = false;
        if (window.empty()) {
          skipNonWords();
          break;
        }
        if (words >= n) {
          if (words == n) record();
          const bool runsOn = type == U_CONNECTOR_PUNCTUATION || type == U_DASH_PUNCTUATION || c == u',';
          if (runsOn) {
            slide();
          } else {
            window.clear();
            words = 0;
          }
        } else if (window.back() != u' ') {
          // Fewer than n words: the window keeps them, whatever the mark, so an n-gram may run across it.
          window.push_back(u' ');
        }
        skipNonWords();
        break;
      }
      default:
        wordBoundary();
        skipNonWords();
        break;
    }
  }
  if (inWord && ++words == n) record();
  if (sortByFreq) SortOnSlotFrequency(*list);
  return list;
}

TBagOfWordsSimilarRec BagOfWordsSimilar(std::u16string_view textA, std::u16string_view textB,
                                        int32_t maxDifference, int32_t minLength, int32_t minFrequency) {
  TSimpleWordListRec a = SimpleWordListOfTxt(Uppercase(UnicodeString(textA)), minLength, true);
  TSimpleWordListRec b = SimpleWordListOfTxt(Uppercase(UnicodeString(textB)), minLength, true);
  const bool scanA = a.list->Count() > b.list->Count();
  const TStringList& scanned = scanA ? *a.list : *b.list;
  const TStringList& other = scanA ? *b.list : *a.list;
  std::unordered_map<UnicodeString, int32_t> otherFreq;
  for (int32_t k = 0; k < other.Count(); ++k) otherFreq.emplace(other.GetRef(k), FrequencyInSlot(other, k));
  TBagOfWordsSimilarRec result;
  for (int32_t k = 0; k < scanned.Count(); ++k) {
    const int32_t f = FrequencyInSlot(scanned, k);
    if (f < minFrequency) continue;
    const auto it = otherFreq.find(scanned.GetRef(k));
    const int32_t g = it == otherFreq.end() ? 0 : it->second;
    if (std::abs(static_cast<int64_t>(f) - g) > maxDifference) {
      result.word = scanned.GetRef(k);
      result.freqA = scanA ? f : g;
      result.freqB = scanA ? g : f;
      break;
    }
  }
  return result;
}

TTypeAndTokenDifferencesRec TypeAndTokenDifferences2SimpleWordLists(const TStringList& a,
                                                                    const TStringList& b,
                                                                    float /*firstThreshold*/, float threshold,
                                                                    UnicodeString& lastDifferingWord) {
  TTypeAndTokenDifferencesRec r;
  // Either list may have been re-ordered by frequency, so look-ups go through a map of each list's words
  // compared as the lists compare them (ignoring case).
  auto key = [](const UnicodeString& w) { return Uppercase(w); };
  std::unordered_map<UnicodeString, int32_t> inB, inA;
  for (int32_t k = 0; k < b.Count(); ++k) inB.emplace(key(b.GetRef(k)), k);
  for (int32_t k = 0; k < a.Count(); ++k) inA.emplace(key(a.GetRef(k)), k);
  std::vector<bool> seen(static_cast<std::size_t>(b.Count()), false);
  int64_t tokenTotal = 0, tokenDifferences = 0;
  int32_t bOnly = 0;
  for (int32_t k = 0; k < a.Count(); ++k) {
    const int32_t fa = FrequencyInSlot(a, k);
    tokenTotal += fa;
    const auto it = inB.find(key(a.GetRef(k)));
    if (it == inB.end()) {
      lastDifferingWord = a.GetRef(k);
      tokenDifferences += fa;
      ++r.type_differences;
    } else {
      seen[static_cast<std::size_t>(it->second)] = true;
      tokenDifferences += std::abs(static_cast<int64_t>(FrequencyInSlot(b, it->second)) - fa);
    }
  }
  for (int32_t k = 0; k < b.Count(); ++k) {
    if (seen[static_cast<std::size_t>(k)] || inA.count(key(b.GetRef(k)))) continue;
    const int32_t fb = FrequencyInSlot(b, k);
    lastDifferingWord = b.GetRef(k);
    ++r.type_differences;
    tokenDifferences += fb;
    tokenTotal += fb;
    ++bOnly;
  }
  r.token_differences = static_cast<int32_t>(std::min<int64_t>(tokenDifferences, INT32_MAX));
  // Two empty lists do not differ at all.
  const int64_t types = static_cast<int64_t>(a.Count()) + bOnly;
  r.type_difference_percent = types ? static_cast<float>(r.type_differences * 100.0 / types) : 0.0f;
  r.token_difference_percent =
      tokenTotal ? static_cast<float>(static_cast<double>(tokenDifferences) * 100.0 / tokenTotal) : 0.0f;
  r.similar = !(r.type_difference_percent > threshold && r.token_difference_percent > threshold);
  return r;
}

}  // namespace lx
