#include "lexcore/settings/registry_utils.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

// The account entry's name and full name.
void AccountNames(std::string& login, std::string& full) {
  struct passwd pw {};
  struct passwd* found = nullptr;
  std::vector<char> buf(16384);
  const int err = ::getpwuid_r(::geteuid(), &pw, buf.data(), buf.size(), &found);
  if (err != 0 || !found) {
    // Containers may run under a number with no entry; the environment may still say who it is.
    if (const char* user = std::getenv("USER"); user && *user) {
      login = user;
      return;
    }
    throw EInOutError(u"Cannot find the current user: " +
                      UTF8ToUTF16(err ? std::strerror(err) : "no account entry"));
  }
  login = pw.pw_name ? pw.pw_name : "";
  full = pw.pw_gecos ? pw.pw_gecos : "";
  full = full.substr(0, full.find(','));
}

}  // namespace

UnicodeString Registry_Current_User() {
  std::string login, full;
  AccountNames(login, full);
  return UTF8ToUTF16(login);
}

UnicodeString InitialsOf(const UnicodeString& name) {
  UnicodeString out;
  for (WideChar c : name) {
    if (out.size() >= 2) break;
    if (c >= u'A' && c <= u'Z')
      out += c;
    else if (c > 0x7F && InvariantUpperCase(UnicodeString(1, c)) == UnicodeString(1, c) &&
             InvariantLowerCase(UnicodeString(1, c)) != UnicodeString(1, c))
      out += c;
  }
  return out;
}

UnicodeString Registry_Current_User_Initials() {
  std::string login, full;
  AccountNames(login, full);
  return InitialsOf(UTF8ToUTF16(full.empty() ? login : full));
}

}  // namespace lx
