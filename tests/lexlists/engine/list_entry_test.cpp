#include <gtest/gtest.h>

#include <memory>

#include "lexcore/platform/win_platform.h"
#include "tests/lexlists/engine/example_word_list.h"

using namespace lx;
using lxtest::TWordEntry;
using lxtest::TWordList;

namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& b, std::initializer_list<int> v) {
  for (int x : v) b.push_back(static_cast<uint8_t>(x));
}
void AppendInt(Bytes& b, int32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

TMemoryStream StreamOf(const Bytes& b) {
  TMemoryStream s;
  if (!b.empty()) s.WriteBuffer(b.data(), static_cast<int64_t>(b.size()));
  s.SetPosition(0);
  return s;
}

TStoredListInfo Info(int32_t version, bool canSaveDeleted) {
  TStoredListInfo info;
  info.stored_version_number = version;
  info.can_save_deleted = canSaveDeleted;
  return info;
}

class TCategoryList : public TWordList {
 public:
  using TWordList::TWordList;
  int32_t PredefinedSetColumnNumber() override { return 4; }
};

struct EntryFixture : ::testing::Test {
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TCategoryList> list = Create<TCategoryList>(&holder);
  TWordEntry& Add(const UnicodeString& w, int32_t f) { return *list->Word(list->AddWord(w, f, 1)); }
};

const Bytes kDetailsGolden = {4, 0, 0, 0, 1, 0, 1, 2, 0x33, 0x22, 0x11, 0, 0, 1,
                              0, 0, 7, 0, 0, 0, 0, 0, 0,    0,    0,    0, 0, 0};

TPrivateDetailsRec3 GoldenDetails() {
  TPrivateDetailsRec3 d;
  d.version = 4;
  d.joined_elsewhere = 1;
  d.deleted = 1;
  d.marcacao = 2;
  d.to_v3_category_colour = 0x112233;
  d.not_for_saving = 1;
  d.tag_number_1Based = 7;
  return d;
}

}  // namespace

TEST(PrivateDetails, GoldenImageAndRoundTrip) {
  auto image = PrivateDetailsToImage(GoldenDetails());
  EXPECT_EQ(Bytes(image.begin(), image.end()), kDetailsGolden);
  auto back = PrivateDetailsFromImage(image);
  EXPECT_EQ(PrivateDetailsToImage(back), image);
  // Any byte in a flag slot survives the round trip.
  image[6] = 0xFF;
  EXPECT_EQ(PrivateDetailsToImage(PrivateDetailsFromImage(image))[6], 0xFF);
}

TEST_F(EntryFixture, UntouchedEntryHasNoPrivateObject) {
  auto& e = Add(u"word", 3);
  EXPECT_FALSE(e.PrivateObjExists());
  auto image = PrivateDetailsToImage(e.PrivateDetails());
  EXPECT_EQ(Bytes(image.begin(), image.end()), Bytes(28, 0));
  EXPECT_FALSE(e.IsDeleted() || e.IsMatched() || e.IsMarked() || e.JoinedElsewhere() || e.HasJoined());
  EXPECT_EQ(e.OwnJoinlist(), nullptr);
  e.SetCategoryString(u"", 2);
  e.ClearCategoryColour(-1);
  EXPECT_FALSE(e.PrivateObjExists());
  EXPECT_EQ(e.GetCategory(2).background_colour, kStandardBackgroundColour);
  // Saving an untouched entry writes a record without keeping a private object.
  TMemoryStream s;
  EXPECT_TRUE(e.SavePrivateToStream(list.get(), s, Info(21, true)));
  EXPECT_FALSE(e.PrivateObjExists());
}

