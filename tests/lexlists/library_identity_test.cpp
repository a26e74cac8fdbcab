#include <gtest/gtest.h>

#include <string>

#include "lexcore/rtl/lx_version.h"
#include "lexlists/services/lexlists_library.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LexlistsLibraryIdentity()), std::string("lexlists ") + lx::LexmillVersion());
}
