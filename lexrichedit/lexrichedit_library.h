// Identity of the lexrichedit library: lets a tool check at start-up which build it loaded.
#pragma once

namespace lx {

// The library's name and the runtime version it was built with, for example "lexrichedit 0.1.0".
const char* LexricheditLibraryIdentity();

}  // namespace lx
