// Writes the collator most locales share as a C++ include for the library: the rules it is built from and
// ICU's binary image of it. Run when the library is built, so the image always matches the ICU it is built
// against.
//   make_collation_image OUTPUT
#include <unicode/ucol.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lexcore/platform/collation_rules.h"

namespace {

// English has no tailoring of its own: its rules are root's order with the platform's additions, which
// every locale without a tailoring of the same letters shares.
constexpr const char* kLocale = "en_US";

// What goes before item i of an array written `perLine` items a line.
const char* Separator(std::size_t i, std::size_t perLine) {
  if (i == 0) return "\n    ";
  return i % perLine ? ", " : ",\n    ";
}

// Written beside the output and renamed over it, so a failed run leaves no half-written include behind.
bool Write(const std::string& path, const std::u16string& rules, const std::vector<uint8_t>& image) {
  const std::string part = path + ".part";
  std::FILE* f = std::fopen(part.c_str(), "w");
  if (!f) return false;
  std::fprintf(f, "// Made by make_collation_image from the collation rules of %s; do not edit.\n", kLocale);
  std::fprintf(f, "constexpr char16_t kImageRules[] = {");
  for (std::size_t i = 0; i < rules.size(); ++i)
    std::fprintf(f, "%s0x%04X", Separator(i, 12), static_cast<unsigned>(rules[i]));
  std::fprintf(f, "};\nconstexpr std::size_t kImageRulesLength = %zu;\n", rules.size());
  std::fprintf(f, "alignas(16) constexpr uint8_t kImage[] = {");
  for (std::size_t i = 0; i < image.size(); ++i)
    std::fprintf(f, "%s%u", Separator(i, 24), static_cast<unsigned>(image[i]));
  std::fprintf(f, "};\n");
  const bool written = !std::ferror(f);
  if (std::fclose(f) != 0 || !written || std::rename(part.c_str(), path.c_str()) != 0) {
    std::remove(part.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_collation_image OUTPUT\n");
    return 2;
  }
  UErrorCode err = U_ZERO_ERROR;
  UCollator* base = ucol_open(kLocale, &err);
  std::u16string rules;
  if (U_FAILURE(err) || !lx::CollationRules(kLocale, base, rules)) {
    std::fprintf(stderr, "make_collation_image: no rules for %s\n", kLocale);
    return 1;
  }
  ucol_close(base);
  UCollator* coll = lx::CollatorFromRules(rules);
  if (!coll) {
    std::fprintf(stderr, "make_collation_image: ICU refuses the rules of %s\n", kLocale);
    return 1;
  }
  const int32_t size = ucol_cloneBinary(coll, nullptr, 0, &err);
  std::vector<uint8_t> image(static_cast<std::size_t>(size > 0 ? size : 0));
  err = U_ZERO_ERROR;
  ucol_cloneBinary(coll, image.data(), size, &err);
  ucol_close(coll);
  if (U_FAILURE(err) || image.empty()) {
    std::fprintf(stderr, "make_collation_image: no image: %s\n", u_errorName(err));
    return 1;
  }
  if (!Write(argv[1], rules, image)) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
