#include <gtest/gtest.h>

#include <string>

#include "lexlists/services/lexlists_library.h"
#include "lexcore/rtl/lx_version.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LexlistsLibraryIdentity()), std::string("lexlists ") + lx::LexmillVersion());
}
