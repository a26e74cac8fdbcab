#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "lexcore/platform/win_platform.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexlists/headings/headingsU.h"
#include "tests/lexlists/engine/example_word_list.h"

using namespace lx;
using lxtest::TWordEntry;
using lxtest::TWordList;
using ::testing::HasSubstr;

namespace {

UnicodeString Padded(int i) {
  UnicodeString s = IntToStr(i);
  return u"w" + UnicodeString(5 - s.size(), u'0') + s;
}

template <typename F>
std::string MessageOf(F&& f) {
  try {
    f();
  } catch (const Exception& e) {
    return UTF16ToUTF8(e.Message);
  }
  return "(no exception)";
}

struct ListFixture : ::testing::Test {
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TWordList> list = Create<TWordList>(&holder);
};

// A list whose overrides the construction must honour.
class TSetColumnList : public TLXBaseDataClass {
 public:
  explicit TSetColumnList(TLXBaseHolder* h)
      : TLXBaseDataClass(h, EntryClassOf<TWordEntry>(), grid_concordance, lt_concordance_list, 7) {}
  int32_t PredefinedSetColumnNumber() override { return 5; }
  void EnsureAlphabeticalAscendingSort() override { LXSortSettings.main_sort_is_alphabetical = true; }
};

}  // namespace

TEST_F(ListFixture, ConstructionRunsTheDerivedOverridesAndSetsDefaults) {
  TLXBaseHolder h;
  auto l = Create<TSetColumnList>(&h);
  EXPECT_EQ(l->fColumnSetnums->CurrentItemValue(), 5);
  EXPECT_TRUE(l->LXSortSettings.main_sort_is_alphabetical);
  EXPECT_TRUE(l->LastLXSortSettings.main_sort_is_alphabetical);
  EXPECT_EQ(l->fSignature, 7);
  EXPECT_EQ(l->cloudData.word_column, 1);
  EXPECT_EQ(l->cloudData.lowest_frequency, 2147483647);
  EXPECT_EQ(l->decimal_places_string, u"00");
  EXPECT_TRUE(l->allow_freq_conversion);
  EXPECT_EQ(l->fColumnBeingEdited, -1);
  EXPECT_EQ(l->GridHeadings()->flist_type, lt_none_in_use);
  EXPECT_EQ(l->CurrentList, nullptr);
  // The base comparison finds nothing until a list installs its own.
  TWordEntry e(l.get(), &h);
  EXPECT_EQ(l->CompareWordsFunct(&e), -1);
}

TEST_F(ListFixture, GrowthSequenceAndCapacityLimits) {
  std::vector<int32_t> capacities;
  for (int i = 0; i < 95; ++i) {
    list->AddWord(Padded(i), 1, 1);
    if (capacities.empty() || capacities.back() != list->Capacity()) capacities.push_back(list->Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int32_t>{4, 8, 12, 28, 44, 60, 76, 95}));
  EXPECT_EQ(MessageOf([&] { list->SetCapacity(94); }), "NewCapacity 94");
  EXPECT_EQ(MessageOf([&] { list->SetCapacity(134217728); }), "NewCapacity 134217728");
  EXPECT_EQ(list->Capacity(), 95);
  EXPECT_THROW(list->SetCapacity(-1), EListError);
}

