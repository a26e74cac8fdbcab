// Repeated sentences within and across texts.
#include <algorithm>
#include <filesystem>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexcore/text/my_string_functions.h"

namespace lx {

void TListOfOccurrences::AddOrInc(int32_t fileNumber, int32_t frequency) {
  for (TOccurrence& o : items)
    if (o.file_number == fileNumber) {
      o.frequency += frequency;
      return;
    }
  items.push_back(TOccurrence{fileNumber, frequency});
}

int64_t TListOfOccurrences::TotalFrequency() const {
  int64_t total = 0;
  for (const TOccurrence& o : items) total += o.frequency;
  return total;
}

TStringlistWithListOfOccurrences::TStringlistWithListOfOccurrences() {
  SetCaseSensitive(false);
  OwnsObjects = true;
}

void TStringlistWithListOfOccurrences::Changed() {
  indexValid_ = false;
  TStringList::Changed();
}

int32_t TStringlistWithListOfOccurrences::IndexOf(std::u16string_view s) const {
  if (!indexValid_) {
    index_.clear();
    for (int32_t i = Count() - 1; i >= 0; --i) index_[Uppercase(GetRef(i))] = i;  // the first one wins
    indexValid_ = true;
  }
  const auto it = index_.find(Uppercase(UnicodeString(s)));
  return it == index_.end() ? -1 : it->second;
}

int32_t TStringlistWithListOfOccurrences::AddOrIncOneByFreq(const UnicodeString& sentence, int32_t fileNumber,
                                                            int32_t frequency) {
  int32_t i = IndexOf(sentence);
  if (i < 0) {
    i = AddObject(sentence, new TListOfOccurrences);
    // Adding only appends: the index stays good with the new sentence in it.
    index_[Uppercase(sentence)] = i;
    indexValid_ = true;
  }
  GetAListOfOccurrences(i)->AddOrInc(fileNumber, frequency);
  return i;
}

TListOfOccurrences* TStringlistWithListOfOccurrences::GetAListOfOccurrences(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return static_cast<TListOfOccurrences*>(GetObject(index));
}

int32_t TStringlistWithListOfOccurrences::Repeateds() const {
  int32_t n = 0;
  for (int32_t i = 0; i < Count(); ++i)
    if (GetAListOfOccurrences(i)->Count() > 1) ++n;
  return n;
}

void TStringlistWithListOfOccurrences::Delete(int32_t index) {
  TStringList::Delete(index);  // frees the occurrences: the list owns them
  indexValid_ = false;
}

void TStringlistWithListOfOccurrences::Clear() {
  TStringList::Clear();
  index_.clear();
  indexValid_ = true;
}

TRepeatedChunks::TRepeatedChunks()
    : file_list(std::make_unique<TFolderEfficientFileStringlist>()),
      sentence_list(std::make_unique<TStringlistWithListOfOccurrences>()) {}

void TRepeatedChunks::Clear() {
  integer_list.clear();
  if (file_list) file_list->Clear();
  if (sentence_list) sentence_list->Clear();
}

void TRepeatedChunks::SetSettings(bool includeLast, int32_t maxTagLength, int32_t minOccurrences,
                                  int32_t minLetters, TProgressEvent onProgress, TProgressEvent onStart,
                                  TFinishedEvent onFinished) {
  include_last_sentence = includeLast;
  max_tag_length = maxTagLength;
  min_occurrences = minOccurrences;
  min_letters = minLetters;
  OnProgress = std::move(onProgress);
  OnStart = std::move(onStart);
  OnFinished = std::move(onFinished);
}

int32_t TRepeatedChunks::LoadATextFile(const UnicodeString& fileName) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(std::filesystem::path(UTF16ToUTF8(fileName)), ec)) return -1;
  const int32_t number = file_list->AddOne(fileName);
  current_text = MarkupFreeTextFromAFile(fileName, max_tag_length);
  return number;
}

void TRepeatedChunks::AddToRepeatedSentencesInTxt(int32_t fileNumber) {
  running = true;
  if (OnStart) OnStart(fileNumber);
  AddedToRepeatedSentencesInTxt(fileNumber, current_text);
  if (OnFinished) OnFinished(sentence_list->Count());
}

void TRepeatedChunks::AddedToRepeatedSentencesInTxt(int32_t fileNumber, std::u16string_view text) {
  LX_ASSERT(sentence_list != nullptr, "no sentence list");
  const int32_t len = static_cast<int32_t>(text.size());
  int32_t pos = FirstValidStartOfSentence(text, 1);
  TStringList handled;  // this text's sentences already counted
  handled.SetCaseSensitive(false);
  handled.SetSorted(true);
  while (running && pos >= 1 && pos <= len) {
    const std::size_t lineEnd = text.find(u"\r\n", static_cast<std::size_t>(pos - 1));
    if (lineEnd == std::u16string_view::npos) break;  // text after the last CRLF is not examined
    const UnicodeString paragraph =
        Trim(text.substr(static_cast<std::size_t>(pos - 1), lineEnd - static_cast<std::size_t>(pos - 1)));
    if (!paragraph.empty()) {
      const std::unique_ptr<TStringList> sentences =
          SentencesExtractedFromParagraph(include_last_sentence, min_letters, paragraph);
      for (int32_t k = 0; k < sentences->Count() && running; ++k) {
        const UnicodeString& sentence = sentences->GetRef(k);
        int32_t at = 0;
        if (sentence.empty() || handled.Find(sentence, at)) continue;
        handled.Add(sentence);
        MyYieldProcess();
        if (len > 100000 && OnProgress && !OnProgress(pos)) running = false;
        int32_t count = 0;
        for (std::size_t from = text.find(sentence); from != std::u16string_view::npos;
             from = text.find(sentence, from + 1))
          ++count;
        if (count >= min_occurrences) sentence_list->AddOrIncOneByFreq(sentence, fileNumber, count);
      }
    }
    pos = FirstValidStartOfSentence(text, static_cast<int32_t>(lineEnd) + 3);
  }
}

UnicodeString TRepeatedChunks::GetAFilename(int32_t fileNumber) const {
  if (fileNumber < 0 || fileNumber >= file_list->Count()) return {};
  return file_list->GetFullFilename(fileNumber);
}

namespace {

void SortSentences(TStringlistWithListOfOccurrences& list,
                   const std::function<int(const TListOfOccurrences&, const TListOfOccurrences&)>& first) {
  list.CustomSort([&first](TStringList& l, int32_t i, int32_t j) {
    auto& s = static_cast<TStringlistWithListOfOccurrences&>(l);
    const int c = first(*s.GetAListOfOccurrences(i), *s.GetAListOfOccurrences(j));
    if (c != 0) return c;
    return Compare2Strings(s.GetRef(j), s.GetRef(i));
  });
}

}  // namespace

void TRepeatedChunks::SortDescendingFreq() {
  SortSentences(*sentence_list, [](const TListOfOccurrences& a, const TListOfOccurrences& b) {
    const int64_t x = a.TotalFrequency(), y = b.TotalFrequency();
    return x > y ? -1 : x < y ? 1 : 0;
  });
}

void TRepeatedChunks::SortAScendingFilenumbers() {
  SortSentences(*sentence_list, [](const TListOfOccurrences& a, const TListOfOccurrences& b) {
    const int32_t x = a.Count() ? a.Get(0).file_number : INT32_MAX,
                  y = b.Count() ? b.Get(0).file_number : INT32_MAX;
    return x < y ? -1 : x > y ? 1 : 0;
  });
}

}  // namespace lx
