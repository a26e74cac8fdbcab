#include "lexcore/text/GeneralRuntimeFilters.h"

#include "lexcore/definitions/Wdef.h"

namespace lx {

const TFileTypesRec TXT_FileTypes{u"Plain text files", u"*.txt"};
const TFileTypesRec All_FileTypes{u"All files", u"*.*"};
const TFileTypesRec Batch_Filetypes{u"Batch files", u"*.zip"};
const TFileTypesRec RTF_Filetypes{u"Rich text files", u"*.rtf"};
const TFileTypesRec XML_Filetypes{u"XML files", u"*.xml"};
const TFileTypesRec WebText_Filetypes{u"Internet text files", u"*.htm;*.html;*.xml"};

const std::vector<TFileTypesRec>& GeneralFileTypes() {
  static const std::vector<TFileTypesRec> table{TXT_FileTypes, All_FileTypes, Batch_Filetypes,
                                                RTF_Filetypes, XML_Filetypes, WebText_Filetypes};
  return table;
}

TFileTypesRec ToolFileTypes(uint8_t tool) {
  const auto t = static_cast<tool_type>(tool);
  const UnicodeString name = ToolNameFromToolType(t);
  if (name.empty()) return {};
  return {name + u" data", u"*" + DefaultExtFromToolType(t)};
}

const std::vector<TFileTypesRec>& AllToolFileTypes() {
  static const std::vector<TFileTypesRec> table = [] {
    std::vector<TFileTypesRec> r;
    for (int tool = 0; tool < kToolCount; ++tool) {
      TFileTypesRec rec = ToolFileTypes(static_cast<uint8_t>(tool));
      if (!rec.Description.empty()) r.push_back(std::move(rec));
    }
    return r;
  }();
  return table;
}

}  // namespace lx
