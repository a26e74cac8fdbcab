#include <gtest/gtest.h>

#include <string>

#include "lextextgrid/lextextgrid_library.h"
#include "lexcore/rtl/lx_version.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LextextgridLibraryIdentity()), std::string("lextextgrid ") + lx::LexmillVersion());
}
