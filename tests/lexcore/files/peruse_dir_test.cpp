#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/files/PeruseDir.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;
using lxtest::TempDir;
namespace fs = std::filesystem;

namespace {

UnicodeString U(const std::string& s) {
  return UTF8ToUTF16(s);
}

std::vector<std::string> Names(const TMySearchRecList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(UTF16ToUTF8(list.GetAMySearchRec(i).ShortName));
  return out;
}

// Folder names relative to root, in the order reported.
struct TFolderWalk {
  std::vector<std::string> folders;
  std::vector<std::string> problems;
  void Attach(TPeruseDir& w, const std::string& root) {
    w.OnFoundDir = [this, root](const UnicodeString& d) {
      folders.push_back(fs::path(UTF16ToUTF8(d)).lexically_relative(root).string());
    };
    w.OnFolderProblem = [this, root](const UnicodeString& d, const UnicodeString&) {
      problems.push_back(fs::path(UTF16ToUTF8(d)).lexically_relative(root).string());
    };
  }
};

TPeruseDir Walker(const UnicodeString& filemask, const UnicodeString& excluded = u"", bool zips = false,
                  bool hiddenFiles = false, bool hiddenFolders = false, bool mac = false) {
  return TPeruseDir(filemask, u"*", u"*.txt", excluded, u"", mac, zips, false, false, hiddenFiles,
                    hiddenFolders);
}

}  // namespace

TEST(PeruseDir, FoldersWithExclusionsHiddenFoldersLoopsAndUnreadableFolders) {
  TempDir t;
  const std::string root = t.path.string();
  for (const char* d : {"a/b", "old/deep", "older", ".hidden/inner", "locked/x"})
    fs::create_directories(t.path / d);
  fs::create_directory_symlink("..", t.path / "a/b/up");  // a loop back to a
  ::chmod((t.path / "locked").c_str(), 0);
  const bool rootCanReadAnyway = ::access((t.path / "locked").c_str(), R_OK) == 0;

  TPeruseDir w = Walker(u"*.txt", u"old");
  TFolderWalk seen;
  seen.Attach(w, root);
  w.ProcessAllSubDirectories(U(root));
  ::chmod((t.path / "locked").c_str(), 0755);

  std::vector<std::string> sorted = seen.folders;
  std::sort(sorted.begin(), sorted.end());
  // A superuser reads the locked folder anyway.
  if (rootCanReadAnyway)
    EXPECT_EQ(sorted, (std::vector<std::string>{"a", "a/b", "locked", "locked/x", "older"}));
  else
    EXPECT_EQ(sorted, (std::vector<std::string>{"a", "a/b", "locked", "older"}));
  // Each folder before its own sub-folders.
  EXPECT_LT(std::find(seen.folders.begin(), seen.folders.end(), "a") - seen.folders.begin(),
            std::find(seen.folders.begin(), seen.folders.end(), "a/b") - seen.folders.begin());
  EXPECT_EQ(w.SubDirsFound(), static_cast<int>(seen.folders.size()));
  std::vector<std::string> problems = seen.problems;
  std::sort(problems.begin(), problems.end());
  if (rootCanReadAnyway)
    EXPECT_EQ(problems, (std::vector<std::string>{"a/b/up"}));
  else
    EXPECT_EQ(problems, (std::vector<std::string>{"a/b/up", "locked"}));

  TPeruseDir all = Walker(u"*.txt", u"", false, false, true);
  TFolderWalk seenAll;
  seenAll.Attach(all, root);
  all.ProcessAllSubDirectories(U(root));
  EXPECT_NE(std::find(seenAll.folders.begin(), seenAll.folders.end(), "old/deep"), seenAll.folders.end());
  // A dot-folder is never walked, whatever the hidden setting.
  EXPECT_EQ(std::find(seenAll.folders.begin(), seenAll.folders.end(), ".hidden"), seenAll.folders.end());
}