TEST_F(ListFixture, InsertRemoveGetPutAndTheirMessages) {
  TWordEntry a(list.get(), &holder), b(list.get(), &holder), c(list.get(), &holder), d(list.get(), &holder);
  list->Add(&a);
  list->Add(&b);
  list->Add(&c);
  EXPECT_EQ(list->Insert(0, &d), 3);
  EXPECT_EQ(list->Get(0), &d);
  EXPECT_EQ(list->Get(3), &c);
  EXPECT_EQ(list->Insert(4, &d), 4);  // at the end: appends
  EXPECT_EQ(list->Get(4), &d);
  EXPECT_EQ(MessageOf([&] { list->Insert(6, &a); }), "Inserting entry 6 (Count=5)");
  EXPECT_EQ(MessageOf([&] { list->Insert(-1, &a); }), "Inserting entry -1 (Count=5)");
  EXPECT_EQ(MessageOf([&] { list->Remove(5); }), "Removing entry 5 (Count=5)");
  list->Remove(0);
  EXPECT_EQ(list->Count(), 4);
  EXPECT_EQ(list->Get(0), &a);
  EXPECT_THAT(MessageOf([&] { list->Get(4); }), HasSubstr("trying to get data index 4 (Count = 4)"));
  EXPECT_THAT(MessageOf([&] { list->Put(-1, &a); }), HasSubstr("Putting entry -1 (Count = 4)"));
  EXPECT_THAT(MessageOf([&] { list->GetMarcacao(9); }),
              HasSubstr("trying to get marcacao index 9 (Count = 4)"));
  EXPECT_THAT(MessageOf([&] { list->GetSomeWordAsString(9, 1); }),
              HasSubstr("trying to get row index 9 (Count = 4)"));
  list->Put(1, &c);
  EXPECT_EQ(list->IndexOf(&c), 1);
  EXPECT_EQ(list->Find_an_Entry(&c), &c);
  TWordEntry stranger(list.get(), &holder);
  EXPECT_EQ(list->Find_an_Entry(&stranger), nullptr);
  EXPECT_EQ(list->IndexOf(&stranger), -1);
  list->Clear();  // the entries here live on the stack
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->Capacity(), 0);
}

TEST_F(ListFixture, PackClosesEmptySlotsInOrder) {
  for (int i = 0; i < 10; ++i) list->AddWord(Padded(i), i, 1);
  for (int i : {0, 3, 4, 9}) {
    delete list->Get(i);
    list->Put(i, nullptr);
  }
  list->Pack();
  ASSERT_EQ(list->Count(), 6);
  std::vector<int32_t> freqs;
  for (int i = 0; i < list->Count(); ++i) freqs.push_back(list->Word(i)->data.f);
  EXPECT_EQ(freqs, (std::vector<int32_t>{1, 2, 5, 6, 7, 8}));
}

TEST_F(ListFixture, ClearingYieldsAndKeepsHeadingsOnlyWhenAsked) {
  TGridHeaderList h(lt_word_list);
  h.AddOne(TGrid_head32{});
  list->SetGridHeadings(h);
  TWordEntry a(list.get(), &holder), b(list.get(), &holder);
  list->Add(&a);
  list->Add(&b);
  list->cloudData.highest_frequency = 9;
  list->cloudData.lowest_frequency = 1;
  int yields = 0;
  auto saved = Global_YieldProcessProc;
  Global_YieldProcessProc = [&] { ++yields; };
  list->ClearButNotGridHeadings();
  Global_YieldProcessProc = saved;
  EXPECT_EQ(yields, 2);
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->Capacity(), 0);
  EXPECT_EQ(list->cloudData.highest_frequency, 0);
  EXPECT_EQ(list->cloudData.lowest_frequency, 2147483647);
  EXPECT_EQ(list->GridHeadings()->Count(), 1);
  list->Clear();
  EXPECT_EQ(list->GridHeadings()->Count(), 0);
}

TEST_F(ListFixture, FindWordAgreesWithBruteForceOnSortedListsOfManySizes) {
  for (int n :
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 16, 17, 31, 32, 33, 63, 64, 65, 100, 127, 128, 129, 255, 257}) {
    list->FreeAll();
    for (int i = n - 1; i >= 0; --i) list->AddWord(Padded(i), i, 1);
    list->SortAlphabetically();
    for (int i = 0; i < n; ++i) {
      ASSERT_EQ(list->Find_WordStr(Padded(i), cs_sensitive), i) << "n=" << n;
      EXPECT_TRUE(list->linguistic_match_found);
    }
    // Between every two words, and before the first.
    for (int i = -1; i < n; ++i) {
      UnicodeString absent = i < 0 ? UnicodeString(u"a") : Padded(i) + u"x";
      ASSERT_EQ(list->Find_WordStr(absent, cs_sensitive), -1) << "n=" << n << " i=" << i;
      EXPECT_FALSE(list->linguistic_match_found);
      if (n > 0) {
        EXPECT_GE(list->fnearest_word_num, 0);
        EXPECT_LT(list->fnearest_word_num, n);
      }
    }
  }
}

