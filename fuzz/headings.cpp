// Column headings and the older records and date texts they lean on. The first byte picks the reader.
#include <string>

#include "fuzz_support.h"
#include "lexcore/definitions/old_record_conversion.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/settings/JulianDateRoutines.h"
#include "lexlists/headings/headingsU.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t kind = in.Byte();
  const uint8_t arg = in.Byte();
  const std::string_view body = in.Rest();
  TMemoryStream stream;
  fuzz::FillStream(stream, body);
  switch (kind % 5) {
    case 0: {  // a heading list as saved with a list; whatever is read must save again
      TGridHeaderList list(lt_word_list);
      if (list.ReadFromStream(stream)) {
        TMemoryStream again;
        list.SaveToStream(again);
      }
      if (list.Count() > 0) list.ColumnTotalData(list.Count() - 1);
      break;
    }
    case 1: {
      bool ok = false;
      ReadOldGridHeadings(stream, arg & 1, ok);
      break;
    }
    case 2: {
      Tfixed_lang_details32 lang;
      Readfixed_lang_details_rec(stream, lang, arg);
      break;
    }
    case 3: {
      TFileInfoExtraStatsRec rec;
      ExtraStatsRecFromStream(stream, rec);
      break;
    }
    default: {  // a typed date, and the same text against a pattern of the same length
      const UnicodeString text = UTF8ToUTF16(body);
      const double j = UserStrDateAndTimeParsed(text);
      JulianToStringRemovingConst(j, static_cast<TTimeLinePlotbase>(arg % 12), arg & 0x80);
      const UnicodeString pattern(text.size(), u"ymdhn-"[arg % 6]);
      DatefromUsersString(text, pattern);
      break;
    }
  }
  return 0;
}
