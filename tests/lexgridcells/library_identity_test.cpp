#include <gtest/gtest.h>

#include <string>

#include "lexcore/rtl/lx_version.h"
#include "lexgridcells/lexgridcells_library.h"

TEST(LibraryIdentity, NamesLibraryAndRuntimeVersion) {
  EXPECT_EQ(std::string(lx::LexgridcellsLibraryIdentity()),
            std::string("lexgridcells ") + lx::LexmillVersion());
}
