#include <gtest/gtest.h>

#include "lexcore/platform/win_masks.h"

namespace {

using lx::PathMatchSpecW;

TEST(Masks, WildcardsCaseAndLists) {
  EXPECT_TRUE(PathMatchSpecW(u"readme", u"*.*"));
  EXPECT_TRUE(PathMatchSpecW(u"a.b.c", u"*.*"));
  EXPECT_TRUE(PathMatchSpecW(u"anything", u"*"));
  EXPECT_TRUE(PathMatchSpecW(u"Notes.TXT", u"*.txt"));
  EXPECT_FALSE(PathMatchSpecW(u"notes.txt.bak", u"*.txt"));
  EXPECT_TRUE(PathMatchSpecW(u"\u00C9t\u00E9.txt", u"\u00E9T\u00C9.*"));
  EXPECT_TRUE(PathMatchSpecW(u"a1.txt", u"a?.txt"));
  EXPECT_FALSE(PathMatchSpecW(u"a12.txt", u"a?.txt"));
  EXPECT_FALSE(PathMatchSpecW(u"a.txt", u"a?.txt"));
  EXPECT_TRUE(PathMatchSpecW(u"page.htm", u"*.txt;*.htm"));
  EXPECT_TRUE(PathMatchSpecW(u"page.htm", u" *.txt ; *.htm "));
  EXPECT_FALSE(PathMatchSpecW(u"page.html", u"*.txt;*.htm"));
  EXPECT_TRUE(PathMatchSpecW(u"chapter", u"chapter.*"));
  EXPECT_TRUE(PathMatchSpecW(u"aXbXc", u"*b*c"));
  EXPECT_FALSE(PathMatchSpecW(u"x", u""));
  EXPECT_FALSE(PathMatchSpecW(u"x", u";;"));
  EXPECT_FALSE(PathMatchSpecW(nullptr, u"*"));
  EXPECT_FALSE(PathMatchSpecW(u"x", nullptr));
  // Many stars against a long name stay fast (no exponential backtracking).
  const std::u16string longName(5000, u'a');
  EXPECT_FALSE(PathMatchSpecW(longName.c_str(), u"*a*a*a*a*a*a*a*a*b"));
}

}  // namespace