TEST_F(EntryFixture, CurrentPrivateRecordGoldenImageAndRoundTrip) {
  auto& e = Add(u"word", 3);
  e.EnsurePrivateObjExists();
  e.privateobj->fdetails = GoldenDetails();
  e.privateobj->fdetails.version = 3;  // raised to 4 on writing
  TExtraFontRec span;
  span.switch_on_at_char = 2;
  span.switch_off_at_char = 5;
  span.applies_to = efc_centre_word;
  e.privateobj->ExtraFontList->AddOne(span);
  e.SetCategoryString(u"NV", 3);
  e.SetCategoryColour(0x123456, 3);

  TMemoryStream s;
  ASSERT_TRUE(e.SavePrivateToStream(list.get(), s, Info(21, true)));
  Bytes expected;
  AppendInt(expected, 1);
  AppendInt(expected, 3);
  auto spanImage = ExtraFontRecToImage(span);
  expected.insert(expected.end(), spanImage.begin(), spanImage.end());
  Append(expected, {1, 0xFE, 0, 4, 0, 0, 0});
  expected.insert(expected.end(), kDetailsGolden.begin(), kDetailsGolden.end());
  AppendInt(expected, 1);
  AppendInt(expected, 3);
  AppendInt(expected, 0x123456);
  AppendInt(expected, 2);
  Append(expected, {'N', 0, 'V', 0});
  EXPECT_EQ(s.Bytes(), expected);

  auto& f = Add(u"other", 1);
  s.SetPosition(0);
  ASSERT_TRUE(f.ReadPrivateFromStream(list.get(), s, Info(21, true)));
  EXPECT_EQ(PrivateDetailsToImage(f.PrivateDetails()), PrivateDetailsToImage(e.PrivateDetails()));
  EXPECT_EQ(f.GetCategory(3).s, u"NV");
  EXPECT_EQ(f.GetCategory(3).background_colour, 0x123456);
  EXPECT_EQ(f.privateobj->ExtraFontList->GetAFontFrec(0).switch_off_at_char, 5);
  EXPECT_EQ(list->MarcacoesExistentes, 1);
  EXPECT_EQ(s.Remaining(), 0);
  // Reading again replaces the record rather than adding to it.
  s.SetPosition(0);
  ASSERT_TRUE(f.ReadPrivateFromStream(list.get(), s, Info(21, true)));
  EXPECT_EQ(list->MarcacoesExistentes, 1);
  EXPECT_EQ(f.privateobj->ExtraFontList->Count(), 1);

  // Every truncation reads as a failure, never as success.
  for (std::size_t n = 0; n < expected.size(); ++n) {
    auto cut = StreamOf(Bytes(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(n)));
    TWordEntry g(list.get(), &holder);
    EXPECT_FALSE(g.ReadPrivateFromStream(list.get(), cut, Info(21, true))) << n;
  }
}

TEST_F(EntryFixture, DeletedFlagTravelsOnlyWhenTheListCanSaveIt) {
  auto& e = Add(u"word", 3);
  e.EnsurePrivateObjExists();
  e.privateobj->fdetails.deleted = 1;
  TMemoryStream s;
  ASSERT_TRUE(e.SavePrivateToStream(list.get(), s, Info(21, false)));
  EXPECT_EQ(s.GetSize(), 8 + 2 + 4 + 28 + 4);
  s.SetPosition(0);
  TWordEntry f(list.get(), &holder);
  ASSERT_TRUE(f.ReadPrivateFromStream(list.get(), s, Info(21, false)));
  EXPECT_FALSE(f.IsDeleted());
}

TEST_F(EntryFixture, ReadsOldRecordsWithASingleCharacterCategory) {
  Bytes b;
  AppendInt(b, 0);         // no spans; lists before version 20 store no span version word
  Append(b, {1, 'K', 0});  // deleted, then the category character as the marker
  Append(b, {1});          // matched
  auto s = StreamOf(b);
  TWordEntry e(list.get(), &holder);
  ASSERT_TRUE(e.ReadPrivateFromStream(list.get(), s, Info(5, true)));
  EXPECT_TRUE(e.IsDeleted());
  EXPECT_TRUE(e.IsMatched());
  EXPECT_EQ(e.PrivateDetails().version, 0);
  EXPECT_EQ(e.GetCategory(4).s, u"K");
  EXPECT_EQ(e.GetCategory(4).true_column_number, 4);
  EXPECT_EQ(s.Remaining(), 0);
}

