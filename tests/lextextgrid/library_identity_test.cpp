#include <gtest/gtest.h>

#include <string>

#include "lexcore/rtl/lx_version.h"
#include "lextextgrid/lextextgrid_library.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LextextgridLibraryIdentity()),
            std::string("lextextgrid ") + lx::LexmillVersion());
}
