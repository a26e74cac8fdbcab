#include "lexlists/engine/list_files.h"

#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

[[noreturn]] void Damaged(const UnicodeString& detail) {
  throw EListFileError(u"The list file is damaged " + detail);
}

UnicodeString At(int64_t offset, const UnicodeString& expected) {
  return u"at offset " + IntToStr(offset) + u": expected " + expected;
}

}  // namespace

void SaveListToStream(TLXBaseDataClass& list, tool_type tool, TStream& stream) {
  TCheckSignature header;
  if (!DiskSignatureISOKForToolAndList(header, tool, list.fList_type, stream, writing))
    throw EWriteError(u"the list's signature block could not be written");
  list.SaveToStream(stream);
  int32_t written = 0, left_out = 0;
  list.SaveEntriesToStream(stream, written, left_out);
  TStoredListInfo& info = list.StoredListInfo->fdata;
  if (written != info.entries || left_out != info.not_for_saving_entries) {
    info.entries = written;
    info.not_for_saving_entries = left_out;
    list.StoredListInfo->ResaveEntries(stream);
  }
}

void SaveListFile(TLXBaseDataClass& list, tool_type tool, const UnicodeString& fileName) {
  SaveFileDurably(fileName, [&](TStream& stream) { SaveListToStream(list, tool, stream); });
}

void ReadListFromStream(TLXBaseDataClass& list, tool_type tool, TStream& stream) {
  const int64_t start = stream.GetPosition();
  TCheckSignature header;
  if (!DiskSignatureISOKForToolAndList(header, tool, list.fList_type, stream, reading))
    Damaged(At(start, u"the signature block of a " + ListSignature(list.fList_type)));
  if (!list.ReadFromStream(stream)) Damaged(list.LastStreamError);
  // Whatever follows the last entry belongs to the tool that wrote it.
  if (!list.ReadEntriesFromStream(stream, list.StoredListInfo->fdata.entries)) Damaged(list.LastStreamError);
}

void ReadListFile(TLXBaseDataClass& list, tool_type tool, const UnicodeString& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  ReadListFromStream(list, tool, stream);
}

}  // namespace lx
