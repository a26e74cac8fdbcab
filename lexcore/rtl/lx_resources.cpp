#include "lexcore/rtl/lx_resources.h"

#include <map>
#include <mutex>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

// Registering only notes the string: hundreds register during every program's start-up, and most programs
// never look one up by its identifier. The index is brought up to date by the first look-up after them.
struct Catalogue {
  std::mutex lock;
  std::vector<const TResourceString*> registered;
  std::size_t indexed = 0;  // the registered strings already in builtIn (or found to repeat an identifier)
  std::map<UnicodeString, const TResourceString*> builtIn;
  std::vector<UnicodeString> order;
  std::map<UnicodeString, UnicodeString> translated;

  // With the lock held. The first string registered under an identifier is the one kept.
  void Index() {
    for (; indexed < registered.size(); ++indexed) {
      UnicodeString id = UTF8ToUTF16(registered[indexed]->Identifier());
      if (builtIn.emplace(id, registered[indexed]).second) order.push_back(std::move(id));
    }
  }
};

// Built on first use, so that resource strings of any library may register during static start-up.
Catalogue& TheCatalogue() {
  static Catalogue* c = new Catalogue;  // never freed: resource strings may be read during shut-down
  return *c;
}

UnicodeString Unescape(std::u16string_view s) {
  UnicodeString r;
  r.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == u'\\' && i + 1 < s.size()) {
      switch (s[i + 1]) {
        case u'n':
          r += u'\n';
          ++i;
          continue;
        case u'r':
          r += u'\r';
          ++i;
          continue;
        case u't':
          r += u'\t';
          ++i;
          continue;
        case u'\\':
          r += u'\\';
          ++i;
          continue;
        default:
          break;
      }
    }
    r += s[i];
  }
  return r;
}

UnicodeString DecodeTranslationFile(const std::vector<uint8_t>& bytes) {
  const std::size_t n = bytes.size();
  if (n >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    UnicodeString r((n - 2) / 2, u'\0');
    for (std::size_t i = 0; i < r.size(); ++i)
      r[i] = static_cast<WideChar>(bytes[2 + 2 * i] | bytes[3 + 2 * i] << 8);
    return r;
  }
  if (n >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
    UnicodeString r((n - 2) / 2, u'\0');
    for (std::size_t i = 0; i < r.size(); ++i)
      r[i] = static_cast<WideChar>(bytes[2 + 2 * i] << 8 | bytes[3 + 2 * i]);
    return r;
  }
  std::size_t start = (n >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) ? 3 : 0;
  return UTF8ToUTF16(std::string_view(reinterpret_cast<const char*>(bytes.data()) + start, n - start));
}

}  // namespace

TResourceString::TResourceString(const char* identifier, const char16_t* text)
    : identifier_(identifier), text_(text) {
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> g(c.lock);
  c.registered.push_back(this);
}

UnicodeString TResourceString::Text() const {
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> g(c.lock);
  if (!c.translated.empty()) {
    auto it = c.translated.find(UTF8ToUTF16(identifier_));
    if (it != c.translated.end()) return it->second;
  }
  return text_;
}

UnicodeString LoadResString(const UnicodeString& identifier) {
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> g(c.lock);
  c.Index();
  auto t = c.translated.find(identifier);
  if (t != c.translated.end() && c.builtIn.count(identifier)) return t->second;
  auto b = c.builtIn.find(identifier);
  return b == c.builtIn.end() ? UnicodeString() : UnicodeString(b->second->BuiltIn());
}

bool ResourceStringExists(const UnicodeString& identifier) {
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> g(c.lock);
  c.Index();
  return c.builtIn.count(identifier) != 0;
}

std::vector<UnicodeString> ResourceStringIdentifiers() {
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> g(c.lock);
  c.Index();
  return c.order;
}

bool LoadResourceTranslations(const UnicodeString& fileName) {
  std::vector<uint8_t> bytes;
  try {
    TMemoryStream m;
    m.LoadFromFile(fileName);
    bytes = m.Bytes();
  } catch (const Exception&) {
    return false;
  }
  const UnicodeString text = DecodeTranslationFile(bytes);
  std::map<UnicodeString, UnicodeString> entries;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == UnicodeString::npos) end = text.size();
    std::u16string_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    const UnicodeString trimmed = TrimLeft(line);
    if (!trimmed.empty() && trimmed[0] != u';' && trimmed[0] != u'#') {
      const auto eq = trimmed.find(u'=');
      if (eq != UnicodeString::npos)
        entries[Trim(trimmed.substr(0, eq))] = Unescape(TrimLeft(trimmed.substr(eq + 1)));
    }
    start = end + 1;
  }
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> g(c.lock);
  for (auto& [id, t] : entries) c.translated[id] = std::move(t);
  return true;
}

void SetResourceTranslation(const UnicodeString& identifier, const UnicodeString& text) {
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> g(c.lock);
  c.translated[identifier] = text;
}

void ClearResourceTranslations() {
  Catalogue& c = TheCatalogue();
  std::lock_guard<std::mutex> g(c.lock);
  c.translated.clear();
}

}  // namespace lx
