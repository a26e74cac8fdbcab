#include "lexcore/definitions/section_starts.h"

#include <algorithm>
#include <cstdio>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_atomicsave.h"

namespace lx {

bool TSectionStartHolder::ReadFromStream(TStream& Stream) {
  TSectionTagRec r;
  try {
    if (!ReadLE(Stream, r.start_byte_position)) return false;
    r.w = ReadAString(Stream);
  } catch (const Exception&) {
    return false;
  }
  fdata = std::move(r);
  return true;
}

bool TSectionStartHolder::SaveToStream(TStream& Stream) {
  try {
    WriteLE(Stream, fdata.start_byte_position);
  } catch (const Exception&) {
    return false;
  }
  return WriteAString(Stream, fdata.w);
}

int SortSectionTags(const TSectionStartHolder* a, const TSectionStartHolder* b) {
  return CompareLongints(a->fdata.start_byte_position, b->fdata.start_byte_position);
}

TSectionStartsList::TSectionStartsList() : TUsefulBaseList(ItemClassOf<TSectionStartHolder>()) {}

int32_t TSectionStartsList::AddSection(int32_t start_byte_position, const UnicodeString& w) {
  return Add(new TSectionStartHolder(TSectionTagRec{start_byte_position, w}));
}

TSectionTagRec TSectionStartsList::GetASection(int32_t index) const {
  if (index >= 0 && index < Count()) {
    if (const auto* h = static_cast<const TSectionStartHolder*>(fList[static_cast<std::size_t>(index)]))
      return h->fdata;
  }
  return TSectionTagRec{-1, {}};
}

void TSectionStartsList::SortOnPositions() {
  Pack();
  std::stable_sort(fList.begin(), fList.end(), [](TUsefulBaseListObject* a, TUsefulBaseListObject* b) {
    return SortSectionTags(static_cast<TSectionStartHolder*>(a), static_cast<TSectionStartHolder*>(b)) < 0;
  });
}

bool TSectionStartsList::SaveToFile(const UnicodeString& name) {
  try {
    TMemoryStream m;
    TCheckSignature header;
    if (!DiskSignatureISOKForToolAndList(header, current_tool_var, lt_sections_list, m, writing))
      return false;
    if (!SaveToStream(m)) return false;
    SaveFileDurably(name, m.Memory(), static_cast<std::size_t>(m.GetSize()));
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool TSectionStartsList::ReadFromFile(const UnicodeString& name) {
  try {
    TFileStream f(name, fmOpenRead | fmShareDenyNone);
    TCheckSignature header;
    if (!DiskSignatureISOKForToolAndList(header, current_tool_var, lt_sections_list, f, reading))
      return false;
    return ReadFromStream(f);
  } catch (const Exception&) {
    return false;
  }
}

TSectionStartInfo TSectionStartsList::SectionFromBytePosition(int32_t from, int32_t pos) const {
  TSectionStartInfo info;
  for (int32_t i = from < 0 ? 0 : from; i < Count(); ++i) {
    const auto* h = static_cast<const TSectionStartHolder*>(fList[static_cast<std::size_t>(i)]);
    if (!h) continue;
    if (h->fdata.start_byte_position > pos) break;
    info = {h->fdata.w, i};
  }
  return info;
}

}  // namespace lx
