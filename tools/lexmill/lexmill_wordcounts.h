// The word list's counting, for the sub-commands that compare word lists or count words around hits: the
// same word rule, the same lower-casing and the same canonical words as `lexmill wordlist`.
#pragma once

#include <cstdint>
#include <memory>

#include "lexcore/rtl/lx_types.h"

namespace lx {

class TLexmillWordCounter {
 public:
  TLexmillWordCounter(LCID lcid, bool keepCase);
  ~TLexmillWordCounter();
  TLexmillWordCounter(const TLexmillWordCounter&) = delete;
  TLexmillWordCounter& operator=(const TLexmillWordCounter&) = delete;

  // Every word of a classified text (classes[n] must read as a space).
  void CountText(const WideChar* text, const uint16_t* classes, std::size_t n, int32_t textNo);
  // One word of text textNo, counted; gives its canonical word's index.
  uint32_t CountWord(const WideChar* p, std::size_t n, int32_t textNo);

  int64_t Tokens() const;
  uint32_t Types() const;
  const UnicodeString& Word(uint32_t index) const;
  int64_t Frequency(uint32_t index) const;
  int32_t Texts(uint32_t index) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl;
};

}  // namespace lx
