#include <gtest/gtest.h>

#include <string>

#include "lexcore/rtl/lx_version.h"
#include "lexstats/services/lexstats_library.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LexstatsLibraryIdentity()), std::string("lexstats ") + lx::LexmillVersion());
}
