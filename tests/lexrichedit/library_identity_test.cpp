#include <gtest/gtest.h>

#include <string>

#include "lexrichedit/lexrichedit_library.h"
#include "lexcore/rtl/lx_version.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LexricheditLibraryIdentity()), std::string("lexrichedit ") + lx::LexmillVersion());
}
