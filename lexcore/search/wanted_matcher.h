// The matcher that finds a parsed search word in a text buffer with its character-class array, counting words
// and segments as it scans. It works in place on 8-bit or UTF-16 buffers, with no allocation.
#pragma once

#include <array>
#include <cstdint>

#include "lexcore/search/search_stats.h"
#include "lexcore/search/user_input_wildcard_parsing.h"

namespace lx {

// The pattern codes are those the parser puts in a search word's working text.

// A buffer as the matcher sees it: `length` characters (8-bit or UTF-16 units) and a class array of at least
// `length` words. Positions at or past the end read as white space, whatever the spare slots hold.
struct TWantedBuffer {
  const void* start = nullptr;
  int64_t length = 0;
  const uint16_t* classes = nullptr;
  bool isUnicode = true;
  bool continuesWord = false;  // the first character goes on with a word that the previous buffer began
};

// The three case forms of one search word (same length, in the buffer's character width) and how to match
// them.
struct TWantedPattern {
  const void* lower = nullptr;  // the pattern is read from this form
  const void* upper = nullptr;
  const void* title = nullptr;
  int32_t length = 0;
  bool caseSensitive = false;
  bool leftBoundary = true;
  bool rightBoundary = true;
  bool punctuationAsSpace = false;
  // Six opening then six closing mark-up delimiters that the tag codes stand for (0: pair not in use); null:
  // any of "<[{" opens a tag and any of ">]}" closes one.
  const char16_t* tagDelimiters = nullptr;
};

// What the matcher learnt about long runs (how far a star, a number or a word reaches from a place), so that
// a run without separators is walked once rather than once per candidate. Valid for one buffer and one
// pattern: Reset it when either changes.
class TWantedMatchMemo {
 public:
  static constexpr int kElements = 128;  // pattern elements beyond this are matched without a memo

  // Left uninitialised on purpose: a fresh memo costs nothing, the valid bits say which entries hold.
  struct Entry {
    int64_t from;
    int64_t to;     // the first stop at or after any place in [from, to]
    int64_t next;   // for a star: where the rest of its segment ended
    int32_t jNext;  // for a star: the element its segment ended at
    bool found;     // for a star: whether its segment matched at `to`
    bool tagNext;   // for a star: tag mode after its segment
  };

  void Reset() {
    valid_[0] = valid_[1] = 0;
    tailValid_ = false;
    wordKnownUpTo = -1;
  }
  Entry* Get(int32_t element) {
    if (element < 0 || element >= kElements) return nullptr;
    return (valid_[element >> 6] >> (element & 63)) & 1 ? &entries_[element] : nullptr;
  }
  Entry& Set(int32_t element) {
    valid_[element >> 6] |= uint64_t(1) << (element & 63);
    return entries_[element];
  }
  Entry* Tail() { return tailValid_ ? &tail_ : nullptr; }

  // The start of the word that runs up to wordKnownUpTo (-1: nothing known), so that the word starts of hits
  // found one after the other are walked once.
  int64_t wordKnownUpTo = -1;
  int64_t wordStart = 0;
  Entry& SetTail() {
    tailValid_ = true;
    return tail_;
  }

 private:
  std::array<Entry, kElements> entries_;
  Entry tail_{};
  uint64_t valid_[2] = {0, 0};
  bool tailValid_ = false;
};

struct TWantedHit {
  int64_t start = -1;      // index of the hit's first character, -1 when none
  int64_t wordStart = -1;  // where the hit's word begins: start, or earlier when no left boundary is required
  int32_t hitLength = 0;   // with the rest of the word when no right boundary is required
  int32_t patternLength = 0;  // characters the pattern itself consumed
};

// Scans from index `from` for the next hit, counting words and segments on the way into `stats` (out_of[1..4]
// receive position[1..4] when the call ends). Every character from `from` up to the hit (or the end) is
// visited once, so repeated calls from the character after each hit count each word once.
TWantedHit FindWanted(const TWantedBuffer& buffer, int64_t from, const TWantedPattern& pattern,
                      TSearchStatsRec& stats, bool& inHeading, const TSegmentTagsFound& tagsFound,
                      TWantedMatchMemo& memo);

// The classic entry point: position and class word at it, the class array's first and last slots, the three
// forms and the matching switches. Returns the address of the hit's first character, or null.
const void* NewFindWantedInBuffer(const void* position, int32_t charactersLeft,
                                  const uint16_t* classAtPosition, const uint16_t* classArrayStart,
                                  const uint16_t* classArrayLastSlot, const void* upperForm,
                                  const void* lowerForm, const void* titleForm, int32_t patternLength,
                                  bool caseSensitive, bool leftBoundary, bool rightBoundary, bool isUnicode,
                                  bool punctuationAsSpace, bool concordancing, int32_t& hitLength,
                                  int32_t& patternLengthOut, TSearchStatsRec& stats, bool& inHeading,
                                  bool sentenceTagsFound, bool paragraphTagsFound, bool headingTagsFound,
                                  bool sectionTagsFound);

}  // namespace lx
