// Resource strings: every user-visible text of the system is a named entry of one process-wide catalogue,
// looked up at run time so that a translation file can replace it.
#pragma once

#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// One resource string. Define it at namespace scope with LX_RESOURCESTRING; it registers itself in the
// catalogue when its library loads. Reading it (implicit conversion or Text()) gives the current translation,
// or the built-in text when none is loaded.
class TResourceString {
 public:
  TResourceString(const char* identifier, const char16_t* text);
  TResourceString(const TResourceString&) = delete;
  TResourceString& operator=(const TResourceString&) = delete;

  const char* Identifier() const { return identifier_; }
  const char16_t* BuiltIn() const { return text_; }
  UnicodeString Text() const;
  operator UnicodeString() const { return Text(); }

 private:
  const char* identifier_;
  const char16_t* text_;
};

// Declares (in a header) and defines (in a source) a resource string named by its identifier.
#define LX_DECLARE_RESOURCESTRING(name) extern const ::lx::TResourceString name;
#define LX_RESOURCESTRING(name, text) const ::lx::TResourceString name(#name, text);

// The current text of the resource string with this identifier; empty when no such identifier is registered.
UnicodeString LoadResString(const UnicodeString& identifier);
bool ResourceStringExists(const UnicodeString& identifier);
// Identifiers of every registered resource string, in registration order.
std::vector<UnicodeString> ResourceStringIdentifiers();

// Replaces texts from a translation file of "identifier=text" lines (blanks after the "=" are dropped)
// (UTF-8, UTF-8 with a byte-order mark, or UTF-16 with one). Inside a text, \n, \r, \t and \\ stand for a
// line feed, carriage return, tab and backslash. Blank lines and lines starting with ';' or '#' are comments.
// Returns false (and changes nothing) when the file cannot be read; unknown identifiers are kept, so a file
// may serve several versions.
bool LoadResourceTranslations(const UnicodeString& fileName);
// Replaces one text at run time (what a translation file does, one entry at a time).
void SetResourceTranslation(const UnicodeString& identifier, const UnicodeString& text);
// Back to the built-in texts.
void ClearResourceTranslations();

}  // namespace lx
