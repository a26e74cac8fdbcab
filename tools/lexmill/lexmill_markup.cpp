// --tags: tagged texts read without their mark-up.
#include <algorithm>
#include <cctype>

#include "lexcore/text/markup_stripper.h"
#include "tools/lexmill/lexmill_texts.h"

namespace lx {

namespace {

std::string Extension(const std::string& path) {
  const auto dot = path.find_last_of("./");
  if (dot == std::string::npos || path[dot] != '.') return {};
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

bool NamedAsMarkup(const std::string& path) {
  const std::string ext = Extension(path);
  return ext == "htm" || ext == "html" || ext == "xml" || ext == "sgml";
}

// The text from its first character that is neither a byte-order mark nor white space.
std::u16string_view FromFirstMark(const WideChar* p, std::size_t n) {
  std::size_t i = 0;
  while (i < n && (p[i] == 0xFEFF || p[i] == u' ' || p[i] == u'\t' || p[i] == u'\r' || p[i] == u'\n')) ++i;
  return std::u16string_view(p + i, n - i);
}

// Whether HTML's inline elements (b, i, s, u, q...) join the words around them: not in an XML document
// (named .xml or declared "<?xml") unless its first element is html, as in XHTML.
bool HtmlInline(const std::string& path, const WideChar* p, std::size_t n) {
  const std::u16string_view text = FromFirstMark(p, n);
  const bool xml = Extension(path) == "xml" || text.starts_with(u"<?xml");
  if (!xml) return true;
  // The first element: past the declaration, comments and the document type.
  for (std::size_t lt = text.find(u'<'); lt != text.npos; lt = text.find(u'<', lt + 1)) {
    if (lt + 1 >= text.size() || text[lt + 1] == u'?' || text[lt + 1] == u'!') continue;
    std::u16string name;
    for (std::size_t k = lt + 1;
         k < text.size() && text[k] < 0x80 && std::isalpha(text[k]) && name.size() < 5; ++k)
      name.push_back(static_cast<char16_t>(std::tolower(text[k])));
    return name == u"html";
  }
  return false;
}

bool StartsWithDelimiter(const WideChar* p, std::size_t n, WideChar open) {
  const std::u16string_view text = FromFirstMark(p, n);
  return !text.empty() && text.front() == open;
}

// The line of a position, counting every kind of line end: LF, CR LF and a CR alone.
std::size_t LineOf(const WideChar* p, std::size_t pos) {
  std::size_t line = 1;
  for (std::size_t i = 0; i < pos; ++i)
    line += p[i] == u'\n' || (p[i] == u'\r' && (i + 1 >= pos || p[i + 1] != u'\n'));
  return line;
}

}  // namespace

void TLexmillTextReader::StripTags(const std::string& path, TLexmillProblems& problems) {
  using TTags = TLexmillOptions::TTags;
  if (options.tags == TTags::tags_keep) return;
  if (options.tags == TTags::tags_auto && !NamedAsMarkup(path) &&
      !StartsWithDelimiter(chars.data(), length, options.tagOpen))
    return;
  TMarkupStripReport report;
  StripMarkup(chars.data(), length, options.tagOpen, options.tagClose, true, stripped, report,
              HtmlInline(path, chars.data(), length));
  // Told once a file: the first thing that looks unclosed is enough to go and look.
  std::string warning;
  if (report.unclosedDelimiter != std::u16string_view::npos)
    warning = "an opening " + ToUTF8(UnicodeString(1, options.tagOpen)) + " on line " +
              std::to_string(LineOf(chars.data(), report.unclosedDelimiter)) +
              " has no closing one after it and is read as text";
  if (!report.unclosedTag.empty()) {
    if (!warning.empty()) warning += "; ";
    warning +=
        "the tag " +
        ToUTF8(UnicodeString(1, options.tagOpen) + report.unclosedTag + UnicodeString(1, options.tagClose)) +
        " on line " + std::to_string(LineOf(chars.data(), report.unclosedTagPosition)) + " is never closed";
  }
  if (!warning.empty()) problems.Warn(path + ": " + warning);
  length = stripped.size();
  if (chars.size() < length + 1) chars.resize(length + 1);
  std::copy(stripped.begin(), stripped.end(), chars.begin());
  chars[length] = 0;
}

}  // namespace lx
