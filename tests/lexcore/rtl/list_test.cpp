#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexcore/rtl/lx_list.h"
#include "lexcore/rtl/lx_strings.h"

using namespace lx;

namespace {

std::string ListErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EListError& e) {
    return UTF16ToUTF8(e.Message);
  }
  return "(no error)";
}

// Records every notice, as an owning descendant would act on them.
class TRecordingList : public TList {
 public:
  std::vector<std::pair<void*, TListNotification>> notices;
  ~TRecordingList() override { Clear(); }

 protected:
  void Notify(void* item, TListNotification action) override { notices.emplace_back(item, action); }
};

int slots[8];
void* P(int i) {
  return &slots[i];
}

}  // namespace

TEST(PointerList, GrowthSequence) {
  TList list;
  std::vector<int32_t> caps;
  for (int i = 0; i < 200; ++i) {
    list.Add(nullptr);
    if (caps.empty() || caps.back() != list.Capacity()) caps.push_back(list.Capacity());
  }
  EXPECT_EQ(caps, (std::vector<int32_t>{4, 8, 12, 28, 44, 60, 76, 95, 118, 147, 183, 228}));
  list.Clear();
  EXPECT_EQ(list.Capacity(), 0);
  EXPECT_EQ(list.Expand()->Capacity(), 4);
  list.SetCount(3);
  EXPECT_EQ(list.Expand()->Capacity(), 4);  // room left: no growth
}

TEST(PointerList, ErrorMessages) {
  TList list;
  EXPECT_EQ(ListErrorOf([&] { list.First(); }), "List index out of bounds (0)");
  EXPECT_EQ(ListErrorOf([&] { list.Last(); }), "List index out of bounds (-1)");
  list.Add(P(0));
  EXPECT_EQ(ListErrorOf([&] { list.Insert(2, nullptr); }), "List index out of bounds (2)");
  EXPECT_EQ(ListErrorOf([&] { list.Put(1, nullptr); }), "List index out of bounds (1)");
  EXPECT_EQ(ListErrorOf([&] { list.Move(0, 1); }), "List index out of bounds (1)");
  EXPECT_EQ(ListErrorOf([&] { list.SetCapacity(0); }), "List capacity out of bounds (0)");
  EXPECT_EQ(ListErrorOf([&] { list.SetCount(-1); }), "List count out of bounds (-1)");
  EXPECT_EQ(ListErrorOf([&] { list.SetCount(MaxListSize + 1); }), "List count out of bounds (134217728)");
  EXPECT_EQ(list.Count(), 1);
}

TEST(PointerList, EditingAndNotices) {
  TRecordingList list;
  for (int i = 0; i < 4; ++i) list.Add(P(i));
  list.Add(nullptr);  // no notice for null
  EXPECT_EQ(list.notices.size(), 4u);
  list.notices.clear();

  list.Move(0, 3);  // order 1 2 3 0 nil, without notices
  list.Exchange(0, 1);
  EXPECT_TRUE(list.notices.empty());
  EXPECT_EQ(list.First(), P(2));
  EXPECT_EQ(list[3], P(0));

  EXPECT_EQ(list.Extract(P(3)), P(3));
  EXPECT_EQ(list.Extract(P(3)), nullptr);
  EXPECT_EQ(list.Remove(P(1)), 1);
  EXPECT_EQ(list.Remove(P(1)), -1);
  list.Put(0, P(5));
  using N = std::vector<std::pair<void*, TListNotification>>;
  EXPECT_EQ(list.notices, (N{{P(3), lnExtracted}, {P(1), lnDeleted}, {P(2), lnDeleted}, {P(5), lnAdded}}));

  // 5 0 nil: pack keeps the order of what remains.
  list.Insert(1, nullptr);
  list.Pack();
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Last(), P(0));
  EXPECT_EQ(list.IndexOf(P(0)), 1);

  list.notices.clear();
  list.SetCount(1);  // shrinking deletes with notices
  EXPECT_EQ(list.notices, (N{{P(0), lnDeleted}}));
  list.SetCount(3);
  EXPECT_EQ(list[2], nullptr);
}

TEST(PointerList, SortIsStable) {
  struct Item {
    int key;
    int seq;
  };
  std::vector<Item> items;
  for (int i = 0; i < 100; ++i) items.push_back({(i * 37) % 7, i});
  TList list;
  for (auto& it : items) list.Add(&it);
  list.Sort([](void* a, void* b) { return static_cast<Item*>(a)->key - static_cast<Item*>(b)->key; });
  for (int i = 1; i < list.Count(); ++i) {
    const auto* prev = static_cast<Item*>(list[i - 1]);
    const auto* cur = static_cast<Item*>(list[i]);
    ASSERT_TRUE(prev->key < cur->key || (prev->key == cur->key && prev->seq < cur->seq)) << i;
  }
  // A raising comparison leaves the order untouched.
  void* before = list[0];
  EXPECT_THROW(list.Sort([](void*, void*) -> int { throw EListError(u"stop"); }), EListError);
  EXPECT_EQ(list[0], before);
}
