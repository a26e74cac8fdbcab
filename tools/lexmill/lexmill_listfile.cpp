#include "tools/lexmill/lexmill_listfile.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cstring>

#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_parallel.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/list_files.h"

namespace lx {

namespace {

// "LXLT", then a version, the running words, the texts and the locale.
constexpr uint32_t kTotalsMarker = 0x544C584C;
constexpr int32_t kTotalsVersion = 1;
constexpr int64_t kTotalsBytes = 4 + 4 + 8 + 4 + 4;

// Two decimals, rounded as printf's "%.2f" rounds them, without its cost on every row.
std::string PerCent(int64_t freq, int64_t tokens) {
  char buf[32];
  const double value = tokens > 0 ? 100.0 * static_cast<double>(freq) / static_cast<double>(tokens) : 0.0;
  const auto [end, error] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
  return error == std::errc() ? std::string(buf, end) : std::string();
}

}  // namespace

std::string WithListExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  // A leading dot makes a hidden name, not an extension.
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0 && dot + 1 < name.size()) return path;
  return path + UTF16ToUTF8(DefaultExtFromListType(lt_word_list));
}

std::string ExistingListFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return path;
  const std::string withExt = WithListExtension(path);
  return withExt != path && ::stat(withExt.c_str(), &st) == 0 ? withExt : path;
}

UnicodeString StoredFileName(const std::string& path) {
  // Short strings hold 255 bytes.
  if (path.size() <= 255) return UTF8ToUTF16(path);
  const std::size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.size() <= 255 ? UTF8ToUTF16(name) : UnicodeString();
}

namespace {

void WriteTotals(TStream& stream, const TLexmillListTotals& totals) {
  WriteLE(stream, kTotalsMarker);
  WriteLE(stream, kTotalsVersion);
  WriteLE(stream, totals.tokens);
  WriteLE(stream, totals.texts);
  WriteLE(stream, static_cast<uint32_t>(totals.lcid));
}

void ReadTotals(TStream& stream, TLexmillListTotals& totals) {
  // A list written elsewhere may end with its entries, or with something else of its own. Ours ends with its
  // totals: a file that breaks off inside them was cut short, and its totals are not to be guessed.
  const int64_t left = stream.Remaining();
  if (left < kTotalsBytes) {
    if (left <= 0) return;
    const int64_t at = stream.GetPosition();
    char start[4] = {};
    const int64_t n = std::min<int64_t>(left, sizeof start);
    if (stream.Read(start, n) != n) return;
    const uint32_t marker = kTotalsMarker;
    if (std::memcmp(start, &marker, static_cast<std::size_t>(n)) == 0)
      throw EListFileError(u"The list file is damaged at offset " + IntToStr(at) + u": expected " +
                           IntToStr(kTotalsBytes) + u" bytes of the list's totals, found " + IntToStr(left));
    return;
  }
  uint32_t marker = 0, lcid = 0;
  int32_t version = 0, texts = 0;
  int64_t tokens = 0;
  if (!ReadLE(stream, marker) || marker != kTotalsMarker || !ReadLE(stream, version) ||
      version != kTotalsVersion || !ReadLE(stream, tokens) || !ReadLE(stream, texts) || !ReadLE(stream, lcid))
    return;
  if (tokens >= 0) totals.tokens = tokens;
  if (texts >= 0) totals.texts = texts;
  if (lcid <= 0xFFFF) totals.lcid = static_cast<LCID>(lcid);
}

}  // namespace

void SaveLexmillList(TLexmillWordList& list, const std::string& path, const TLexmillListTotals& totals) {
  SaveListFile(list, tt_wordlist, UTF8ToUTF16(path), [&](TStream& stream) { WriteTotals(stream, totals); });
}

void SaveLexmillList(TLexmillWordList& list, TStream& stream, const TLexmillListTotals& totals) {
  SaveListToStream(list, tt_wordlist, stream);
  WriteTotals(stream, totals);
}

void ReadLexmillList(TLexmillWordList& list, const std::string& path, TLexmillListTotals& totals) {
  totals = TLexmillListTotals{};
  ReadListFile(list, tt_wordlist, UTF8ToUTF16(ExistingListFile(path)),
               [&](TStream& stream) { ReadTotals(stream, totals); });
}

void ReadLexmillList(TLexmillWordList& list, TStream& stream, TLexmillListTotals& totals) {
  totals = TLexmillListTotals{};
  ReadListFromStream(list, tt_wordlist, stream);
  ReadTotals(stream, totals);
}

