#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexlists/headings/headingsU.h"
#include "tests/lexlists/engine/example_word_list.h"

using namespace lx;
using lxtest::TWordList;

namespace {

// Column 2 is the frequency and column 3 the number of texts, as numbers; the grid's column 0 counts rows.
class TNumbersList : public TWordList {
 public:
  using TWordList::TWordList;
  TNumberDisplayAndSinglesRec NumericalData(int32_t column, int32_t row) override {
    TNumberDisplayAndSinglesRec r;
    r.computed_value = static_cast<float>(column == 2 ? Word(row)->data.f : Word(row)->data.n_files);
    return r;
  }
};

TGrid_head32 Heading(const char16_t* text, int16_t original, bool numerical) {
  TGrid_head32 h;
  h.heading = text;
  h.original_column = original;
  h.numerical = numerical;
  h.heading_visible = 1;
  h.pixel_width96 = 60;
  return h;
}

struct TotalsFixture : ::testing::Test {
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TNumbersList> list = Create<TNumbersList>(&holder);

  void Fill(int n) {
    list->GridHeadings()->Clear();
    list->GridHeadings()->AddOne(Heading(u"N", 0, false));
    list->GridHeadings()->AddOne(Heading(u"Word", 1, false));
    list->GridHeadings()->AddOne(Heading(u"Freq.", 2, true));
    list->GridHeadings()->AddOne(Heading(u"Texts", 3, true));
    for (int i = 0; i < n; ++i) list->AddWord(u"w" + IntToStr(i), i + 1, 0);
  }
  float Stat(int column, TBaseDescriptivesSet k) const {
    return list->GridHeadings()->GetDatum(column).column_data.descriptives[k];
  }
};

}  // namespace

TEST_F(TotalsFixture, StatisticsAndSlicesOfTenEntries) {
  Fill(10);  // frequencies 1..10, texts all 0
  list->ComputeColumnTotals(5);
  EXPECT_TRUE(list->fColumnTotalsComputed);
  EXPECT_EQ(list->ColumnTotalRowsToShow, 10);
  EXPECT_FLOAT_EQ(Stat(2, gc_total), 55);
  EXPECT_FLOAT_EQ(Stat(2, gc_max), 10);
  EXPECT_FLOAT_EQ(Stat(2, gc_min), 1);
  EXPECT_FLOAT_EQ(Stat(2, gc_mean), 5.5);
  EXPECT_NEAR(Stat(2, gc_sd), std::sqrt(82.5 / 9), 1e-5);
  // Entries 0-1 in slice 1 (1 + 2), 2-3 in slice 2 (3 + 4) and so on, as shares of 55.
  const float slices[5] = {3, 7, 11, 15, 19};
  for (int s = 0; s < 5; ++s)
    EXPECT_NEAR(Stat(2, static_cast<TBaseDescriptivesSet>(gc_1 + s)), slices[s] * 100 / 55, 1e-4);
  // All zeros: every statistic 0 and the raw slice sums; the word column has no statistics.
  for (int k = 0; k < kDescriptivesCount; ++k) {
    EXPECT_EQ(Stat(3, static_cast<TBaseDescriptivesSet>(k)), 0.0f);
    EXPECT_EQ(Stat(1, static_cast<TBaseDescriptivesSet>(k)), 0.0f);
  }

  list->ComputeColumnTotals(0);
  EXPECT_FALSE(list->fColumnTotalsComputed);
  EXPECT_EQ(list->ColumnTotalRowsToShow, 0);
}

TEST_F(TotalsFixture, OneEntryAndUnevenSlices) {
  Fill(1);
  list->ComputeColumnTotals(3);
  EXPECT_EQ(Stat(2, gc_sd), 0.0f);
  EXPECT_FLOAT_EQ(Stat(2, gc_1), 100);
  list->FreeAll();
  Fill(7);  // 7 entries in 12 slices: every entry lands in a slice that exists
  list->ComputeColumnTotals(20);
  EXPECT_EQ(list->ColumnTotalRowsToShow, 17);
  float sum = 0;
  for (int s = 0; s < 12; ++s) sum += Stat(2, static_cast<TBaseDescriptivesSet>(gc_1 + s));
  EXPECT_NEAR(sum, 100, 1e-3);
}

