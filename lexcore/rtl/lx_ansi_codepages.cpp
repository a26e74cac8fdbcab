// Installs the code-page converters behind the ANSI hooks when the library loads. This unit links after
// lx_ansi.cpp (sources are taken in name order), so the hooks' own initialisation cannot reset them.
#include "lexcore/platform/win_codepages.h"

namespace lx {
namespace {

struct AnsiHooksInstaller {
  AnsiHooksInstaller() { InstallCodePageAnsiHooks(); }
};

const AnsiHooksInstaller gInstaller;

}  // namespace
}  // namespace lx
