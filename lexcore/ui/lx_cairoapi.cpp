#include "lexcore/ui/lx_cairoapi.h"

#include <dlfcn.h>

#include <mutex>

namespace lx {

namespace {

// The libraries' stable names: Pango's Cairo binding needs Cairo, Pango, GObject and GLib, so a symbol of any
// of them is found through it; Cairo is opened by name too, for the PDF and SVG surfaces.
constexpr const char* kLibraries[] = {"libcairo.so.2", "libpangocairo-1.0.so.0"};

struct TLoaded {
  TCairoApi api;
  std::string failure;
  bool ok = false;
};

TLoaded Load() {
  TLoaded loaded;
  void* handles[std::size(kLibraries)] = {};
  for (std::size_t i = 0; i < std::size(kLibraries); ++i) {
    handles[i] = dlopen(kLibraries[i], RTLD_NOW | RTLD_LOCAL);
    if (handles[i] == nullptr) {
      const char* why = dlerror();
      loaded.failure = std::string("cannot open ") + kLibraries[i] + ": " + (why ? why : "not found");
      return loaded;
    }
  }
  // Never closed: fonts and surfaces made through them live as long as the program may draw.
  auto find = [&](const char* name) -> void* {
    for (void* h : handles)
      if (void* f = dlsym(h, name)) return f;
    if (loaded.failure.empty()) loaded.failure = std::string("the drawing libraries lack ") + name;
    return nullptr;
  };
#define LX_CAIRO_FIND(name) loaded.api.name = reinterpret_cast<decltype(&::name)>(find(#name));
  LX_CAIRO_FUNCTIONS(LX_CAIRO_FIND)
#undef LX_CAIRO_FIND
  loaded.ok = loaded.failure.empty();
  return loaded;
}

}  // namespace

const TCairoApi* CairoApi(std::string* failure) {
  static const TLoaded loaded = Load();
  if (!loaded.ok && failure != nullptr) *failure = loaded.failure;
  return loaded.ok ? &loaded.api : nullptr;
}

}  // namespace lx