TEST_F(ListFixture, FindWordScansUnsortedListsAndSkipsEmptyOnes) {
  int calls = 0;
  list->CompareWordsFunct = [&](TLXBaseListObject* e) {
    ++calls;
    return list->CompareWords(e);
  };
  EXPECT_EQ(list->Find_WordStr(u"x", cs_sensitive), -1);
  EXPECT_EQ(calls, 0);
  list->AddWord(u"pear", 1, 1);
  list->AddWord(u"apple", 2, 1);
  list->AddWord(u"fig", 3, 1);
  EXPECT_FALSE(list->LXSortSettings.sort_is_alph_ascending);
  EXPECT_EQ(list->Find_WordStr(u"fig", cs_sensitive), 2);
  EXPECT_EQ(list->Find_WordStr(u"kiwi", cs_sensitive), -1);
}

TEST_F(ListFixture, FindWordStrSetsAndRestoresTheComparisonFlag) {
  list->AddWord(u"Apple", 1, 1);
  list->AddWord(u"pear", 1, 1);
  list->SortAlphabetically();
  Global_CompareStringFlags = 0;
  EXPECT_EQ(list->Find_WordStr(u"apple", cs_sensitive), -1);
  EXPECT_EQ(list->Find_WordStr(u"apple", cs_anyhow), 0);
  EXPECT_EQ(Global_CompareStringFlags, 0u);
  Global_CompareStringFlags = NORM_IGNORECASE;
  EXPECT_EQ(list->Find_WordStr(u"", cs_sensitive), -1);
  EXPECT_EQ(Global_CompareStringFlags, NORM_IGNORECASE);
  Global_CompareStringFlags = 0;
  // The three-text form compares affixes; the one-word form ignores them.
  EXPECT_EQ(list->Find_WordStr(TPalavraStr{u"", u"pear", u""}, cs_sensitive), 1);
  EXPECT_TRUE(list->CanCompareAffix(dgso_prefix));
  list->Find_WordStr(u"pear", cs_sensitive);
  EXPECT_FALSE(list->CanCompareAffix(dgso_suffix));
}

TEST_F(ListFixture, FindWordStrOnAnEightBitList) {
  TLXBaseHolder ansi(0x0409, false);
  auto l = Create<TWordList>(&ansi);
  for (UnicodeString w : {u"caf\u00e9", u"na\u00efve", u"zoo"}) l->AddWord(w, 1, 1);
  l->SortAlphabetically();
  EXPECT_EQ(l->Find_WordStr(UnicodeString(u"na\u00efve"), cs_sensitive), 1);
  EXPECT_EQ(l->Find_WordStr(AnsiString("zoo"), AnsiString(), AnsiString(), cs_sensitive), 2);
  // Switching the list to UTF-16 converts every word once.
  l->ConvertEntriesToUnicode();
  EXPECT_TRUE(ansi.OperatingInUnicode());
  EXPECT_TRUE(l->fEntries_converted_to_Unicode);
  EXPECT_EQ(l->GetMainWordAsString(0), u"caf\u00e9");
  EXPECT_EQ(l->Find_WordStr(UnicodeString(u"caf\u00e9"), cs_sensitive), 0);
}

TEST_F(ListFixture, MarksCountMarkedEntriesOnce) {
  for (int i = 0; i < 3; ++i) list->AddWord(Padded(i), 1, 1);
  list->SetMarcacao(0, 0);  // unmarked stays so, without a private object
  EXPECT_FALSE(list->Word(0)->PrivateObjExists());
  EXPECT_EQ(list->MarcacoesExistentes, 0);
  list->SetMarcacao(0, 1);
  list->SetMarcacao(0, 2);  // marked twice: still one marked entry
  list->SetMarcacao(1, 1);
  EXPECT_EQ(list->MarcacoesExistentes, 2);
  EXPECT_TRUE(list->ListModified.Contains(mod_edited));
  list->SetMarcacao(0, 0);
  list->SetMarcacao(0, 0);
  EXPECT_EQ(list->MarcacoesExistentes, 1);
  list->SetMarcacao(7, 1);  // outside the list: ignored
  EXPECT_EQ(list->MarcacoesExistentes, 1);
  list->ClearMarcacao();
  EXPECT_EQ(list->MarcacoesExistentes, 0);
  EXPECT_EQ(list->GetMarcacao(1), 0);
}

