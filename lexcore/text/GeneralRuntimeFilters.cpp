#include "lexcore/text/GeneralRuntimeFilters.h"

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

}  // namespace lx
