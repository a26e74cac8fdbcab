// The one way a file is replaced: written beside the old one under a unique name, flushed to the disk,
// renamed over it and the folder flushed, so a crash or a failed write leaves either the whole old file or
// the whole new one, and two saves running at once never share a temporary.
#pragma once

#include <cstddef>
#include <functional>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// Calls `write` with a stream on a fresh temporary in fileName's folder, then puts it in fileName's place. A
// new file gets the permissions the process's umask allows; a replaced file keeps its own; a symbolic link is
// followed and its target replaced. A device, pipe or socket is written to, not replaced: the finished
// temporary is copied into it. On any failure the temporary is removed, the old file is untouched and
// the error propagates: the writer's own exception, or EFCreateError / EWriteError naming fileName with the
// system's reason.
void SaveFileDurably(const UnicodeString& fileName, const std::function<void(TStream&)>& write);

// The same for bytes already in memory.
void SaveFileDurably(const UnicodeString& fileName, const void* data, std::size_t size);

}  // namespace lx
