#include <gtest/gtest.h>

#include <string>

#include "lexgridcells/lexgridcells_library.h"
#include "lexcore/rtl/lx_version.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LexgridcellsLibraryIdentity()), std::string("lexgridcells ") + lx::LexmillVersion());
}
