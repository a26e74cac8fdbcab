// Comparisons for the custom sorts of the string lists with holders: each compares the values held by the
// strings at two indexes of the list.
#pragma once

#include <cstdint>

#include "lexcore/containers/Useful_classes.h"

namespace lx {

// TStringListWithALongint and TStringListWithFreqPointers: highest first, or ascending.
int CompareHeldLongintsHighestFirst(TStringList& list, int32_t i, int32_t j);
int CompareHeldLongintsAscending(TStringList& list, int32_t i, int32_t j);
// TStringListWithASingle: highest first.
int CompareHeldSinglesHighestFirst(TStringList& list, int32_t i, int32_t j);
// TStringListWithDate: later dates first.
int CompareHeldDates(TStringList& list, int32_t i, int32_t j);
// TStringListWithIntAndSingle: highest first.
int CompareHeldIntAndSingleOnInteger(TStringList& list, int32_t i, int32_t j);
int CompareHeldIntAndSingleOnSingle(TStringList& list, int32_t i, int32_t j);
// TStringListWith2IntsAndSingle: highest first.
int CompareHeld2IntsAndSingleOnIntegers(TStringList& list, int32_t i, int32_t j);
int CompareHeld2IntsAndSingleOnSingle(TStringList& list, int32_t i, int32_t j);
// TStringListWith2LongintRec: ascending on l1, then l2.
int CompareHeld2LongintRecs(TStringList& list, int32_t i, int32_t j);
// TStringListWithStringAndIntList: highest integer first; held strings ordinal.
int CompareHeldStringAndIntegerOnInteger(TStringList& list, int32_t i, int32_t j);
int CompareHeldStringAndIntegerOnString(TStringList& list, int32_t i, int32_t j);
// TStringListWithStringAndMeanAndSD_rec: highest mean first.
int CompareHeldMeans(TStringList& list, int32_t i, int32_t j);

}  // namespace lx