TEST(PeruseDir, FilesOfAFolderByMaskOrderAndRules) {
  TempDir t;
  for (const char* f : {"b.txt", "a.txt", "c.htm", "d.doc", ".secret.txt", "._res.txt", "e.TXT", "x.zip"})
    t.Write(f, "words");
  fs::create_directory(t.path / "sub.txt");
  ::mkfifo((t.path / "pipe.txt").c_str(), 0600);

  TMySearchRecList list;
  TPeruseDir w = Walker(u"*.txt;*.htm", u"", false, false, false, true);
  EXPECT_TRUE(w.HandleAllFilesIn(U(t.path.string()), &list));
  std::vector<std::string> names = Names(list);
  // All .txt files (any case) before the .htm file; no folder, pipe, hidden or resource-fork file.
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names.back(), "c.htm");
  std::sort(names.begin(), names.end() - 1);
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "b.txt", "e.TXT", "c.htm"}));
  EXPECT_EQ(list.GetAMySearchRec(0).Size, 5);
  EXPECT_EQ(list.GetAMySearchRec(0).Number_Within_Zip, 0);

  TMySearchRecList more;
  TPeruseDir hiddenOk = Walker(u"*.txt", u"", false, true, false, false);
  hiddenOk.HandleAllFilesIn(U(t.path.string()), &more);
  names = Names(more);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"._res.txt", ".secret.txt", "a.txt", "b.txt", "e.TXT"}));

  // One read of the folder serves every piece of the mask: a file matching two pieces is taken under each.
  TMySearchRecList twice;
  Walker(u"*.htm;c*").HandleAllFilesIn(U(t.path.string()), &twice);
  EXPECT_EQ(Names(twice), (std::vector<std::string>{"c.htm", "c.htm"}));

  // A veto from the host, and a walk without a list only answers.
  TPeruseDir veto = Walker(u"*.txt");
  veto.OnCheckFileAcceptable = [](const TMySearchRec& r, bool) { return r.ShortName != u"a.txt"; };
  TMySearchRecList vetoed;
  veto.HandleAllFilesIn(U(t.path.string()), &vetoed);
  EXPECT_EQ(vetoed.Count(), 2);
  EXPECT_TRUE(veto.HandleAllFilesIn(U(t.path.string()), nullptr));
  EXPECT_FALSE(Walker(u"*.rtf").HandleAllFilesIn(U(t.path.string()), nullptr));
}

// A walk for names only, which asks nothing of the system about plain files, takes and leaves the same
// entries as a full walk: folders, pipes, hidden files, links to files and dangling links alike.
TEST(PeruseDir, NamesOnlyWalkTakesTheSameFiles) {
  TempDir t;
  for (const char* f : {"a.txt", "b.txt", ".hidden.txt"}) t.Write(f, "words");
  fs::create_directory(t.path / "sub.txt");
  ::mkfifo((t.path / "pipe.txt").c_str(), 0600);
  fs::create_symlink(t.path / "a.txt", t.path / "link.txt");
  fs::create_symlink(t.path / "gone", t.path / "dangling.txt");
  fs::create_directory_symlink(t.path / "sub.txt", t.path / "dirlink.txt");
  TMySearchRecList full, names;
  for (TMySearchRecList* list : {&full, &names}) {
    TPeruseDir w = Walker(u"*.txt");
    w.SetNeedSizeAndDate(list == &full);
    w.HandleAllFilesIn(U(t.path.string()), list);
  }
  std::vector<std::string> a = Names(full), b = Names(names);
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  EXPECT_EQ(b, a);
  EXPECT_EQ(std::count(a.begin(), a.end(), "a.txt"), 1);
  EXPECT_EQ(std::count(a.begin(), a.end(), "pipe.txt"), 0);
  EXPECT_EQ(std::count(a.begin(), a.end(), "dirlink.txt"), 0);
  EXPECT_EQ(std::count(a.begin(), a.end(), ".hidden.txt"), 0);
  for (int i = 0; i < full.Count(); ++i)
    if (full.GetAMySearchRec(i).ShortName == u"b.txt") {
      EXPECT_EQ(full.GetAMySearchRec(i).Size, 5);
    }
}

