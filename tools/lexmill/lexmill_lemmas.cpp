#include "tools/lexmill/lexmill_lemmas.h"

#include <unordered_map>

#include "lexcore/text/WinGenOk.h"
#include "tools/lexmill/lexmill_case.h"

namespace lx {

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\f' || c == u'\v' || c == 0xA0 || c == 0xFEFF;
}

UnicodeString Trimmed(std::u16string_view s) {
  std::size_t a = 0, b = s.size();
  while (a < b && IsBlank(s[a])) ++a;
  while (b > a && IsBlank(s[b - 1])) --b;
  return UnicodeString(s.substr(a, b - a));
}

std::vector<UnicodeString> Split(std::u16string_view s, char16_t separator) {
  std::vector<UnicodeString> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = s.find(separator, start);
    parts.push_back(
        Trimmed(s.substr(start, at == std::u16string_view::npos ? std::u16string_view::npos : at - start)));
    if (at == std::u16string_view::npos) return parts;
    start = at + 1;
  }
}

std::vector<UnicodeString> Words(std::u16string_view s) {
  std::vector<UnicodeString> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    const std::size_t start = i;
    while (i < s.size() && !IsBlank(s[i])) ++i;
    if (i > start) words.emplace_back(s.substr(start, i - start));
  }
  return words;
}

std::vector<std::u16string_view> LinesOf(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

UnicodeString AsListWord(const UnicodeString& word, const TLexmillOptions& options) {
  return options.keepCase ? word : WordLowercase(options.lcid, word);
}

}  // namespace

void ParseLemmaText(std::u16string_view text, const TLexmillOptions& options,
                    std::vector<TLexmillLemma>& lemmas, int& badLines) {
  std::unordered_map<UnicodeString, std::size_t> byHead;
  for (std::size_t i = 0; i < lemmas.size(); ++i) byHead.emplace(lemmas[i].head, i);
  auto add = [&](const UnicodeString& head, const UnicodeString& form) {
    auto [it, added] = byHead.try_emplace(AsListWord(head, options), lemmas.size());
    if (added) lemmas.push_back({it->first, {}});
    lemmas[it->second].forms.push_back(AsListWord(form, options));
  };
  badLines = 0;
  for (std::u16string_view line : LinesOf(text)) {
    const UnicodeString trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed[0] == u'#') continue;
    const std::size_t arrow = trimmed.find(u"->");
    if (arrow != UnicodeString::npos) {
      const UnicodeString head = Trimmed(std::u16string_view(trimmed).substr(0, arrow));
      std::size_t formsSeen = 0;
      for (const UnicodeString& form : Split(std::u16string_view(trimmed).substr(arrow + 2), u','))
        if (!form.empty() && !head.empty()) {
          add(head, form);
          ++formsSeen;
        }
      if (head.empty() || formsSeen == 0) ++badLines;
      continue;
    }
    const std::vector<UnicodeString> words = Words(trimmed);
    if (words.size() < 2) {
      ++badLines;
      continue;
    }
    add(words[1], words[0]);
  }
}

void ParseStopListText(std::u16string_view text, const TLexmillOptions& options,
                       std::unordered_set<UnicodeString>& words) {
  for (std::u16string_view line : LinesOf(text)) {
    const UnicodeString trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed[0] == u'#') continue;
    for (const UnicodeString& w : Words(trimmed)) words.insert(AsListWord(w, options));
  }
}

// Read as the texts are, so a list in UTF-16 or a code page works too.
bool ReadLemmaFile(const std::string& path, const TLexmillOptions& options,
                   std::vector<TLexmillLemma>& lemmas, int& badLines, TLexmillProblems& problems) {
  TLexmillTextReader reader(options);
  if (!reader.Read(path, problems)) return false;
  ParseLemmaText(std::u16string_view(reader.Chars(), reader.Length()), options, lemmas, badLines);
  return true;
}

bool ReadStopList(const std::string& path, const TLexmillOptions& options,
                  std::unordered_set<UnicodeString>& words, TLexmillProblems& problems) {
  TLexmillTextReader reader(options);
  if (!reader.Read(path, problems)) return false;
  ParseStopListText(std::u16string_view(reader.Chars(), reader.Length()), options, words);
  return true;
}

TLexmillJoinCounts JoinLemmas(TLexmillWordList& list, const std::vector<TLexmillLemma>& lemmas) {
  TLexmillJoinCounts counts;
  std::unordered_map<UnicodeString, int32_t> index;
  for (int32_t i = 0; i < list.Count(); ++i) index.emplace(list.Word(i)->MainWordOnly(), i);
  for (const TLexmillLemma& lemma : lemmas) {
    std::vector<int32_t> forms;
    for (const UnicodeString& form : lemma.forms) {
      if (form == lemma.head) continue;
      auto it = index.find(form);
      if (it == index.end()) continue;
      // Joins are one level deep: a form already under a head stays there, and a word that is a head
      // already (laid under lay) is not put under another (lay under lie), whatever the lines' order.
      if (list.GetJoinedElsewhere(it->second) || list.Word(it->second)->JoinCount() > 0) {
        ++counts.notJoined;
        continue;
      }
      forms.push_back(it->second);
    }
    if (forms.empty()) continue;
    auto head = index.find(lemma.head);
    int32_t h = 0;
    if (head == index.end()) {
      h = list.AddWord(lemma.head, 0, 0);
      index.emplace(lemma.head, h);
      ++counts.headsAdded;
    } else {
      h = head->second;
    }
    if (list.GetJoinedElsewhere(h)) {
      counts.notJoined += static_cast<int>(forms.size());
      continue;
    }
    for (int32_t f : forms) {
      // A form may have been joined a moment ago under this same head through another of its lines.
      if (list.Join(h, f, undoable_no))
        ++counts.joined;
      else if (!list.GetJoinedElsewhere(f))
        ++counts.notJoined;
    }
  }
  return counts;
}

}  // namespace lx
