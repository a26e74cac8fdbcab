#include <gtest/gtest.h>

#include <string>

#include "lexcore/rtl/lx_version.h"
#include "lexfiletools/lexfiletools_library.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LexfiletoolsLibraryIdentity()),
            std::string("lexfiletools ") + lx::LexmillVersion());
}
