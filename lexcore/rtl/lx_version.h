// Version of the runtime, shared by all seven libraries.
#pragma once

namespace lx {

// "major.minor.patch" of the libraries this process loaded.
const char* LexmillVersion();

}  // namespace lx
