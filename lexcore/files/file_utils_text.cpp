// Text-file routines of the file utilities: reading a file whatever its encoding, converting and inserting
// into text files, and small text forms of names and switches.
#include <algorithm>
#include <fstream>

#include "lexcore/files/file_utils.h"
#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/UTF8_unit.h"
#include "lexcore/text/WideMasks.h"

namespace lx {

namespace {

bool ReadAll(const UnicodeString& name, std::string& bytes) {
  bytes.clear();
  if (!FileExists(name)) return false;
  std::ifstream in(UTF16ToUTF8(name), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad();
}

bool IsContainer(const TFileContentsSet& type) {
  return type.Contains(_Zip) || type.Contains(_Storage) || type.Contains(_early_Word);
}

// The detected type and the text; false for a container, which holds no plain text.
bool DecodeText(std::string_view bytes, TFileContentsSet& type, UnicodeString& text, TEncoding& encoding) {
  type = FileBufferType(bytes.data(), static_cast<int64_t>(bytes.size()), true);
  text.clear();
  encoding = TEncoding::ANSI;
  if (IsContainer(type)) return false;
  if (bytes.size() < 4) {
    // Too short for the detector; a mark or valid multi-byte UTF-8 still decides.
    TEncoding marked;
    const std::size_t mark = DetectBufferEncoding(bytes, marked);
    bool plain = true;
    if (mark > 0) {
      encoding = marked;
      bytes.remove_prefix(mark);
    } else if (CheckedUTF(bytes, plain) && !plain) {
      encoding = TEncoding::UTF8;
    }
  } else if (type.Contains(_16_bit) || type.Contains(_16_bit_reversed)) {
    encoding = type.Contains(_16_bit) ? TEncoding::Unicode : TEncoding::BigEndianUnicode;
    TEncoding marked;
    if (DetectBufferEncoding(bytes, marked) == 2 && marked == encoding) bytes.remove_prefix(2);
  } else if (type.Contains(_UTF8)) {
    encoding = TEncoding::UTF8;
    TEncoding marked;
    if (DetectBufferEncoding(bytes, marked) == 3) bytes.remove_prefix(3);
  }
  text = EncodingGetString(encoding, bytes);
  return true;
}

bool SaveBytes(const UnicodeString& name, const std::string& bytes) {
  try {
    SaveFileDurably(name, bytes.data(), bytes.size());
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

UnicodeString Trimmed(std::u16string_view s) {
  while (!s.empty() && s.front() <= u' ') s.remove_prefix(1);
  while (!s.empty() && s.back() <= u' ') s.remove_suffix(1);
  return UnicodeString(s);
}

std::vector<UnicodeString> Split(std::u16string_view s, WideChar at) {
  std::vector<UnicodeString> out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = s.find(at, start);
    out.emplace_back(s.substr(start, end == std::u16string_view::npos ? s.npos : end - start));
    if (end == std::u16string_view::npos) return out;
    start = end + 1;
  }
}

}  // namespace

bool TextFileContents(const UnicodeString& name, UnicodeString& text) {
  text.clear();
  std::string bytes;
  if (!ReadAll(name, bytes)) return false;
  TFileContentsSet type;
  TEncoding encoding;
  return DecodeText(bytes, type, text, encoding);
}

bool TextFileInUnicode(const UnicodeString& name) {
  const TFileContentsSet type = FileContentsType(name, true);
  return type.Contains(_16_bit) || type.Contains(_16_bit_reversed);
}

bool StringIsInUnicode(const UnicodeString& s) {
  return AnsiBytesToUnicode(UnicodeToAnsiBytes(s)) != s;
}

bool ConvertATextFileAnsiToUTF16(const UnicodeString& name) {
  std::string bytes;
  if (!ReadAll(name, bytes)) return false;
  TFileContentsSet type;
  UnicodeString text;
  TEncoding encoding;
  if (!DecodeText(bytes, type, text, encoding)) return false;
  if (encoding == TEncoding::Unicode && bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF)
    return true;
  return SaveBytes(
      name, std::string(EncodingPreamble(TEncoding::Unicode)) + EncodingGetBytes(TEncoding::Unicode, text));
}

bool InsertIntoFileA(const UnicodeString& name, const AnsiString& text, int64_t position) {
  std::string bytes;
  if (!ReadAll(name, bytes) || position < 0 || position > static_cast<int64_t>(bytes.size())) return false;
  bytes.insert(static_cast<std::size_t>(position), text);
  return SaveBytes(name, bytes);
}

bool InsertIntoFileW(const UnicodeString& name, const UnicodeString& text, int64_t position) {
  std::string bytes;
  if (!ReadAll(name, bytes) || position < 0) return false;
  // Only UTF-16 LE text takes UTF-16 LE text; anything else would be corrupted.
  if (!bytes.empty() &&
      FileBufferType(bytes.data(), static_cast<int64_t>(bytes.size()), true) != TFileContentsSet{_16_bit})
    return false;
  const std::size_t mark =
      bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF && static_cast<uint8_t>(bytes[1]) == 0xFE
          ? 2
          : 0;
  const int64_t units = static_cast<int64_t>((bytes.size() - mark) / 2);
  if (position > units) return false;
  bytes.insert(mark + static_cast<std::size_t>(position) * 2, EncodingGetBytes(TEncoding::Unicode, text));
  return SaveBytes(name, bytes);
}

int FileFilterWithinFilterText(const UnicodeString& filter, const UnicodeString& file_name) {
  const UnicodeString name = ExtractFileName(file_name);
  if (name.empty()) return 0;
  const std::vector<UnicodeString> parts = Split(filter, u'|');
  for (std::size_t i = 1; i < parts.size(); i += 2)
    for (const UnicodeString& mask : Split(parts[i], u';')) {
      const UnicodeString m = Trimmed(mask);
      if (!m.empty() && MatchesMask(name, m)) return static_cast<int>(i / 2 + 1);
    }
  return 0;
}

UnicodeString FormattedFNAsParameter(const UnicodeString& name) {
  static const std::u16string_view special = u" \t\n\"'\\$`&|;<>()*?[]{}~#!";
  if (!name.empty() && name.find_first_of(special) == UnicodeString::npos) return name;
  // Inside double quotes a shell still reads these four.
  UnicodeString out = u"\"";
  for (WideChar c : name) {
    if (c == u'"' || c == u'\\' || c == u'$' || c == u'`') out += u'\\';
    out += c;
  }
  return out + u"\"";
}

bool FileContentsComparison(const UnicodeString& a, const UnicodeString& b) {
  if (!FileExists(a) || !FileExists(b) || FileSize(a) != FileSize(b)) return false;
  std::ifstream ia(UTF16ToUTF8(a), std::ios::binary), ib(UTF16ToUTF8(b), std::ios::binary);
  if (!ia || !ib) return false;
  char ba[65536], bb[65536];
  for (;;) {
    ia.read(ba, sizeof ba);
    ib.read(bb, sizeof bb);
    const std::streamsize na = ia.gcount(), nb = ib.gcount();
    if (na != nb || !std::equal(ba, ba + na, bb)) return false;
    if (na == 0) return true;
  }
}

UnicodeString BooleanToTextFormat(bool value) {
  return value ? u"True" : u"False";
}

bool TextFormatToBoolean(const UnicodeString& text, bool default_value) {
  const UnicodeString t = Trimmed(text);
  for (const char16_t* yes : {u"true", u"yes", u"1"})
    if (SameText(t, yes)) return true;
  for (const char16_t* no : {u"false", u"no", u"0"})
    if (SameText(t, no)) return false;
  return default_value;
}

void TPossiblyDodgyTextStringlist::LoadFromStream(TStream& stream) {
  std::string bytes;
  char chunk[65536];
  for (;;) {
    const int64_t n = stream.Read(chunk, sizeof chunk);
    if (n <= 0) break;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  UnicodeString text;
  TEncoding encoding;
  LoadedAsText = DecodeText(bytes, DetectedType, text, encoding);
  BeginUpdate();
  try {
    Clear();
    SetTextStr(text);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  SetEncoding(encoding);
}

}  // namespace lx
