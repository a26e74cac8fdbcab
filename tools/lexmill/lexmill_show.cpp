// `lexmill show FILE`: a saved word list as the word list shows it, or what the list file says about itself.
#include <cstdio>

#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/base_holder.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_listfile.h"
#include "tools/lexmill/lexmill_sort.h"

namespace lx {

namespace {

std::string YesNo(bool flag) {
  return flag ? "yes" : "no";
}

void WriteInfo(TLexmillWordList& list, const TLexmillListTotals& totals, const TLexmillOptions& options) {
  const TStoredListInfoHolder& holder = *list.StoredListInfo;
  const TStoredListInfo& info = holder.fdata;
  TLexmillWriter out(options.format, {{"field"}, {"value"}}, false);
  char lcid[16];
  std::snprintf(lcid, sizeof lcid, "0x%04X", static_cast<unsigned>(totals.lcid));
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"kind", UTF16ToUTF8(ListSignature(list.fList_type))},
      {"stored_version_number", std::to_string(info.stored_version_number)},
      {"entries", std::to_string(info.entries)},
      {"not_for_saving_entries", std::to_string(info.not_for_saving_entries)},
      {"lifetimezaps", std::to_string(info.lifetimezaps)},
      {"has_affixes", YesNo(info.has_affixes)},
      {"info_derives_from_filename", ToUTF8(info.info_derives_from_filename)},
      {"matchlist_filename", ToUTF8(info.matchlist_filename)},
      {"stoplist_filename", ToUTF8(info.stoplist_filename)},
      {"lemmatised", YesNo(holder.GetIsLemmatised())},
      {"n_texts_checked", YesNo(holder.GetNTextsChecked())},
      {"based_on_clusters", YesNo(holder.GetBasedOnClusters())},
      {"tokens", totals.tokens >= 0 ? std::to_string(totals.tokens) : "unknown"},
      {"texts", totals.texts >= 0 ? std::to_string(totals.texts) : "unknown"},
      {"lcid", totals.lcid ? std::string(lcid) : "unknown"}};
  for (const auto& [field, value] : rows) out.Row({field, value});
  out.Finish();
}

}  // namespace

int RunShow(const TLexmillOptions& options, const std::string& path, bool lcidGiven) {
  TLexmillListTotals totals;
  TLXBaseHolder holder(options.lcid, true);
  auto list = Create<TLexmillWordList>(&holder);
  try {
    ReadLexmillList(*list, path, totals);
  } catch (const Exception& e) {
    std::fprintf(stderr, "lexmill: cannot read the list %s: %s\n", path.c_str(),
                 UTF16ToUTF8(e.Message).c_str());
    return kExitProblems;
  }
  if (options.showInfo) {
    WriteInfo(*list, totals, options);
    return kExitOk;
  }
  // Sorted in the locale the list was made in, unless told otherwise.
  if (totals.lcid && !lcidGiven && IsValidLCID(totals.lcid)) holder.SetLCID(totals.lcid);
  std::vector<TLexmillSortKey> keys;
  std::string error;
  if (!ParseWordlistSort(options.sort, keys, error)) keys = {TLexmillSortKey{}};
  SortWordList(*list, keys);
  const int64_t tokens = totals.tokens >= 0 ? totals.tokens : SumOfFrequencies(*list);
  int32_t types = 0;
  for (int32_t i = 0; i < list->Count(); ++i)
    if (!list->GetJoinedElsewhere(i) && !list->GetDeleted(i)) ++types;
  WriteWordListRows(*list, options, tokens,
                    "tokens " + std::to_string(tokens) + ", types " + std::to_string(types) + ", texts " +
                        (totals.texts >= 0 ? std::to_string(totals.texts) : std::string("unknown")));
  return kExitOk;
}

}  // namespace lx