TEST_F(EntryFixture, ReadsVersionTwoThreeAndOneRecords) {
  {  // version 2: the 8-byte flags, then a category text
    Bytes b;
    AppendInt(b, 0);
    AppendInt(b, 3);
    Append(b, {0xFE, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 1, 0, 3});
    AppendInt(b, 1);
    Append(b, {'A', 0});
    auto s = StreamOf(b);
    TWordEntry e(list.get(), &holder);
    list->MarcacoesExistentes = 0;
    ASSERT_TRUE(e.ReadPrivateFromStream(list.get(), s, Info(21, false)));
    EXPECT_TRUE(e.JoinedElsewhere() && e.IsMatched() && !e.IsDeleted());
    EXPECT_EQ(e.PrivateDetails().marcacao, 3);
    EXPECT_EQ(list->MarcacoesExistentes, 1);
    EXPECT_EQ(e.GetCategory(4).s, u"A");
    EXPECT_EQ(s.Remaining(), 0);
  }
  {  // version 3: the 28-byte record carries the old category colour
    Bytes b;
    AppendInt(b, 0);
    AppendInt(b, 3);
    Append(b, {0xFE, 0, 3, 0, 0, 0});
    Bytes rec(28, 0);
    rec[0] = 3;
    rec[8] = 0xFF;
    b.insert(b.end(), rec.begin(), rec.end());
    AppendInt(b, 3);
    Append(b, {'C', 0, 'a', 0, 't', 0});
    auto s = StreamOf(b);
    TWordEntry e(list.get(), &holder);
    ASSERT_TRUE(e.ReadPrivateFromStream(list.get(), s, Info(21, false)));
    EXPECT_EQ(e.GetCategory(4).s, u"Cat");
    EXPECT_EQ(e.GetCategory(4).background_colour, 0xFF);
    EXPECT_EQ(s.Remaining(), 0);
  }
  {  // version 1: one joined byte, a text, and the trailing matched byte
    Bytes b;
    AppendInt(b, 0);
    AppendInt(b, 3);
    Append(b, {0xFE, 0, 1, 0, 0, 0, 1});
    AppendInt(b, 0);
    Append(b, {1});
    auto s = StreamOf(b);
    TWordEntry e(list.get(), &holder);
    ASSERT_TRUE(e.ReadPrivateFromStream(list.get(), s, Info(21, false)));
    EXPECT_TRUE(e.JoinedElsewhere());
    EXPECT_TRUE(e.IsMatched());
    EXPECT_EQ(e.privateobj->annotations->Count(), 0);
    EXPECT_EQ(s.Remaining(), 0);
  }
  {  // a category text longer than the stream is refused
    Bytes b;
    AppendInt(b, 0);
    AppendInt(b, 3);
    Append(b, {0xFE, 0, 3, 0, 0, 0});
    b.insert(b.end(), 28, 0);
    AppendInt(b, 0x7FFFFFFF);
    auto s = StreamOf(b);
    TWordEntry e(list.get(), &holder);
    EXPECT_FALSE(e.ReadPrivateFromStream(list.get(), s, Info(21, false)));
  }
}