TEST(PeruseDir, ZipEntriesAreListedBeforeFilesAndDoNotCountAsFiles) {
  TempDir t;
  fs::copy_file(lxtest::DataFile("zip/subdir.zip"), t.path / "subdir.zip");
  fs::copy_file(lxtest::DataFile("zip/test.zip"), t.path / "test.zip");
  fs::copy_file(lxtest::DataFile("zip/escape.zip"), t.path / "escape.zip");
  t.Write("broken.zip", "PK\x03\x04 not really");
  const UnicodeString dir = U(t.path.string());

  TPeruseDir w(u"*.txt", u"*", u"*.txt;*/c", u"", u"", false, true, false, false, false, false);
  std::vector<UnicodeString> zipProblems;
  w.OnZipProblem = [&](const UnicodeString& f, int, int, int, const UnicodeString&, int&) {
    zipProblems.push_back(f);
  };
  TMySearchRecList list;
  EXPECT_FALSE(w.HandleAllFilesIn(dir, &list));  // only archives here
  EXPECT_EQ(w.ZipsExamined(), 3);
  ASSERT_EQ(zipProblems.size(), 1u);
  EXPECT_EQ(ExtractFileName(zipProblems[0]), u"broken.zip");
  std::vector<std::string> names = Names(list);
  std::sort(names.begin(), names.end());
  const std::string d = t.path.string() + "/";
  EXPECT_EQ(names, (std::vector<std::string>{d + "escape.zip/../escape.txt", d + "escape.zip//abs/root.txt",
                                             d + "escape.zip/ok.txt", d + "escape.zip/sub\\..\\..\\win.txt",
                                             d + "subdir.zip/a/b/c", d + "test.zip/test.txt"}));
  const int at = list.IndexWhere([](const TMySearchRec& r) { return r.ShortName.ends_with(u"a/b/c"); });
  EXPECT_EQ(list.GetAMySearchRec(at).Number_Within_Zip, 3);  // after the folder entries a/ and a/b/

  // With a plain file beside them, the file comes last and makes the result true.
  t.Write("z.txt", "text");
  TMySearchRecList withFile;
  TPeruseDir w2(u"*.txt", u"*", u"*.txt", u"", u"", false, true, false, false, false, false);
  EXPECT_TRUE(w2.HandleAllFilesIn(dir, &withFile));
  EXPECT_EQ(UTF16ToUTF8(withFile.GetAMySearchRec(withFile.Count() - 1).ShortName), "z.txt");
  // Archives treated as any other file are listed as themselves.
  TPeruseDir plain(u"*.zip", u"*", u"*", u"", u"", false, false, true, false, false, false);
  TMySearchRecList zips;
  plain.HandleAllFilesIn(dir, &zips);
  EXPECT_EQ(zips.Count(), 4);
}

