#include "lexcore/files/DLL_utils.h"

#include <dlfcn.h>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

Tlibrary_rec FindLibraryFunction(const UnicodeString& library, const UnicodeString& function) {
  Tlibrary_rec rec;
  if (library.empty() || function.empty()) return rec;
  void* handle = ::dlopen(UTF16ToUTF8(library).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return rec;
  void* address = ::dlsym(handle, UTF16ToUTF8(function).c_str());
  if (!address) {
    ::dlclose(handle);
    return rec;
  }
  rec.func_address = address;
  rec.lib_handle = handle;
  return rec;
}

bool CloseLibraryFunction(Tlibrary_rec& rec) {
  const bool ok = rec.lib_handle && ::dlclose(rec.lib_handle) == 0;
  rec = Tlibrary_rec{};
  return ok;
}

}  // namespace lx
