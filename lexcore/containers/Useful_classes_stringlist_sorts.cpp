#include "lexcore/containers/Useful_classes_stringlist_sorts.h"

namespace lx {

namespace {

template <typename L>
auto HeldAt(TStringList& list, int32_t i) {
  return static_cast<L&>(list).GetOne(i);
}

template <typename T>
int Cmp(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

int CompareHeldLongintsHighestFirst(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TLongIntHolder>;
  return CompareLongints(HeldAt<L>(list, j), HeldAt<L>(list, i));
}

int CompareHeldLongintsAscending(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TLongIntHolder>;
  return CompareLongints(HeldAt<L>(list, i), HeldAt<L>(list, j));
}

int CompareHeldSinglesHighestFirst(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TSingleHolder>;
  return CompareSingles(HeldAt<L>(list, j), HeldAt<L>(list, i));
}

int CompareHeldDates(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TDateTimeHolder>;
  return CompareDates(HeldAt<L>(list, i), HeldAt<L>(list, j));
}

int CompareHeldIntAndSingleOnInteger(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TIntegerAndSingleHolder>;
  return CompareLongints(HeldAt<L>(list, j).i, HeldAt<L>(list, i).i);
}

int CompareHeldIntAndSingleOnSingle(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TIntegerAndSingleHolder>;
  return CompareSingles(HeldAt<L>(list, j).s, HeldAt<L>(list, i).s);
}

int CompareHeld2IntsAndSingleOnIntegers(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<T2IntsAndSingleHolder>;
  const auto a = HeldAt<L>(list, i), b = HeldAt<L>(list, j);
  const int c = CompareLongints(b.i1, a.i1);
  return c != 0 ? c : CompareLongints(b.i2, a.i2);
}

int CompareHeld2IntsAndSingleOnSingle(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<T2IntsAndSingleHolder>;
  return CompareSingles(HeldAt<L>(list, j).s, HeldAt<L>(list, i).s);
}

int CompareHeld2LongintRecs(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TTwoLongIntHolder>;
  return Compare2LongintRecs(HeldAt<L>(list, i), HeldAt<L>(list, j));
}

int CompareHeldStringAndIntegerOnInteger(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TStringAndIntegerHolder>;
  return CompareLongints(HeldAt<L>(list, j).i, HeldAt<L>(list, i).i);
}

int CompareHeldStringAndIntegerOnString(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TStringAndIntegerHolder>;
  return Compare2Strings(HeldAt<L>(list, i).s, HeldAt<L>(list, j).s);
}

int CompareHeldMeans(TStringList& list, int32_t i, int32_t j) {
  using L = TStringListWithHolder<TStringAndMeanAndSD_recHolder>;
  return Cmp(HeldAt<L>(list, j).mean, HeldAt<L>(list, i).mean);
}

}  // namespace lx
