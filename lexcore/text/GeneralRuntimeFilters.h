// File kinds offered in file dialogs: a description and a ";"-separated mask list each.
#pragma once

#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TFileTypesRec {
  UnicodeString Description;
  UnicodeString Masks;
};

extern const TFileTypesRec TXT_FileTypes;
extern const TFileTypesRec All_FileTypes;
extern const TFileTypesRec Batch_Filetypes;
extern const TFileTypesRec RTF_Filetypes;
extern const TFileTypesRec XML_Filetypes;
extern const TFileTypesRec WebText_Filetypes;

// The kinds above, in that order.
const std::vector<TFileTypesRec>& GeneralFileTypes();

// The data a tool saves: "<tool name> data" with the tool's default extension (for example "Concordancer
// data",
// "*.cnc"); empty for a slot with no tool.
TFileTypesRec ToolFileTypes(uint8_t tool);
// One record for each tool that has a name, in tool order.
const std::vector<TFileTypesRec>& AllToolFileTypes();

}  // namespace lx
