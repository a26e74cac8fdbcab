// Heading lists beyond the stream: setting-dependent columns, upgrades of older sets, visible captions,
// column totals, warnings and the user's customised sets.
#include <gtest/gtest.h>

#include <memory>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_messages.h"
#include "lexlists/headings/headingsU.h"
#include "lexstats/headings/Base_headingsu.h"
#include "test_files.h"

namespace {

using namespace lx;

struct HorizonsGuard {
  explicit HorizonsGuard(int16_t left, int16_t right) {
    SetupCollocHorizons(Tdouble_smallint_type{left, right});
  }
  ~HorizonsGuard() { SetupCollocHorizons(Tdouble_smallint_type{5, 5}); }
};

TEST(HeadingList, CollocateHorizonColumns) {
  HorizonsGuard guard(5, 5);
  EXPECT_EQ(Global_colloc_left_horizon, span_L05);
  EXPECT_EQ(Global_colloc_right_horizon, span_R05);
  std::unique_ptr<TGridHeaderList> list(CopyOfBaseHeadings(lt_collocate_list, tlpb_years, true));
  ASSERT_EQ(list->Count(), 30);
  EXPECT_EQ(list->StandardNumberOfColumns(), 29);
  const char16_t* captions[] = {u"L5", u"L4", u"L3", u"L2", u"L1", u"Centre",
                                u"R1", u"R2", u"R3", u"R4", u"R5"};
  for (int i = 0; i < 11; ++i) {
    const TGrid_head32 h = list->GetDatum(19 + i);
    EXPECT_EQ(h.heading, captions[i]);
    EXPECT_EQ(h.span, span_L05 + i);
    EXPECT_EQ(h.original_column, 19 + i);
    EXPECT_EQ(h.hint, u"click to sort");
    EXPECT_EQ(h.HelpContext, 2150);
  }
  EXPECT_EQ(list->GetAHeading(18), u"Total Right");  // the model column itself stays as it was
  EXPECT_EQ(list->GetDatum(18).hint, u"total to the right");
  EXPECT_EQ(list->GetDatum(3).timeline_basis, tlpb_years);
  EXPECT_TRUE(list->GetDatum(3).timelinerounded);

  HorizonsGuard none(0, 0);
  list.reset(CopyOfBaseHeadings(lt_collocate_list));
  ASSERT_EQ(list->Count(), 20);
  EXPECT_EQ(list->GetAHeading(19), u"Centre");
  EXPECT_EQ(list->StandardNumberOfColumns(), 19);
  // Horizons beyond what a span holds are limited to it.
  HorizonsGuard wide(500, 500);
  EXPECT_EQ(Global_colloc_left_horizon, span_L50);
  EXPECT_EQ(Global_colloc_right_horizon, span_R51);
}

TEST(HeadingList, DetailedConsistencyFileColumns) {
  Global_detailed_consistency_files = 3;
  std::unique_ptr<TGridHeaderList> list(CopyOfBaseHeadings(lt_detailed_consistency_list));
  Global_detailed_consistency_files = 0;
  ASSERT_EQ(list->Count(), 9);
  for (int i = 0; i < 3; ++i) {
    const TGrid_head32 h = list->GetDatum(6 + i);
    EXPECT_EQ(h.heading, IntToStr(i + 1));
    EXPECT_TRUE(h.numerical);
    EXPECT_EQ(h.pixel_width96, 72);
    EXPECT_EQ(h.original_column, 6 + i);
  }
}

TEST(HeadingList, EnsureMIHeadings) {
  // An old relations-style set: N, Word, Relation, Set.
  TGridHeaderList list(lt_collocate_list);
  const auto base = StandardGridHeaderArray(lt_collocate_list);
  TGrid_head32 relation = base[3];
  relation.heading = u"Relation";
  list.AddOne(base[0]);
  list.AddOne(base[1]);
  list.AddOne(relation);
  list.AddOne(base[14]);
  list.EnsureMIHeadingsIncludeAllStats();
  ASSERT_EQ(list.Count(), 14);
  EXPECT_EQ(list.GetAHeading(2), u"Dice");
  EXPECT_EQ(list.GetAHeading(12), u"DeltaPB");
  EXPECT_EQ(list.GetAHeading(13), u"Set");
  EXPECT_EQ(list.OriginalColumnNumber(13), 13);
  list.EnsureMIHeadingsIncludeAllStats();  // already has Dice
  EXPECT_EQ(list.Count(), 14);

  list.EnsureMIHeadingsIncludeWith();
  ASSERT_EQ(list.Count(), 15);
  const TGrid_head32 with = list.GetDatum(2);
  EXPECT_EQ(with.heading, u"With");
  EXPECT_EQ(with.hint, u"search-word");
  EXPECT_FALSE(with.numerical);
  EXPECT_EQ(with.decimals, 0);
  EXPECT_EQ(with.minimum, 0);
  list.EnsureMIHeadingsIncludeWith();
  EXPECT_EQ(list.Count(), 15);

  TGridHeaderList small(lt_collocate_list);
  small.AddOne(base[0]);
  small.AddOne(base[1]);
  small.AddOne(base[3]);
  small.EnsureMIHeadingsIncludeWith();  // three columns or fewer: unchanged
  EXPECT_EQ(small.Count(), 3);
}

TEST(HeadingList, VisibleHeadingsAndInfo) {
  TGridHeaderList list(lt_concordance_list);
  list.LoadStandardSet(lt_concordance_list);
  list.SetVisible(2, false);
  TStringList strings;
  int32_t index = 99;
  FillStringsWithVisibleHeadings(strings, list, 3, index);
  ASSERT_EQ(strings.Count(), 14);  // 16 less column 0 and the hidden one
  EXPECT_EQ(strings[0], u"Concordance");
  EXPECT_EQ(ColumnIndexOfObject(strings.Objects(1)), 3);
  EXPECT_EQ(index, 1);
  FillStringsWithVisibleHeadings(strings, list, 2, index);
  EXPECT_EQ(index, -1);
  FillStringsWithVisibleHeadings(strings, list, 0, index);
  EXPECT_EQ(index, -1);

  EXPECT_EQ(list.VisibleColumnCount(), 15);
  EXPECT_EQ(list.LastVisibleColumn(), 15);
  std::unique_ptr<TVisibleHeaderInfoList> info(list.CurrentHeadersList());
  ASSERT_EQ(info->Count(), 14);
  EXPECT_TRUE(info->GetAHeaderInfo(0).is_concordance);
  EXPECT_FALSE(info->GetAHeaderInfo(0).is_numerical);
  EXPECT_TRUE(info->GetAHeaderInfo(2).is_numerical);
  EXPECT_EQ(info->GetAHeaderInfo(2).original_Col_num, 4);
  EXPECT_EQ(info->GetAHeaderInfo(99).original_Col_num, 0);

  TGridHead32Array copy;
  CopyGridHeaderListDataToArray(list, copy, 600);
  EXPECT_EQ(copy[1].pixel_width96, 600);
  EXPECT_EQ(copy[2].pixel_width96, 24);
}

TEST(HeadingList, AccessorsSortStateAndTotals) {
  TGridHeaderList list(lt_word_list);
  list.LoadStandardSet(lt_word_list);
  EXPECT_EQ(list.GetPixelSize(50), 96);
  EXPECT_TRUE(list.GetVisible(-1));
  EXPECT_EQ(list.GetAlignment(50), right_aligned);
  list.SetPixelSize(50, 10);  // ignored
  EXPECT_THROW(list.GetDecimals(9), EAssertionFailed);
  try {
    list.SetAHeading(-1, u"x");
    FAIL();
  } catch (const EAssertionFailed& e) {
    EXPECT_NE(UTF16ToUTF8(e.Message).find("header index -1 (Count = 9)"), std::string::npos);
  }

  list.SetMainSortColumn(2, false);
  EXPECT_EQ(list.GetDatum(2).SortStateAscending, falso);
  list.SetMainSortColumn(1, true);
  EXPECT_EQ(list.GetDatum(1).SortStateAscending, verdadeiro);
  EXPECT_EQ(list.GetDatum(2).SortStateAscending, quem_sabe);

  TGridColumnDataRec32 totals;
  totals.descriptives[gc_total] = 1234.5f;
  totals.descriptives[gc_12] = 3;
  list.SetColumnData(2, totals);
  const UnicodeString text = list.ColumnTotalData(2);
  EXPECT_EQ(text.substr(0, 36), u"Total = 1234.50; Max = 0.00; Min = 0");
  EXPECT_NE(text.find(u"; 1/12 = 0.00;"), UnicodeString::npos);
  EXPECT_EQ(text.substr(text.size() - 14), u"; 12/12 = 3.00");
  EXPECT_EQ(list.ColumnTotalData(1), u"non-numerical");
  EXPECT_THROW(list.ColumnTotalData(9), EAssertionFailed);
}

TEST(HeadingList, WarnGoesThroughTheHost) {
  UnicodeString shown;
  Global_ShowMessageProc = [&](const UnicodeString& text) { shown = text; };
  TGridHeaderList(lt_word_list).Warn(u"Columns changed");
  Global_ShowMessageProc = nullptr;
  EXPECT_EQ(shown, u"Warning: Columns changed");
}

struct CustomFolder {
  lxtest::TempDir dir;
  CustomFolder() { Global_user_ReadWrite_folder = lx::UTF8ToUTF16(dir.path.string()); }
  ~CustomFolder() { Global_user_ReadWrite_folder.clear(); }
};

TEST(HeadingList, CustomisedSets) {
  CustomFolder folder;
  const UnicodeString name = CustomisedHeadingsFileName(lt_word_list);
  EXPECT_EQ(name, Global_user_ReadWrite_folder + u"/Word list customised.dat");

  TGridHeaderList custom(lt_word_list);
  custom.LoadStandardSet(lt_word_list);
  EXPECT_FALSE(custom.custom_list_read);
  custom.SetColumnName(1, u"Lemma");
  ASSERT_TRUE(custom.SaveAsCustomised(lt_word_list));

  TGridHeaderList list(lt_word_list);
  ASSERT_TRUE(list.LoadStandardSet(lt_word_list));
  EXPECT_TRUE(list.custom_list_read);
  EXPECT_EQ(list.GetAHeading(1), u"Lemma");

  // A damaged file is ignored whole.
  const std::string good = folder.dir.Read("Word list customised.dat");
  folder.dir.Write("Word list customised.dat", good.substr(0, good.size() - 3));
  ASSERT_TRUE(list.LoadStandardSet(lt_word_list));
  EXPECT_FALSE(list.custom_list_read);
  EXPECT_EQ(list.Count(), 9);
  EXPECT_EQ(list.GetAHeading(1), u"Word");

  // So is one holding too few headings, without going round in circles.
  TGridHeaderList few(lt_word_list);
  few.AddOne(StandardGridHeaderArray(lt_word_list)[0]);
  ASSERT_TRUE(few.SaveAsCustomised(lt_word_list));
  ASSERT_TRUE(list.LoadStandardSet(lt_word_list));
  EXPECT_FALSE(list.custom_list_read);
  EXPECT_EQ(list.Count(), 9);

  // And one saved for another kind.
  TGridHeaderList other(lt_link_list);
  other.LoadStandardSet(lt_link_list);
  ASSERT_TRUE(other.SaveAsCustomised(lt_word_list));
  ASSERT_TRUE(list.LoadStandardSet(lt_word_list));
  EXPECT_FALSE(list.custom_list_read);
  EXPECT_EQ(list.flist_type, lt_word_list);
  EXPECT_EQ(list.Count(), 9);
}

}  // namespace
