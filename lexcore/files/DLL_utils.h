// Finding a function in a shared library loaded at run time.
#pragma once

#include "lexcore/rtl/lx_types.h"

namespace lx {

struct Tlibrary_rec {
  void* func_address = nullptr;
  void* lib_handle = nullptr;
};

// Loads the library by name and looks the function up; a zeroed record (null address) when either fails.
Tlibrary_rec FindLibraryFunction(const UnicodeString& library, const UnicodeString& function);
// Frees the library and zeroes the record; true when the platform freed it.
bool CloseLibraryFunction(Tlibrary_rec& rec);

}  // namespace lx