TEST_F(TotalsFixture, StatisticsRowsForTheGrid) {
  Fill(10);
  list->ComputeColumnTotals(5);
  TGrid_data_rec cell;
  list->GetColumnTotalDataForGrid(0, 1, cell);
  EXPECT_EQ(cell.word_details[dgso_main], u"Total");
  EXPECT_EQ(cell.data_type, ddt_string);
  list->GetColumnTotalDataForGrid(0, 5, cell);
  EXPECT_EQ(cell.word_details[dgso_main], u"Sd.");
  list->GetColumnTotalDataForGrid(0, 6, cell);
  EXPECT_EQ(cell.word_details[dgso_main], u"1st 5th");
  list->GetColumnTotalDataForGrid(0, -8, cell);
  EXPECT_EQ(cell.word_details[dgso_main], u"3rd 5th");

  list->GetColumnTotalDataForGrid(2, 1, cell);
  EXPECT_EQ(cell.data_type, ddt_number);
  EXPECT_FLOAT_EQ(cell.n_and_disp.computed_value, 55);
  EXPECT_EQ(cell.n_and_disp.mostra, gdd_only_as_float);
  EXPECT_EQ(cell.GridHeading.minimum, -99999);
  EXPECT_GE(cell.GridHeading.decimals, 1);
  list->GetColumnTotalDataForGrid(2, 6, cell);
  EXPECT_EQ(cell.data_type, ddt_string);
  EXPECT_EQ(cell.word_details[dgso_main], u"5.45");
  // Past the statistics rows and in a column of words: nothing.
  list->GetColumnTotalDataForGrid(2, 11, cell);
  EXPECT_EQ(cell.n_and_disp.computed_value, 0.0f);
  EXPECT_TRUE(cell.show_word);
  list->GetColumnTotalDataForGrid(1, 1, cell);
  EXPECT_TRUE(cell.word_details[dgso_main].empty());
}

TEST_F(TotalsFixture, CumulativeValuesMatchARunningSum) {
  for (int n : {10, 250, 500, 100000}) {
    list->FreeAll();
    list->intermediate_values.reset();
    Fill(n);
    int64_t fetches = 0;
    list->fOnNumericalData = [&](TObject*, int32_t column, int32_t row) {
      ++fetches;
      return list->NumericalData(column, row);
    };
    EXPECT_LE((n - 1) / list->IntermediateBlockSize(), 110) << n;
    // Rows from the end first, then every row in order, against a plain running sum.
    const extended last = list->ValueElsewhere(2, n - 1, true);
    EXPECT_EQ(last, static_cast<extended>(n) * (n + 1) / 2) << n;
    extended running = 0;
    const int step = n > 1000 ? 997 : 1;
    for (int r = 0; r < n; ++r) {
      running += r + 1;
      if (r % step == 0 || r == n - 1) {
        ASSERT_EQ(list->ValueElsewhere(2, r, true), running) << n << " row " << r;
      }
    }
    EXPECT_EQ(list->ValueElsewhere(2, 3, false), 4);
    // The same column again reuses its block sums: at most one block's fetches.
    fetches = 0;
    list->ValueElsewhere(2, n - 1, true);
    EXPECT_LE(fetches, list->IntermediateBlockSize()) << n;
    // Another column resets the cache.
    EXPECT_EQ(list->ValueElsewhere(3, n - 1, true), 0);
    EXPECT_EQ(list->ValueElsewhere(2, n - 1, true), last);
  }
}

TEST_F(TotalsFixture, CumulativeCacheFollowsAGrowingList) {
  Fill(150);
  EXPECT_EQ(list->ValueElsewhere(2, 149, true), 150 * 151 / 2);
  for (int i = 150; i < 1000; ++i) list->AddWord(u"x" + IntToStr(i), i + 1, 0);
  EXPECT_EQ(list->ValueElsewhere(2, 999, true), 1000 * 1001 / 2);
  EXPECT_EQ(list->ValueElsewhere(2, 149, true), 150 * 151 / 2);
}

