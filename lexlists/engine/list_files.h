// Saved lists as files: the signature block of the tool and list kind, the list header, the entries, and the
// header's counts patched once the entries are written, so a list goes to disk in one pass.
#pragma once

#include <functional>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexlists/engine/work_LX_base.h"

namespace lx {

// A saved list that cannot be read; the message names the offset and what was expected there.
LX_DECLARE_EXCEPTION(EListFileError, EReadError)

// Writes the whole list at the stream's position (which must be seekable, for the patched counts). Write
// errors propagate.
void SaveListToStream(TLXBaseDataClass& list, tool_type tool, TStream& stream);
// Replaces fileName durably: a failed save leaves the old file as it was. tail, when given, writes what the
// tool keeps after the entries.
void SaveListFile(TLXBaseDataClass& list, tool_type tool, const UnicodeString& fileName,
                  const std::function<void(TStream&)>& tail = nullptr);

// Reads a list written by SaveListToStream into list (emptied first). Raises EListFileError for a wrong
// signature, a damaged header or a damaged entry; what was read stays in the list for the caller to discard.
// Bytes after the last entry are left unread.
void ReadListFromStream(TLXBaseDataClass& list, tool_type tool, TStream& stream);
// tail, when given, reads what the tool keeps after the entries.
void ReadListFile(TLXBaseDataClass& list, tool_type tool, const UnicodeString& fileName,
                  const std::function<void(TStream&)>& tail = nullptr);

}  // namespace lx
