// Ini files held in memory: sections in square brackets and key=value lines, read from a file whose
// encoding a byte-order mark announces (else UTF-8 when valid, else the ANSI code page), names matched
// without regard to case, written back only by UpdateFile.
#pragma once

#include <memory>
#include <vector>

#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

class TMemIniFile : public TObject {
 public:
  // A missing file gives an empty ini; an unreadable one raises the stream error.
  explicit TMemIniFile(const UnicodeString& fileName);
  ~TMemIniFile() override;

  const UnicodeString& FileName() const { return fFileName; }
  TEncoding Encoding() const { return fEncoding; }
  void SetEncoding(TEncoding e) { fEncoding = e; }

  bool SectionExists(const UnicodeString& section) const;
  bool ValueExists(const UnicodeString& section, const UnicodeString& ident) const;
  UnicodeString ReadString(const UnicodeString& section, const UnicodeString& ident,
                           const UnicodeString& def) const;
  void WriteString(const UnicodeString& section, const UnicodeString& ident, const UnicodeString& value);
  int32_t ReadInteger(const UnicodeString& section, const UnicodeString& ident, int32_t def) const;
  void WriteInteger(const UnicodeString& section, const UnicodeString& ident, int32_t value);
  // The section names, in file order.
  void ReadSections(TStrings& strings) const;
  // The keys of a section, in file order.
  void ReadSection(const UnicodeString& section, TStrings& strings) const;
  // The key=value lines of a section, in file order.
  void ReadSectionValues(const UnicodeString& section, TStrings& strings) const;
  void EraseSection(const UnicodeString& section);
  void DeleteKey(const UnicodeString& section, const UnicodeString& ident);
  void Clear();
  // The whole text: each section's "[name]" line, its key=value lines and an empty line.
  void GetStrings(TStrings& list) const;
  // Replaces everything by the sections of a text.
  void SetStrings(const TStrings& list);
  // Writes the text to the file in the chosen encoding (with its byte-order mark).
  virtual void UpdateFile();

 protected:
  // Bytes of the text in the chosen encoding, mark first.
  std::string EncodedText(const UnicodeString& text) const;

 private:
  struct TSection {
    UnicodeString name;
    std::vector<std::pair<UnicodeString, UnicodeString>> values;
  };
  TSection* Find(const UnicodeString& section) const;
  void LoadText(const UnicodeString& text);

  UnicodeString fFileName;
  TEncoding fEncoding = TEncoding::ANSI;
  std::vector<std::unique_ptr<TSection>> fSections;
};

}  // namespace lx