TEST_F(TotalsFixture, RelativeEntropies) {
  Fill(0);
  for (int i = 0; i < 4; ++i) list->AddWord(u"e" + IntToStr(i), 5, 1);
  EXPECT_NEAR(list->ComputeRelativeEntropyOfValues(100), 1.0, 1e-6);
  list->AddWord(u"big", 1000, 1);
  // Only the largest value kept: a single value has no spread.
  EXPECT_EQ(list->ComputeRelativeEntropyOfValues(1), 0.0f);
  EXPECT_EQ(list->LemmasRelativeEntropy(0, 10), 0.0f);
}

TEST_F(TotalsFixture, RelativeEntropyComparisonUsesTheEntryIndexAndTheHoldersBasis) {
  Fill(0);
  list->AddWord(u"go", 5, 1);
  list->AddWord(u"went", 5, 1);
  list->AddWord(u"gone", 5, 1);
  list->AddWord(u"goes", 5, 1);
  list->AddWord(u"alone", 9, 1);
  ASSERT_TRUE(list->Join(0, list->Get(1)));
  ASSERT_TRUE(list->Join(0, list->Get(2)));
  ASSERT_TRUE(list->Join(0, list->Get(3)));
  // Four equal frequencies spread evenly: 1; the unjoined entry has none.
  list->base_compare_float = 0.5f;
  list->compare_ID_with = 0;
  EXPECT_EQ(list->CompareRelativeEntropies(list->Get(4)), 1);
  list->compare_ID_with = 4;
  EXPECT_EQ(list->CompareRelativeEntropies(list->Get(0)), -1);
  // With a basis of one value, even the lemma has no spread.
  holder.SetRelativeEntropyBasis(1);
  list->compare_ID_with = 0;
  EXPECT_EQ(list->CompareRelativeEntropies(list->Get(0)), -1);
  list->base_compare_float = 0;
  EXPECT_EQ(list->CompareRelativeEntropies(list->Get(0)), 0);
}

TEST_F(TotalsFixture, CellRecordsCornerHeadingAndEntries) {
  Fill(3);
  list->Word(1)->EnsurePrivateObjExists();
  list->Word(1)->privateobj->fdetails.deleted = 1;
  list->Word(1)->privateobj->fdetails.marcacao = 1;
  TGrid_data_rec cell;
  int32_t row = 0;
  list->DrawgridDataRec(0, row, cell, grid_alph_order);
  EXPECT_EQ(cell.word_details[dgso_main], u"N");
  EXPECT_TRUE(cell.IsEdgeData);
  EXPECT_EQ(row, -1);
  row = 0;
  list->DrawgridDataRec(2, row, cell, grid_alph_order);
  EXPECT_EQ(cell.word_details[dgso_main], u"Freq.");
  row = 2;
  list->DrawgridDataRec(1, row, cell, grid_alph_order);
  EXPECT_EQ(row, 1);
  EXPECT_TRUE(cell.DataOK);
  EXPECT_TRUE(cell.IsMainWordColumn);
  EXPECT_TRUE(cell.deleted);
  EXPECT_EQ(cell.marcacao, 1);
  row = 4;
  list->DrawgridDataRec(1, row, cell, grid_alph_order);
  EXPECT_FALSE(cell.DataOK);
  try {
    list->AddSpecialFeaturesToDrawGridDataRec(3, cell);
    FAIL() << "no assertion";
  } catch (const EAssertionFailed& e) {
    EXPECT_NE(UTF16ToUTF8(e.Message).find("trying to get Special Features index 3 (Count = 3)"),
              std::string::npos);
  }

  TGrid_data_rec number;
  number.data_type = ddt_number;
  number.n_and_disp.computed_value = kComputedValueNotApplicable;
  CheckForDontShowConstAndDecimals(number);
  EXPECT_EQ(number.word_details[dgso_main], u"n/a");
  number = TGrid_data_rec{};
  number.data_type = ddt_number;
  number.n_and_disp.mostra = gdd_per_cent;
  CheckForDontShowConstAndDecimals(number);
  EXPECT_EQ(number.GridHeading.decimals, 1);
  EXPECT_EQ(NFilesCorrected(0, true), 1);
  EXPECT_EQ(NFilesCorrected(0, false), -999999);
  EXPECT_EQ(NFilesCorrected(7, false), 7);
  EXPECT_EQ(HeadingFromNumberType(gdd_per_cent), u"%");
  EXPECT_EQ(HeadingFromNumberType(gdd_per_million), u"per million");
  EXPECT_EQ(HeadingFromNumberType(gdd_as_integer), u"");
  EXPECT_TRUE(CategoryMeansClearCategory(u'0'));
  EXPECT_FALSE(CategoryMeansClearCategory(u'1'));
}