TEST_F(EntryFixture, JoinsStayFlat) {
  auto& head = Add(u"go", 10);
  auto& went = Add(u"went", 5);
  std::vector<TWordEntry*> under;
  for (int i = 0; i < 3; ++i) under.push_back(&Add(u"gone" + IntToStr(i), i + 1));
  for (auto* u : under) went.JoinFrom(u);
  ASSERT_EQ(went.JoinCount(), 3);
  head.JoinFrom(&went);
  ASSERT_EQ(head.JoinCount(), 4);
  EXPECT_EQ(head.OwnJoinlist()->Entry(0), &went);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(head.OwnJoinlist()->Entry(i + 1), under[static_cast<std::size_t>(i)]);
  EXPECT_EQ(went.JoinCount(), 0);
  EXPECT_TRUE(went.JoinedElsewhere());
  EXPECT_FALSE(head.JoinedElsewhere());
  head.JoinFrom(&head);  // joining an entry to itself does nothing
  EXPECT_EQ(head.JoinCount(), 4);

  auto top = head.OwnJoinlist()->AsArrayOfIntegers(0, 3);
  EXPECT_EQ(top, (std::vector<int32_t>{5, 3, 2}));
  EXPECT_EQ(head.OwnJoinlist()->AsArrayOfIntegers(10, 0), (std::vector<int32_t>{10, 5, 1, 2, 3}));
  TJoinlist two;
  two.Add(under[0]);
  two.Add(under[1]);
  EXPECT_EQ(two.AsArrayOfIntegers(0, 3), (std::vector<int32_t>{1, 2, 0}));
  // Turning the join round: the new head lists the old one and its other entries, never itself.
  under[0]->JoinFrom(&head);
  EXPECT_EQ(under[0]->JoinCount(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_NE(under[0]->OwnJoinlist()->Entry(i), under[0]);
  EXPECT_EQ(head.JoinCount(), 0);
  head.JoinFrom(under[0]);

  auto datum = went.JoinedWordDatum();
  EXPECT_EQ(datum.word_details[dgso_main], u"went");
  EXPECT_EQ(datum.freq, 5);
  EXPECT_EQ(head.MainWordPlusPrefixAndSuffix(), u"go");
}

TEST_F(EntryFixture, JoinsCreatedWhileLoadingBelongToTheirHead) {
  auto& head = Add(u"be", 10);
  head.EnsurePrivateObjExists();
  for (int i = 0; i < 2; ++i) head.AddPrivateJoinInstance(new TWordEntry(list.get(), &holder));
  EXPECT_TRUE(head.PrivateDetails().join_created_in_load);
  // Moving them under another head moves their ownership too; nothing is freed twice or lost (ASan).
  auto& lemma = Add(u"BE", 1);
  lemma.JoinFrom(&head);
  EXPECT_EQ(lemma.JoinCount(), 3);
  EXPECT_TRUE(lemma.PrivateDetails().join_created_in_load);
  EXPECT_FALSE(head.PrivateDetails().join_created_in_load);
  lemma.privateobj->ClearJoinList();
  EXPECT_EQ(lemma.JoinCount(), 0);
  EXPECT_FALSE(lemma.PrivateDetails().join_created_in_load);
  // And a head destroyed with loaded joins frees them.
  auto* other = new TWordEntry(list.get(), &holder);
  other->EnsurePrivateObjExists();
  other->AddPrivateJoinInstance(new TWordEntry(list.get(), &holder));
  delete other;
  TWordEntry bare(list.get(), &holder);
  EXPECT_THROW(bare.AddPrivateJoinInstance(&head), EAssertionFailed);
}

TEST_F(EntryFixture, CategoriesPerColumn) {
  auto& e = Add(u"word", 1);
  e.SetCategoryString(u"noun", 2);
  e.SetCategoryColour(0xAA, 2);
  e.SetCategoryColour(0xBB, 5);  // a colour alone makes an item with empty text
  EXPECT_EQ(e.GetCategory(2).s, u"noun");
  EXPECT_EQ(e.GetCategory(2).background_colour, 0xAA);
  EXPECT_EQ(e.GetCategory(5).s, u"");
  e.SetCategory(TStringTrueColumnAndColourRec{2, 0, u"verb"});
  EXPECT_EQ(e.privateobj->annotations->Count(), 2);
  EXPECT_EQ(e.GetCategory(2).s, u"verb");
  EXPECT_EQ(e.GetCategory(2).background_colour,
            kStyleBaseBackgroundColour);  // zero colour shown as the style's
  e.ClearCategoryColour(5);
  EXPECT_EQ(e.privateobj->annotations->GetABackgroundColour(1), 0);
  e.SetCategoryColour(0xCC, 2);
  e.SetCategoryColour(0xDD, 5);
  e.ClearCategoryColour(-1);
  EXPECT_EQ(e.privateobj->annotations->GetABackgroundColour(0), 0);
  EXPECT_EQ(e.privateobj->annotations->GetABackgroundColour(1), 0);
  auto none = e.GetCategory(9);
  EXPECT_EQ(none.true_column_number, 0);
  EXPECT_EQ(none.s, u"");
}

TEST_F(EntryFixture, BufferConversions) {
  TLXBaseHolder ansi(0x0419, false);  // Russian: code page 1251
  EXPECT_EQ(ansi.GetCodepage(), 1251u);
  TWordEntry e(nullptr, &ansi);
  e.SetWord(u"\u0441\u043B\u043E\u0432\u043E");
  EXPECT_EQ(TLXBaseListObject::DataPointerToString(e.data.w, 1251, false), u"\u0441\u043B\u043E\u0432\u043E");
  WideChar* wide = e.BaseConvertedToUnicode(1251, e.data.w);
  e.data.w = nullptr;
  EXPECT_EQ(UnicodeString(wide), u"\u0441\u043B\u043E\u0432\u043E");
  LXTextFunctions(true).Delete(wide);
  WideChar* empty = e.BaseConvertedToUnicode(1251, nullptr);
  EXPECT_EQ(UnicodeString(empty), u"");
  LXTextFunctions(true).Delete(empty);
  EXPECT_EQ(TLXBaseListObject::DataPointerToString(nullptr, 1251, true), u"");
}

TEST_F(EntryFixture, JoinsKeepTheirOrderWhenLoadedAndRunTimeJoinsMix) {
  auto& head = Add(u"be", 10);
  auto& is = Add(u"is", 4);
  head.EnsurePrivateObjExists();
  auto* loaded1 = new TWordEntry(list.get(), &holder);
  auto* loaded2 = new TWordEntry(list.get(), &holder);
  head.AddPrivateJoinInstance(loaded1);
  head.JoinFrom(&is);
  head.AddPrivateJoinInstance(loaded2);
  auto& lemma = Add(u"BE", 1);
  lemma.JoinFrom(&head);
  ASSERT_EQ(lemma.JoinCount(), 4);
  const std::vector<TLXBaseListObject*> expected = {&head, loaded1, &is, loaded2};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(lemma.OwnJoinlist()->Entry(i), expected[static_cast<std::size_t>(i)]);
  EXPECT_TRUE(lemma.privateobj->OwnsLoadedJoin(loaded1));
  EXPECT_TRUE(lemma.privateobj->OwnsLoadedJoin(loaded2));
  EXPECT_FALSE(head.privateobj->OwnsLoadedJoin(loaded1));
}

TEST_F(EntryFixture, RecordsOfListsBeforeVersionTwentyReadBackAsWritten) {
  TExtraFontRec span;
  span.switch_on_at_char = 2;
  span.switch_off_at_char = 5;
  span.colour_rec.colours = {0x112233, 0x445566, 0x778899, 0x0A0B0C};
  span.default_typeface = {tf_bold};
  span.highlight_typeface = {tf_bold};
  for (int32_t version : {0, 19, 20, 21}) {
    auto& e = Add(u"word", 1);
    e.EnsurePrivateObjExists();
    e.privateobj->ExtraFontList->AddOne(span);
    list->SetMarcacao(list->Count() - 1, 2);
    e.SetCategoryString(u"n", 4);
    TMemoryStream s;
    ASSERT_TRUE(e.SavePrivateToStream(list.get(), s, Info(version, false)));
    s.SetPosition(0);
    TWordEntry back(list.get(), &holder);
    ASSERT_TRUE(back.ReadPrivateFromStream(list.get(), s, Info(version, false))) << version;
    EXPECT_EQ(s.Remaining(), 0) << version;
    ASSERT_EQ(back.privateobj->ExtraFontList->Count(), 1) << version;
    const TExtraFontRec got = back.privateobj->ExtraFontList->GetAFontFrec(0);
    EXPECT_EQ(got.switch_on_at_char, 2) << version;
    EXPECT_EQ(got.switch_off_at_char, 5) << version;
    EXPECT_EQ(got.colour_rec.colours, span.colour_rec.colours) << version;
    EXPECT_EQ(got.default_typeface, Ttypeface_Set{tf_bold}) << version;
    EXPECT_EQ(got.highlight_typeface, Ttypeface_Set{tf_bold}) << version;
    EXPECT_EQ(back.PrivateDetails().marcacao, 2) << version;
    EXPECT_EQ(back.GetCategory(4).s, u"n") << version;
  }
}