TEST_F(ListFixture, SpecialFeaturesReflectTheEntryFlags) {
  for (int i = 0; i < 4; ++i) list->AddWord(Padded(i), i + 1, 1);
  EXPECT_TRUE(list->GetSpecialFeatures(0).Empty());
  list->SetMarcacao(0, 2);
  auto s = list->GetSpecialFeatures(0);
  EXPECT_TRUE(s.Contains(sf_marked));
  EXPECT_FALSE(s.Contains(sf_first_marked));
  list->SetMarcacao(1, 1);
  list->SetMatched(1, true);
  list->SetNotForSaving(1, true);
  list->Word(1)->SetCategoryColour(0x123456, 3);
  list->Word(1)->privateobj->fdetails.tag_number_1Based = 2;
  list->Word(1)->privateobj->fdetails.deleted = 1;
  list->Word(1)->privateobj->ExtraFontList->AddOne(TExtraFontRec{});
  list->Word(1)->JoinFrom(list->Word(2));
  s = list->GetSpecialFeatures(1);
  for (auto f : {sf_first_marked, sf_matched, sf_not_for_saving, sf_category_coloured, sf_has_tag_info,
                 sf_deleted, has_extraFontInfo, has_joined})
    EXPECT_TRUE(s.Contains(f)) << int(f);
  EXPECT_FALSE(s.Contains(sf_marked));
  EXPECT_TRUE(list->GetSpecialFeatures(2).Contains(sf_joinedElsewhere));
  EXPECT_TRUE(list->GetDeleted(1) && list->GetMatched(1) && list->GetNotForSaving(1) &&
              list->GetHasJoined(1));
  EXPECT_EQ(list->GetJoinCount(1), 1);
  EXPECT_EQ(list->GetTagNumber1Based(1), 2);
  EXPECT_TRUE(list->GetJoinedElsewhere(2));
}

TEST_F(ListFixture, WordsByIndexAndBlankEntries) {
  EXPECT_EQ(list->DataMainColumn(), -1);
  int32_t i = list->AddABlankEntryWithMainWord(u"lemma");
  EXPECT_EQ(i, 0);
  EXPECT_EQ(list->lemma_entries_added, 1);
  EXPECT_EQ(list->GetMainWordAsString(0), u"lemma");
  list->SetMainWordAsString(0, u"other");
  EXPECT_EQ(list->GetSomeWordAsString(0, 1), u"other");
  EXPECT_EQ(list->DataMainColumn(), 1);
  EXPECT_EQ(list->PointerToString(list->Word(0)->data.w), u"other");
  EXPECT_EQ(list->TotalRowCount(), 1);
  EXPECT_EQ(list->ConvertedForOverallCount(-3), 0);
}

TEST_F(ListFixture, PositionalComparisonsLeaveTheEntrysWordAlone) {
  list->AddWord(u"walking", 1, 1);
  list->AddWord(u"talk2", 1, 1);
  UnicodeString search = u"ALK";
  list->base_compare_pointer = search.c_str();
  list->comparing_case_sensitivity = cs_anyhow;
  void* w = list->Word(0)->data.w;
  EXPECT_EQ(list->DoAComparePosOfWord(w, false, false, false), 0);
  EXPECT_EQ(list->GetMainWordAsString(0), u"walking");
  list->comparing_case_sensitivity = cs_sensitive;
  EXPECT_EQ(list->DoAComparePosOfWord(w, false, false, false), 1);
  UnicodeString start = u"wal", end = u"ing";
  list->base_compare_pointer = start.c_str();
  EXPECT_EQ(list->DoAComparePosOfWord(w, false, false, true), 0);
  list->base_compare_pointer = end.c_str();
  EXPECT_EQ(list->DoAComparePosOfWord(w, false, true, false), 0);
  EXPECT_EQ(list->DoAComparePosOfWord(w, false, false, true), 1);
  EXPECT_EQ(list->DoAComparePosOfWord(list->Word(1)->data.w, true, false, false), 0);
  EXPECT_EQ(list->DoAComparePosOfWord(nullptr, true, false, false), 1);
  EXPECT_TRUE(list->FirstLetterIsCaps(u"Word"));
  EXPECT_FALSE(list->FirstLetterIsCaps(u"word"));
  EXPECT_FALSE(list->FirstLetterIsCaps(u""));
  // The holder's default position finder never finds.
  EXPECT_EQ(list->Find_PosWord(search.c_str(), cs_anyhow, false, false, false, -5), -1);
}