TEST_F(TotalsFixture, CategoriesDetailsAndStatsHeader) {
  Fill(2);
  list->ListModified = TListModifications_Set{};
  list->SetACategoryAndColourAndTagnumber(0, 5, TStringTrueColumnAndColourRec{4, 0x00FF00, u"noun"});
  EXPECT_TRUE(list->ListModified.Contains(mod_computation));
  EXPECT_EQ(list->GetACategoryString(0, 4), u"noun");
  EXPECT_EQ(list->GetACategoryColour(0, 4), 0x00FF00);
  EXPECT_EQ(list->GetTagNumber1Based(0), 4);
  list->SetACategoryString(1, 4, u"verb");
  EXPECT_TRUE(list->ListModified.Contains(mod_edited));
  EXPECT_EQ(list->GetACategoryString(1, 4), u"verb");
  list->ClearColourCategoryColours();
  EXPECT_NE(list->GetACategoryColour(0, 4), 0x00FF00);  // back to the fallback colour
  EXPECT_THROW(list->GetACategoryAndColour(2, 4), EAssertionFailed);

  const TLXEntryDetailsRec d = list->AnEntryDetails(1);
  EXPECT_EQ(d.main_freq, 2);
  EXPECT_EQ(d.main_word, u"w1");
  const UnicodeString details = list->EntryDetailsAsString(1);
  EXPECT_EQ(details.substr(0, 3), u"N: ");
  EXPECT_NE(details.find(u"\tWord: "), UnicodeString::npos);
  EXPECT_EQ(list->EntryDetailsAsGridDataRecs(1).size(), 4u);
  EXPECT_TRUE(list->EntryDetailsAsGridDataRecs(9).empty());

  bool hasData = true;
  std::unique_ptr<TStringList> lines(list->SelectedStatsFilenames(1, hasData));
  EXPECT_FALSE(hasData);
  ASSERT_EQ(lines->Count(), 4);
  EXPECT_EQ(lines->Get(2), u"Row 2: w1");
  EXPECT_EQ(lines->Get(3), u"");
  lines.reset(list->SelectedStatsFilenames(-1, hasData));
  EXPECT_EQ(lines->Get(2), u"line 1 to 2");
}

TEST(TagCells, EachDisplayPlacesTheTagOrHidesIt) {
  TLXBaseHolder holder{0x0409, true};
  auto list = Create<TWordList>(&holder);
  list->AddWord(u"run", 3, 1);
  list->AddWord(u"walk", 2, 1);
  list->AddWord(u"swim", 1, 1);
  list->Word(0)->SetPrefix(u"<VB>");
  list->Word(1)->SetPrefix(u"NN");  // not a tag: no "<"
  struct TCase {
    TWordListTagDisplay display;
    int32_t row;
    const char16_t* shown;
  };
  const TCase cases[] = {{wltd_no_tags, 0, u"run"},
                         {wltd_tags_as_prefix, 0, u"<VB>run"},
                         {wltd_tags_as_suffix, 0, u"run<VB>"},
                         {wltd_only_tags, 0, u"<VB>"},
                         {wltd_tags_as_prefix, 1, u"walk"},
                         {wltd_tags_as_suffix, 1, u"walk"},
                         {wltd_only_tags, 1, u"NN"},
                         {wltd_only_tags, 2, u"n/a"}};
  for (const TCase& c : cases) {
    TGrid_data_rec cell;
    cell.TrueColumn = 1;
    cell.show_word = true;
    cell.word_details[dgso_suffix] = u"stale";
    list->FormatDrawGridDataRecPrefixEtcForTagTreatment(cell, c.row, c.display);
    EXPECT_EQ(RelevantAffixesOfStringData(cell), UnicodeString(c.shown)) << c.display << " row " << c.row;
  }
}
