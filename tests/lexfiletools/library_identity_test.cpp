#include <gtest/gtest.h>

#include <string>

#include "lexfiletools/lexfiletools_library.h"
#include "lexcore/rtl/lx_version.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LexfiletoolsLibraryIdentity()), std::string("lexfiletools ") + lx::LexmillVersion());
}