TEST_F(ListFixture, ColumnsFromTheHeadings) {
  TGridHeaderList h(lt_word_list);
  for (int i = 0; i < 4; ++i) {
    TGrid_head32 r;
    r.heading = u"col" + IntToStr(i);
    r.original_column = static_cast<int16_t>(i);
    r.heading_visible = 1;
    h.AddOne(r);
  }
  auto r = h.GetDatum(2);
  r.editable = tanto_faz;
  r.numerical = 1;
  h.SetDatum(2, r);
  r = h.GetDatum(3);
  r.extra_computed = 1;
  r.extra_column_type = tnc_extra_set;
  h.SetDatum(3, r);
  r = h.GetDatum(1);
  r.allow_case_change = 1;
  h.SetDatum(1, r);
  list->SetGridHeadings(h);
  EXPECT_EQ(list->AllCurrentHeadings(), (std::vector<UnicodeString>{u"col0", u"col1", u"col2", u"col3"}));
  EXPECT_TRUE(list->GetAllowCaseChange());
  EXPECT_FALSE(list->CanEdit(1));
  EXPECT_EQ(list->fColumnBeingEdited, -1);
  EXPECT_TRUE(list->CanEdit(2));
  EXPECT_TRUE(list->GetColumnBeingEditedIsNumerical());
  EXPECT_FALSE(list->CanEdit(9));
  EXPECT_EQ(list->ExtraColumnType(3), tnc_extra_set);
  EXPECT_EQ(list->ExtraColumnType(2), tnc_other);
  list->SetHeaderColumnVisible(0, false);  // column 0 is never hidden
  EXPECT_TRUE(list->OneGridHeading(0).heading_visible);
  list->SetHeaderColumnVisible(2, false);
  EXPECT_FALSE(list->OneGridHeading(2).heading_visible);
  list->RecomputeColumnSetnums();
  EXPECT_TRUE(list->IsASetColumnColumn(0));  // the predefined set column
  EXPECT_TRUE(list->IsASetColumnColumn(3));
  EXPECT_FALSE(list->IsASetColumnColumn(2));
  list->fColumnSetnums->SetCurrentItem(1);
  UnicodeString caption;
  int32_t column = -1;
  list->GetCurrentSetColumnInfo(caption, column);
  EXPECT_EQ(column, 3);
  EXPECT_EQ(caption, u"col3");
}

TEST_F(ListFixture, SelectedRowsBecomeEntryIndices) {
  std::unique_ptr<T1LongintList> rows(list->CopyOfTheSelectedRows(2, 4, grid_alph_order));
  ASSERT_EQ(rows->Count(), 3);
  EXPECT_EQ(rows->GetAValue(0), 1);
  EXPECT_EQ(rows->GetAValue(2), 3);
  rows.reset(list->CopyOfTheSelectedRows(5, 4, grid_alph_order));
  EXPECT_EQ(rows->Count(), 0);
  rows.reset(list->CopyOfTheSelectedRows(std::vector<int32_t>{9, 3}, 1, 1, grid_alph_order));
  ASSERT_EQ(rows->Count(), 2);
  EXPECT_EQ(rows->GetAValue(0), 8);
  T1LongintList none;
  rows.reset(list->CopyOfTheSelectedRows(1, 2, none, grid_alph_order));
  EXPECT_EQ(rows->Count(), 2);
}

TEST(ListFreeFunctions, SaveAsFormatExtensions) {
  EXPECT_EQ(ChangedFileNameForSaveASFormat(u"/d/list.lst", as_txt, lt_word_list), u"/d/list.txt");
  EXPECT_EQ(ChangedFileNameForSaveASFormat(u"/d/list.lst", as_Excel_spreadsheet, lt_word_list),
            u"/d/list.xlsx");
  EXPECT_EQ(ChangedFileNameForSaveASFormat(u"/d/list", as_RTF, lt_word_list), u"/d/list.rtf");
  EXPECT_EQ(ChangedFileNameForSaveASFormat(u"/d/list.txt", as_default_for_list, lt_word_list),
            ChangeFileExt(u"/d/list.txt", DefaultExtFromSaveASFormat(as_default_for_list, lt_word_list)));
}