TEST(MySearchRecList, SortFindAndStream) {
  TMySearchRecList list;
  auto rec = [](const char16_t* name, double date, int32_t size) {
    TMySearchRec r;
    r.ShortName = name;
    r.DateTime = date;
    r.Size = size;
    return r;
  };
  for (const auto& r : {rec(u"b.TXT", 45000, 3), rec(u"A.htm", 45002, 1), rec(u"c.txt", 45002, 2),
                        rec(u"d.doc", 45002, 5), rec(u"e.txt", 44000, 4)})
    list.AddOne(r);
  list.SetSort(sr_sort_by_name);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"A.htm", "b.TXT", "c.txt", "d.doc", "e.txt"}));
  list.SetSort(sr_sort_by_date);
  EXPECT_EQ(list.GetAMySearchRec(0).DateTime, 45002);  // newest first
  EXPECT_EQ(list.GetAMySearchRec(4).DateTime, 44000);
  // Three records share the newest date: each is found whichever the bisection meets first.
  for (const auto& r : {rec(u"A.htm", 45002, 1), rec(u"c.txt", 45002, 2), rec(u"d.doc", 45002, 5)})
    EXPECT_EQ(list.GetAMySearchRec(list.Find(r)).ShortName, r.ShortName);
  EXPECT_EQ(list.Find(rec(u"c.txt", 45002, 9)), -1);
  list.SetSort(sr_sort_by_extension);
  EXPECT_EQ(Names(list).front(), "d.doc");
  list.SetSort(sr_sort_by_size);
  EXPECT_EQ(list.Find(rec(u"e.txt", 44000, 4)), 3);

  TMemoryStream m;
  ASSERT_TRUE(list.SaveToStream(m));
  EXPECT_EQ(m.GetSize(), 4 + 5 * 20 + (4 + 10) * 4 + (4 + 10));
  const uint8_t* b = m.Memory();
  EXPECT_EQ(b[0], 5);
  EXPECT_EQ(b[4 + 8], 1);               // first record's size after its 8-byte date
  EXPECT_EQ(b[4 + 18] | b[4 + 19], 0);  // reserved bytes
  m.SetPosition(0);
  TMySearchRecList back;
  back.AddOne(rec(u"kept.txt", 1, 1));
  ASSERT_TRUE(back.ReadFromStream(m));
  EXPECT_EQ(back.Count(), 6);  // appended
  EXPECT_EQ(back.GetAMySearchRec(1).ShortName, list.GetAMySearchRec(0).ShortName);
  EXPECT_TRUE(TMySearchRecList::SameRecord(back.GetAMySearchRec(5), list.GetAMySearchRec(4)));

  // A name longer than the safety limit, and a count with nothing behind it, fail to read.
  TMemoryStream bad;
  WriteLE(bad, int32_t(1));
  const uint8_t fixed[20] = {};
  bad.WriteBuffer(fixed, 20);
  WriteLE(bad, int32_t(5001));
  bad.SetPosition(0);
  TMySearchRecList none;
  EXPECT_FALSE(none.ReadFromStream(bad));
  TMemoryStream hostile;
  WriteLE(hostile, int32_t(0x7FFFFFFF));
  hostile.SetPosition(0);
  EXPECT_FALSE(none.ReadFromStream(hostile));
}

TEST(Folderful, FillSaveReloadAndRename) {
  TempDir t;
  t.Write("one.txt", "1");
  t.Write("two.txt", "22");
  TFolderful folder(U(t.path.string()));
  EXPECT_EQ(folder.DirName().back(), u'/');
  EXPECT_TRUE(folder.Empty());
  TPeruseDir w = Walker(u"*.txt");
  folder.FillList(w);
  folder.SetCurrentSort(sr_sort_by_size);
  folder.Setdirnum(7);
  folder.SetStarts(10);
  folder.SetEnds(11);
  ASSERT_EQ(folder.Count(), 2);
  EXPECT_EQ(folder.GetShortName(1), u"two.txt");
  EXPECT_EQ(folder.GetAFileSize(1), 2);
  EXPECT_EQ(folder.GetAFileSize(2), -1);
  EXPECT_FALSE(folder.IsZipEntry(0));
  EXPECT_EQ(folder.GetSimpleSearchRec(0).folder_number, 7);

  const UnicodeString saved = t.File("folder.bin");
  ASSERT_TRUE(folder.SaveToFile(saved));
  TFolderful back(u"/elsewhere");
  ASSERT_TRUE(back.ReadFromFile(saved));
  EXPECT_EQ(back.DirName(), folder.DirName());
  EXPECT_EQ(back.CurrentSort(), sr_sort_by_size);
  EXPECT_EQ(back.dirnum(), 7);
  EXPECT_EQ(back.Starts(), 10);
  EXPECT_EQ(back.Ends(), 11);
  EXPECT_EQ(back.GetFullName(0), folder.DirName() + u"one.txt");

  back.SetFullName(0, folder.DirName() + u"uno.txt");
  EXPECT_EQ(back.GetShortName(0), u"uno.txt");
  EXPECT_TRUE(fs::exists(t.path / "uno.txt"));
  try {
    back.SetFullName(0, folder.DirName() + u"two.txt");  // exists already
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Message, u"cannot rename " + folder.DirName() + u"uno.txt");
  }
  // A truncated stream fails and leaves an empty list.
  std::string bytes = t.Read("folder.bin");
  t.Write("short.bin", bytes.substr(0, bytes.size() - 3));
  EXPECT_FALSE(back.ReadFromFile(t.File("short.bin")));
  EXPECT_EQ(back.Count(), 0);
}