int64_t SumOfFrequencies(TLexmillWordList& list) {
  int64_t sum = 0;
  for (int32_t i = 0; i < list.Count(); ++i)
    if (list.Word(i)) sum += list.Word(i)->MainWordFrequency();
  return sum;
}

namespace {

// The row of entry i, or false when the list does not show it.
bool WordListRow(TLexmillWordList& list, int32_t i, const TLexmillOptions& options, int64_t tokens,
                 std::vector<std::string>& row) {
  TLexmillWordEntry* e = list.Word(i);
  if (!e || e->JoinedElsewhere() || e->IsDeleted()) return false;
  const int32_t freq = TLexmillWordList::FrequencyWithJoins(e);
  if (freq < options.minFreq) return false;
  // Filled in place: the row's vector is reused from row to row.
  row.resize(options.showForms ? 5 : 4);
  row[0] = ToUTF8(e->MainWordOnly());
  row[1] = std::to_string(freq);
  row[2] = PerCent(freq, tokens);
  row[3] = std::to_string(e->data.n_files);
  if (options.showForms) {
    std::string forms;
    for (int32_t j = 0; j < e->JoinCount(); ++j) {
      TLXBaseListObject* f = e->OwnJoinlist()->Entry(j);
      if (!f) continue;
      forms += (forms.empty() ? "" : ", ") + ToUTF8(f->MainWordOnly()) + " " +
               std::to_string(f->MainWordFrequency());
    }
    row[4] = std::move(forms);
  }
  return true;
}

// Lists shorter than this are formatted on one thread: starting another would cost more.
constexpr int32_t kRowsPerThread = 4096;

}  // namespace

std::vector<std::vector<std::string>> WordListRows(TLexmillWordList& list, const TLexmillOptions& options,
                                                   int64_t tokens) {
  const int32_t count = list.Count();
  const auto limit = options.top >= 0 ? static_cast<std::size_t>(options.top) : SIZE_MAX;
  // Formatting reads the list only, so with more than one job the list is shared out in consecutive parts,
  // each formatted on a thread of its own, and the parts are joined in order.
  const int32_t parts = PartsFor(count, static_cast<unsigned>(std::max(options.jobs, 1)), kRowsPerThread);
  std::vector<std::vector<std::vector<std::string>>> partRows(static_cast<std::size_t>(parts));
  RunParts(parts, count, [&](int32_t part, int64_t first, int64_t end) {
    std::vector<std::vector<std::string>>& rows = partRows[static_cast<std::size_t>(part)];
    std::vector<std::string> row;
    for (auto i = static_cast<int32_t>(first); i < end && rows.size() < limit; ++i)
      if (WordListRow(list, i, options, tokens, row)) rows.push_back(std::move(row));
  });
  std::vector<std::vector<std::string>> rows = std::move(partRows.front());
  for (std::size_t part = 1; part < partRows.size() && rows.size() < limit; ++part)
    for (std::vector<std::string>& row : partRows[part]) {
      if (rows.size() >= limit) break;
      rows.push_back(std::move(row));
    }
  return rows;
}

void WriteWordListRows(TLexmillWordList& list, const TLexmillOptions& options, int64_t tokens,
                       const std::string& summary) {
  std::vector<TLexmillColumn> columns = {{"word"}, {"frequency", true}, {"per cent", true}, {"texts", true}};
  if (options.showForms) columns.push_back({"forms"});
  TLexmillWriter out(options.format, columns, options.summaryInOutput);
  if (out.Streams() && options.top < 0) {
    // Every row goes out, so each part of the list is made into its lines on a thread of its own and the
    // parts are written in order.
    const int32_t count = list.Count();
    const int32_t parts = PartsFor(count, static_cast<unsigned>(std::max(options.jobs, 1)), kRowsPerThread);
    std::vector<std::string> lines(static_cast<std::size_t>(parts));
    RunParts(parts, count, [&](int32_t part, int64_t first, int64_t end) {
      std::vector<std::string> row;
      for (auto i = static_cast<int32_t>(first); i < end; ++i)
        if (WordListRow(list, i, options, tokens, row))
          out.AppendLine(lines[static_cast<std::size_t>(part)], row);
    });
    for (const std::string& part : lines) out.Lines(part);
  } else {
    for (const std::vector<std::string>& row : WordListRows(list, options, tokens)) out.Row(row);
  }
  out.Summary(summary);
  out.Finish();
}

}  // namespace lx
