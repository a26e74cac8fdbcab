// The suite's settings file: an ini file in UTF-16 with a byte-order mark, a warning header at the top, a
// backup copy before every save, and the suite's forms for booleans, colours and lists of strings.
#pragma once

#include "lexcore/rtl/lx_inifiles.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

extern const UnicodeString ident_YES;  // "YES"
extern const UnicodeString ident_NO;   // "NO"
// When set, string lists keep a ticked mark per item ("[c<n>]" keys instead of "[v<n>]").
extern bool MEMINI_include_checklistbox_checkeds;
// The header lines, in file order.
extern const UnicodeString MEMINI_header_lines[4];

class TMyMemIniFile : public TMemIniFile {
 public:
  explicit TMyMemIniFile(const UnicodeString& AFilename);

  // True only when the stored text starts with "Y" (default true) / not with "N" (default false).
  bool ReadBool(const UnicodeString& Section, const UnicodeString& Ident, bool Default) const;
  void WriteBool(const UnicodeString& Section, const UnicodeString& Ident, bool Value);
  // "r.g.b" in decimal, or a colour name or number (a leading "#" dropped).
  TColor ReadColor(const UnicodeString& Section, const UnicodeString& ValueName, TColor DefValue) const;
  void WriteColor(const UnicodeString& Section, const UnicodeString& ValueName, TColor Value);

  // Items as the values of a section; an item's non-null object counts as ticked.
  void ReadMultiString(const UnicodeString& section, TStrings& Strings) const;
  void WriteMultiString(const UnicodeString& section, const TStrings& Strings);
  void WriteMultiString(const UnicodeString& section, const TStrings& Strings, int maxToWrite);
  void WriteOneString(const UnicodeString& section, const UnicodeString& text, int index,
                      const TObject* object);

  // Copies the file to the same name with ".ini.Backup" as extension; whether it did.
  bool SaveABackup();
  // Header, backup, then the text in UTF-16 LE with its mark, replacing the file only when the whole text
  // is written.
  void UpdateFile() override;
  // The text UpdateFile writes.
  UnicodeString SavedText() const;
};

// A ticked mark for string-list items: any non-null object serves; this one is never freed.
TObject* TickedMark();

}  // namespace lx
