#include "lexcore/settings/IniFileBase.h"

#include <algorithm>

#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_colors.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

const UnicodeString ident_YES = u"YES";
const UnicodeString ident_NO = u"NO";
bool MEMINI_include_checklistbox_checkeds = false;
const UnicodeString MEMINI_header_lines[4] = {u"Automatically generated file. CAREFUL!!!",
                                              u"; Made by the Lexmill programs for their settings.",
                                              u"; Delete it if you want.", u"; Modify it at your own risk!"};

TObject* TickedMark() {
  static TObject mark;
  return &mark;
}

TMyMemIniFile::TMyMemIniFile(const UnicodeString& AFilename) : TMemIniFile(AFilename) {
  SetEncoding(TEncoding::Unicode);
}

bool TMyMemIniFile::ReadBool(const UnicodeString& Section, const UnicodeString& Ident, bool Default) const {
  if (Default) {
    const UnicodeString s = ReadString(Section, Ident, ident_YES);
    return !s.empty() && s[0] == u'Y';
  }
  const UnicodeString s = ReadString(Section, Ident, ident_NO);
  return s.empty() || s[0] != u'N';
}

void TMyMemIniFile::WriteBool(const UnicodeString& Section, const UnicodeString& Ident, bool Value) {
  WriteString(Section, Ident, Value ? ident_YES : ident_NO);
}

TColor TMyMemIniFile::ReadColor(const UnicodeString& Section, const UnicodeString& ValueName,
                                TColor DefValue) const {
  UnicodeString s = ReadString(Section, ValueName, ColorToString(DefValue));
  if (s.find(u'.') != UnicodeString::npos) {
    int32_t part[3] = {};
    std::size_t from = 0;
    for (int i = 0; i < 3; ++i) {
      std::size_t dot = s.find(u'.', from);
      if ((i < 2) != (dot != UnicodeString::npos)) return DefValue;
      if (dot == UnicodeString::npos) dot = s.size();
      if (!TryStrToInt(Trim(std::u16string_view(s).substr(from, dot - from)), part[i])) return DefValue;
      from = dot + 1;
    }
    return part[0] + part[1] * 256 + part[2] * 65536;
  }
  if (!s.empty() && s[0] == u'#') s.erase(0, 1);
  return StringToColor(s);
}

void TMyMemIniFile::WriteColor(const UnicodeString& Section, const UnicodeString& ValueName, TColor Value) {
  WriteString(Section, ValueName, ColorToString(Value));
}

void TMyMemIniFile::WriteOneString(const UnicodeString& section, const UnicodeString& text, int index,
                                   const TObject* object) {
  const bool ticked = MEMINI_include_checklistbox_checkeds && object;
  WriteString(section, (ticked ? u"[c" : u"[v") + IntToStr(index) + u"]", text);
}

void TMyMemIniFile::WriteMultiString(const UnicodeString& section, const TStrings& Strings, int maxToWrite) {
  EraseSection(section);
  const int n = std::min(maxToWrite, static_cast<int>(Strings.Count()));
  for (int i = 0; i < n; ++i) WriteOneString(section, Strings[i], i, Strings.Objects(i));
}

void TMyMemIniFile::WriteMultiString(const UnicodeString& section, const TStrings& Strings) {
  WriteMultiString(section, Strings, Strings.Count());
}

void TMyMemIniFile::ReadMultiString(const UnicodeString& section, TStrings& Strings) const {
  TStringList lines;
  ReadSectionValues(section, lines);
  if (lines.Count() > 0) {
    const UnicodeString last = lines[lines.Count() - 1];
    int32_t n = 0;
    if (last.rfind(u"i=", 0) == 0 && TryStrToInt(Trim(std::u16string_view(last).substr(2)), n))
      lines.Delete(lines.Count() - 1);
  }
  Strings.Clear();
  for (int i = 0; i < lines.Count(); ++i) {
    const UnicodeString line = lines[i];
    const std::size_t eq = line.find(u'=');
    if (eq == UnicodeString::npos) continue;
    const bool ticked =
        MEMINI_include_checklistbox_checkeds && line.substr(0, eq).find(u"[c") != UnicodeString::npos;
    Strings.AddObject(line.substr(eq + 1), ticked ? TickedMark() : nullptr);
  }
}

bool TMyMemIniFile::SaveABackup() {
  if (FileName().empty() || !FileExists(FileName())) return false;
  TMemoryStream m;
  m.LoadFromFile(FileName());
  SaveFileDurably(ChangeFileExt(FileName(), u".ini.Backup"), m.Memory(),
                  static_cast<std::size_t>(m.GetSize()));
  return true;
}

UnicodeString TMyMemIniFile::SavedText() const {
  TStringList lines;
  GetStrings(lines);
  lines.Insert(0, u"");
  auto present = [&lines](const UnicodeString& header) {
    for (int i = 0; i < lines.Count(); ++i)
      if (lines[i] == header) return true;
    return false;
  };
  for (int i = 3; i >= 0; --i)
    if (!present(MEMINI_header_lines[i])) lines.Insert(0, MEMINI_header_lines[i]);
  return lines.Text();
}

void TMyMemIniFile::UpdateFile() {
  const UnicodeString text = SavedText();
  SaveABackup();
  const std::string bytes = EncodedText(text);
  SaveFileDurably(FileName(), bytes.data(), bytes.size());
}

}  // namespace lx
