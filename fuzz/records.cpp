// Stored records of the definitions: the list-file signature block and the file recognisers, language
// details, section starts, extra fonts, streamable string lists, the fixed record images and the settings and
// file records that earlier versions stored in other forms. The first byte picks the reader.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "lexcore/definitions/Wdef.h"
#include "lexcore/definitions/extra_font_list.h"
#include "lexcore/definitions/lang_details.h"
#include "lexcore/definitions/old_record_conversion.h"
#include "lexcore/definitions/search_requirements.h"
#include "lexcore/definitions/section_starts.h"
#include "lexcore/definitions/shared_records.h"
#include "lexcore/definitions/streamable_stringlist.h"
#include "lexcore/files/chosen_file_rec.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"

using namespace lx;

namespace {

const UnicodeString& FileName() {
  static const UnicodeString name = UTF8ToUTF16(fuzz::ScratchPath("records"));
  return name;
}

bool WriteFile(std::string_view bytes) {
  std::FILE* f = std::fopen(UTF16ToUTF8(FileName()).c_str(), "wb");
  if (!f) return false;
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t kind = in.Byte();
  const uint8_t arg = in.Byte();
  const std::string_view body = in.Rest();
  TMemoryStream stream;
  fuzz::FillStream(stream, body);
  try {
    switch (kind % 7) {
      case 0: {  // the signature block as a reader checks it, and the recognisers on a file
        TCheckSignature header;
        DiskSignatureISOKForToolAndList(header, static_cast<tool_type>(arg % 16),
                                        static_cast<TLexmillList>(arg >> 4), stream, reading);
        DiskFileType(header);
        if (!WriteFile(body)) return 0;
        TLXStored_File_rec rec;
        rec.filename = FileName();
        IsAnOldLexmillFile(rec);
        IsALexmill32BitFile(rec);
        WasALexmill32BitFile(rec);
        WhichToolsLexmill32BitFile(rec);
        IsABatchZipFileForListType(rec);
        break;
      }
      case 1: {
        Tfixed_lang_details32 lang;
        if (ReadLangDetails(stream, lang)) {
          TMemoryStream out;
          WriteLangDetails(out, lang);
        }
        break;
      }
      case 2: {
        TSectionStartsList list;
        if (list.ReadFromStream(stream)) {
          list.SortOnPositions();
          list.SectionFromBytePosition(0, static_cast<int32_t>(body.size()));
          TMemoryStream out;
          list.SaveToStream(out);
        }
        if (WriteFile(body)) TSectionStartsList().ReadFromFile(FileName());
        break;
      }
      case 3: {
        TExtraFontList fonts;
        if (fonts.XReadFromStream(stream, arg)) {
          TMemoryStream out;
          fonts.XSaveToStream(out, arg);
        }
        break;
      }
      case 4: {
        TMyStreamableStringlist list;
        if (list.ReadFromStream(stream)) {
          TMemoryStream out;
          list.SaveToStream(out);
        }
        break;
      }
      case 6: {  // records of either form; arg picks the record and, for settings, the file's version
        const int32_t version = arg >> 3;
        switch (arg & 7) {
          case 0: {
            TTextsett_rec32 settings;
            if (ReadInTextSettings(stream, settings, version)) TextSettingsToImage(settings);
            break;
          }
          case 1: {
            TConcSettingsRec32 settings;
            if (ReadInConcSettRec(stream, settings, version)) ConcSettingsToImage(settings);
            break;
          }
          case 2: {
            TChosenFile_BaseRec rec;
            if (TChosenFileRecFromStream(stream, rec)) ChosenFileToImage(rec);
            break;
          }
          case 3: {
            TRelation_settings32 settings;
            if (TMutual_info_settings32FromStream(stream, settings))
              OldRelationSettingsToImage(TMutual_info_settingsOldFrom32(settings));
            break;
          }
          case 4: {
            std::array<uint8_t, TMutualInfo_recOld::kStoredSize> old{};
            std::memcpy(old.data(), body.data(), std::min(body.size(), old.size()));
            MutualInfoToImage(TMutual_info_Rec32FromOld(MutualInfoOldFromImage(old)));
            break;
          }
          default: {
            std::array<uint8_t, Tone_text_stats_rec_old::kStoredSize> old{};
            std::memcpy(old.data(), body.data(), std::min(body.size(), old.size()));
            OneTextStatsToImage(OneTextStatsRecFromOld(OldOneTextStatsFromImage(old)));
            break;
          }
        }
        break;
      }
      default: {  // the fixed-size record images, from whatever bytes there are
        ExtraFontRecFromImage(reinterpret_cast<const uint8_t*>(body.data()), body.size());
        TSearchRequirementImage requirement{};
        std::memcpy(requirement.data(), body.data(), std::min(body.size(), requirement.size()));
        TSearchRequirementRec req;
        SearchRequirementFromImage(requirement, req);
        TGridHead32FixedImage head{};
        std::memcpy(head.data(), body.data(), std::min(body.size(), head.size()));
        TGrid_head32 grid;
        GridHeadFixedFromImage(head, grid);
        break;
      }
    }
  } catch (const Exception&) {
  }
  return 0;
}
