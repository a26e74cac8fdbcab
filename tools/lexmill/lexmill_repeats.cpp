// Repeats: sentences that occur more than once within or across texts. Sentences are compared by their
// words as the word list reads them (case folded unless --case), so white space, line breaks and
// punctuation between words do not tell two copies apart; each is shown as first met.
#include <algorithm>
#include <unordered_map>

#include "lexcore/search/search_stats.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "tools/lexmill/lexmill_case.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_sources.h"

namespace lx {

namespace {

struct TSentence {
  UnicodeString key;    // the words, folded, joined by one space
  UnicodeString shown;  // the sentence as written, on one line
};

struct TRepeatText {
  bool read = false;
  std::vector<TSentence> sentences;
};

bool IsWhiteChar(WideChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x00A0 || c == 0x2028 || c == 0x2029 ||
         c == 0x3000 || c == u'\f' || c == u'\v';
}

// The sentences of a classified text with at least minWords words.
void ReadSentences(const TLexmillOptions& options, const WideChar* text, const uint16_t* classes,
                   std::size_t n, std::vector<TSentence>& out) {
  auto isWord = [&](std::size_t i) {
    return i < n && !(classes[i] & CharClassHiddenOrMarker) && (classes[i] & CharClassWordChar);
  };
  std::size_t first = n;  // the sentence's first word character, n while none
  int64_t words = 0;
  UnicodeString key;
  auto finish = [&](std::size_t end) {  // end: one past the sentence's last character
    if (first < n && words >= options.minWords) {
      TSentence s;
      s.key = options.keepCase ? key : WordLowercase(options.lcid, key);
      bool gap = false;
      for (std::size_t i = first; i < end; ++i) {
        if (IsWhiteChar(text[i]) || text[i] < 0x20) {
          gap = true;
          continue;
        }
        if (gap && !s.shown.empty()) s.shown += u' ';
        gap = false;
        s.shown += text[i];
      }
      out.push_back(std::move(s));
    }
    first = n;
    words = 0;
    key.clear();
  };
  for (std::size_t i = 0; i < n;) {
    const uint16_t k = classes[i];
    if (k & CharClassSegmentMarker) {
      const uint16_t code = k & kSegmentCodeMask;
      if (code == seg_sentence_end_by_rule || code == seg_paragraph_end_by_rule) finish(i + 1);
      ++i;
      continue;
    }
    if (!isWord(i)) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (isWord(i)) ++i;
    if (first == n) first = start;
    if (words++) key += u' ';
    key.append(text + start, i - start);
  }
  finish(n);
}

struct TRepeat {
  UnicodeString shown;
  int64_t freq = 0;
  std::vector<std::pair<int32_t, int64_t>> texts;  // text number and count, in the order of texts
};

}  // namespace

int RunRepeats(const TLexmillOptions& options, const std::vector<std::string>& paths) {
  TLexmillProblems problems;
  const std::vector<std::string> files = CollectSources(paths, options.mask, options.readZips, problems);
  std::unordered_map<UnicodeString, TRepeat> repeats;
  std::vector<std::string> textNames;
  int64_t sentences = 0;
  ForEachText<TRepeatText>(
      options, files, problems,
      [&](TLexmillTextReader& reader, std::size_t i, std::size_t, TLexmillProblems& p) {
        TRepeatText t;
        if (!reader.Read(files[i], p)) return t;
        t.read = true;
        reader.Classify(true);
        ReadSentences(options, reader.Chars(), reader.Classes(), reader.Length(), t.sentences);
        return t;
      },
      [&](TRepeatText& t, std::size_t i) {
        if (!t.read) return true;
        const int32_t textNo = static_cast<int32_t>(textNames.size());
        textNames.push_back(files[i]);
        for (TSentence& s : t.sentences) {
          ++sentences;
          TRepeat& r = repeats[s.key];
          if (r.freq++ == 0) r.shown = std::move(s.shown);
          if (r.texts.empty() || r.texts.back().first != textNo)
            r.texts.emplace_back(textNo, 1);
          else
            ++r.texts.back().second;
        }
        return true;
      });

  struct TShown {
    std::string key;
    const TRepeat* repeat;
  };
  std::vector<TShown> shown;
  const int64_t minFreq = std::max<int64_t>(options.minFreq, 2);
  for (const auto& [key, r] : repeats)
    if (r.freq >= minFreq) shown.push_back(TShown{ToUTF8(key), &r});
  std::sort(shown.begin(), shown.end(), [](const TShown& a, const TShown& b) {
    return a.repeat->freq != b.repeat->freq ? a.repeat->freq > b.repeat->freq : a.key < b.key;
  });
  const std::size_t count = options.top >= 0
                                ? std::min<std::size_t>(static_cast<std::size_t>(options.top), shown.size())
                                : shown.size();
  TLexmillWriter out(options.format, {{"sentence"}, {"frequency", true}, {"texts", true}, {"occurrences"}},
                     options.summaryInOutput);
  for (std::size_t i = 0; i < count; ++i) {
    const TRepeat& r = *shown[i].repeat;
    std::string where;
    for (const auto& [text, n] : r.texts) {
      if (!where.empty()) where += "; ";
      where += textNames[static_cast<std::size_t>(text)] + " (" + std::to_string(n) + ")";
    }
    out.Row({ToUTF8(r.shown), std::to_string(r.freq), std::to_string(r.texts.size()), where});
  }
  out.Summary("sentences " + std::to_string(sentences) + ", distinct " + std::to_string(repeats.size()) +
              ", repeated " + std::to_string(shown.size()) + ", shown " + std::to_string(count) + ", texts " +
              std::to_string(textNames.size()));
  out.Finish();
  return ExitCode(problems, files);
}

}  // namespace lx
