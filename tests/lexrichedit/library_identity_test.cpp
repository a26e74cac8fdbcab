#include <gtest/gtest.h>

#include <string>

#include "lexcore/rtl/lx_version.h"
#include "lexrichedit/lexrichedit_library.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LexricheditLibraryIdentity()),
            std::string("lexrichedit ") + lx::LexmillVersion());
}
