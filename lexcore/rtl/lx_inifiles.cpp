#include "lexcore/rtl/lx_inifiles.h"

#include <fstream>

#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

bool ValidUTF8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

}  // namespace

TMemIniFile::TMemIniFile(const UnicodeString& fileName) : fFileName(fileName) {
  if (fileName.empty() || !FileExists(fileName)) return;
  TMemoryStream m;
  m.LoadFromFile(fileName);
  const std::string_view bytes(reinterpret_cast<const char*>(m.Memory()),
                               static_cast<std::size_t>(m.GetSize()));
  TEncoding enc = TEncoding::ANSI;
  const std::size_t mark = DetectBufferEncoding(bytes, enc);
  const std::string_view body = bytes.substr(mark);
  if (mark == 0 && ValidUTF8(body)) enc = TEncoding::UTF8;
  fEncoding = enc;
  LoadText(EncodingGetString(enc, body));
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::LoadText(const UnicodeString& text) {
  fSections.clear();
  TSection* current = nullptr;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find_first_of(u"\r\n", from);
    if (end == UnicodeString::npos) end = text.size();
    const UnicodeString line = Trim(std::u16string_view(text).substr(from, end - from));
    from = end + (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
    if (line.empty() || line[0] == u';') continue;
    if (line.front() == u'[' && line.back() == u']') {
      const UnicodeString name = Trim(std::u16string_view(line).substr(1, line.size() - 2));
      current = Find(name);
      if (!current) {
        fSections.push_back(std::make_unique<TSection>(TSection{name, {}}));
        current = fSections.back().get();
      }
      continue;
    }
    if (!current) continue;  // lines before the first section belong to none
    const std::size_t eq = line.find(u'=');
    if (eq == UnicodeString::npos)
      current->values.emplace_back(line, UnicodeString());
    else
      current->values.emplace_back(Trim(std::u16string_view(line).substr(0, eq)), line.substr(eq + 1));
  }
}

TMemIniFile::TSection* TMemIniFile::Find(const UnicodeString& section) const {
  for (const auto& s : fSections)
    if (SameText(s->name, section)) return s.get();
  return nullptr;
}

bool TMemIniFile::SectionExists(const UnicodeString& section) const {
  return Find(section) != nullptr;
}

bool TMemIniFile::ValueExists(const UnicodeString& section, const UnicodeString& ident) const {
  if (const TSection* s = Find(section))
    for (const auto& [k, v] : s->values)
      if (SameText(k, ident)) return true;
  return false;
}

UnicodeString TMemIniFile::ReadString(const UnicodeString& section, const UnicodeString& ident,
                                      const UnicodeString& def) const {
  if (const TSection* s = Find(section))
    for (const auto& [k, v] : s->values)
      if (SameText(k, ident)) return v;
  return def;
}

void TMemIniFile::WriteString(const UnicodeString& section, const UnicodeString& ident,
                              const UnicodeString& value) {
  TSection* s = Find(section);
  if (!s) {
    fSections.push_back(std::make_unique<TSection>(TSection{section, {}}));
    s = fSections.back().get();
  }
  for (auto& [k, v] : s->values)
    if (SameText(k, ident)) {
      v = value;
      return;
    }
  s->values.emplace_back(ident, value);
}

int32_t TMemIniFile::ReadInteger(const UnicodeString& section, const UnicodeString& ident,
                                 int32_t def) const {
  return StrToIntDef(Trim(ReadString(section, ident, u"")), def);
}

void TMemIniFile::WriteInteger(const UnicodeString& section, const UnicodeString& ident, int32_t value) {
  WriteString(section, ident, IntToStr(value));
}

void TMemIniFile::ReadSections(TStrings& strings) const {
  strings.Clear();
  for (const auto& s : fSections) strings.Add(s->name);
}

void TMemIniFile::ReadSection(const UnicodeString& section, TStrings& strings) const {
  strings.Clear();
  if (const TSection* s = Find(section))
    for (const auto& [k, v] : s->values) strings.Add(k);
}

void TMemIniFile::ReadSectionValues(const UnicodeString& section, TStrings& strings) const {
  strings.Clear();
  if (const TSection* s = Find(section))
    for (const auto& [k, v] : s->values)
      strings.Add(v.empty() && k.find(u'=') == UnicodeString::npos ? k : k + u"=" + v);
}

void TMemIniFile::EraseSection(const UnicodeString& section) {
  for (auto it = fSections.begin(); it != fSections.end(); ++it)
    if (SameText((*it)->name, section)) {
      fSections.erase(it);
      return;
    }
}

void TMemIniFile::DeleteKey(const UnicodeString& section, const UnicodeString& ident) {
  if (TSection* s = Find(section))
    for (auto it = s->values.begin(); it != s->values.end(); ++it)
      if (SameText(it->first, ident)) {
        s->values.erase(it);
        return;
      }
}

void TMemIniFile::Clear() {
  fSections.clear();
}

void TMemIniFile::GetStrings(TStrings& list) const {
  list.Clear();
  for (const auto& s : fSections) {
    list.Add(u"[" + s->name + u"]");
    for (const auto& [k, v] : s->values) list.Add(k + u"=" + v);
    list.Add(u"");
  }
}

void TMemIniFile::SetStrings(const TStrings& list) {
  LoadText(list.Text());
}

std::string TMemIniFile::EncodedText(const UnicodeString& text) const {
  return std::string(EncodingPreamble(fEncoding)) + EncodingGetBytes(fEncoding, text);
}

void TMemIniFile::UpdateFile() {
  TStringList lines;
  GetStrings(lines);
  const std::string bytes = EncodedText(lines.Text());
  SaveFileDurably(fFileName, bytes.data(), bytes.size());
}

}  // namespace lx
