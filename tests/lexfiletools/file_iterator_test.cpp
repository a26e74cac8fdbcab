#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/definitions/Wdef.h"
#include "lexcore/platform/lx_zipwriter.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexfiletools/tools/My_FileHandling.h"
#include "test_files.h"

namespace {

std::string U8(const lx::UnicodeString& s) {
  return lx::UTF16ToUTF8(s);
}

// root/a: one.txt two.txt skip.dat sub/deep.txt; root/b: three.txt arch.zip(in.txt) more/four.txt; root/c
// empty.
struct Tree {
  lxtest::TempDir dir;
  lx::TFileAndDirIterator it;
  Tree() {
    for (const char* d : {"root/a/sub", "root/b/more", "root/c"})
      std::filesystem::create_directories(dir.path / d);
    for (const char* f : {"root/a/one.txt", "root/a/two.txt", "root/a/skip.dat", "root/a/sub/deep.txt",
                          "root/b/three.txt", "root/b/more/four.txt", "inner.txt"})
      dir.Write(f, f);
    std::vector<uint8_t> zip;
    EXPECT_EQ(lx::ZipOneFileToMemory(dir.File("inner.txt"), u"in.txt", 6, zip), 1);
    dir.Write("root/b/arch.zip", std::string(zip.begin(), zip.end()));
    it.FileMask = u"*.txt";
    it.Favourites = dir.File("favs.dat");
  }
  lx::UnicodeString Root() const { return dir.File("root"); }
  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (int i = 0; i < it.DirNames()->Count(); ++i)
      out.push_back(U8(it.DirNames()->Get(i)).substr(dir.path.string().size() + 1));
    return out;
  }
  std::vector<std::string> Processed() {
    std::vector<std::string> out;
    it.OnProcessingAFile = [&](const lx::UnicodeString& full, const lx::TMySearchRec&) {
      out.push_back(U8(full).substr(dir.path.string().size() + 1));
    };
    it.ProcessAllFilesFound();
    return out;
  }
};

}  // namespace

TEST(FileAndDirIterator, DefaultsLiveInTheTemporaryFolder) {
  lx::TFileAndDirIterator it;
  EXPECT_EQ(it.HeadDir, lx::TFileAndDirIterator::TemporaryFolder());
  EXPECT_EQ(it.Favourites, it.HeadDir + u"favourite files.txt");
  EXPECT_EQ(it.HeadDir.back(), u'/');
  EXPECT_TRUE(it.ReadZipfiles);
  EXPECT_EQ(it.SortOrder, lx::sr_sort_by_name);
}

TEST(FileAndDirIterator, ListedSubFoldersAndZips) {
  Tree t;
  t.it.HeadDir = t.Root() + u"/*a; b";
  t.it.IterateFindingFiles();
  EXPECT_EQ(t.Names(), (std::vector<std::string>{"root/a/", "root/b/"}));
  EXPECT_EQ(t.it.HeadDir, t.Root() + u"/");
  EXPECT_EQ(t.Processed(), (std::vector<std::string>{"root/a/one.txt", "root/a/two.txt",
                                                     "root/b/arch.zip/in.txt", "root/b/three.txt"}));

  // Every listed folder's sub-folders are walked, the last one's too.
  t.it.HeadDir = t.Root() + u"/*a;b";
  t.it.IncludeSubFolders = true;
  t.it.IterateFindingFiles();
  EXPECT_EQ(t.Names(), (std::vector<std::string>{"root/a/", "root/a/sub/", "root/b/", "root/b/more/"}));
  EXPECT_EQ(t.it.TotalFiles(), 6);
}

TEST(FileAndDirIterator, FolderProblemsAreReportedAndStarredFolderNamesAreFolders) {
  Tree t;
  std::filesystem::create_symlink(t.dir.path / "root", t.dir.path / "root/a/loop");
  std::vector<std::string> problems;
  t.it.OnFolderProblem = [&](const lx::UnicodeString& d, const lx::UnicodeString&) {
    problems.push_back(U8(d));
  };
  t.it.HeadDir = t.Root();
  t.it.IncludeSubFolders = true;
  t.it.IterateFindingFiles();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("loop"), std::string::npos);
  EXPECT_EQ(t.it.TotalFiles(), 6);

  // A folder whose name holds a star is read as that folder, not as a list of sub-folders.
  std::filesystem::create_directories(t.dir.path / "root/a*b");
  t.dir.Write("root/a*b/x.txt", "x");
  t.it.HeadDir = t.dir.File("root/a*b");
  t.it.IncludeSubFolders = false;
  t.it.IterateFindingFiles();
  EXPECT_EQ(t.Names(), (std::vector<std::string>{"root/a*b/"}));
  EXPECT_EQ(t.Processed(), (std::vector<std::string>{"root/a*b/x.txt"}));
}

TEST(FileAndDirIterator, NumbersFilesAcrossFolders) {
  Tree t;
  t.it.HeadDir = t.Root();
  t.it.IncludeSubFolders = true;
  t.it.ReadZipfiles = false;
  int done_folders = -1;
  t.it.OnDoneSubFolders = [&](int n) { done_folders = n; };
  t.it.IterateFindingFiles();
  EXPECT_EQ(done_folders, 5);
  EXPECT_EQ(t.Names(), (std::vector<std::string>{"root/", "root/a/", "root/a/sub/", "root/b/", "root/b/more/",
                                                 "root/c/"}));
  EXPECT_EQ(t.it.TotalFiles(), 5);
  EXPECT_EQ(t.it.HeadDirFiles(), 0);
  lx::TFolderful* a = t.it.Folderlist()->GetAFolderFul(1);
  EXPECT_EQ(a->Starts(), 0);
  EXPECT_EQ(a->Ends(), 1);
  EXPECT_EQ(t.it.Folderlist()->GetAFolderFul(3)->Starts(), 3);
  lx::TFolderful* c = t.it.Folderlist()->GetAFolderFul(5);
  EXPECT_EQ(c->Starts(), INT32_MAX);
  EXPECT_EQ(c->Ends(), -1);
  EXPECT_EQ(t.it.Folderlist()->GetAFolderFul(6), nullptr);
  EXPECT_EQ(t.it.Folderlist()->GetAFolderFul(-1), nullptr);

  t.it.MaxFilesToProcess = 2;
  EXPECT_EQ(t.Processed().size(), 2u);
}

TEST(FileAndDirIterator, OneStopGoesOnTwoStopsEnd) {
  Tree t;
  t.it.HeadDir = t.Root();
  t.it.IncludeSubFolders = true;
  t.it.IterateFindingFiles();
  int seen = 0;
  t.it.OnProcessingAFile = [&](const lx::UnicodeString&, const lx::TMySearchRec&) {
    if (++seen == 2) t.it.Stop();
  };
  t.it.ProcessAllFilesFound();
  EXPECT_EQ(seen, t.it.TotalFiles());
  EXPECT_EQ(lx::global_panic_state, 1);
  seen = 0;
  t.it.OnProcessingAFile = [&](const lx::UnicodeString&, const lx::TMySearchRec&) {
    if (++seen == 2) t.it.Stop();
  };
  t.it.ProcessAllFilesFound();
  EXPECT_EQ(seen, 2);
  lx::global_panic_state = 0;
}

TEST(FileAndDirIterator, FindsByNameAndWildcard) {
  Tree t;
  t.it.HeadDir = t.Root();
  t.it.IncludeSubFolders = true;
  t.it.IterateFindingFiles();
  EXPECT_EQ(U8(t.it.FoundMatch(u"THREE.TXT")), t.dir.Native("root/b/three.txt"));
  EXPECT_TRUE(t.it.FoundMatch(u"absent.txt").empty());
  std::unique_ptr<lx::TStringList> found(t.it.FoundMatchesWildcarded(u"t*.txt"));
  ASSERT_EQ(found->Count(), 2);
  EXPECT_EQ(U8(found->Get(0)), t.dir.Native("root/a/two.txt"));
  EXPECT_EQ(U8(found->Get(1)), t.dir.Native("root/b/three.txt"));
  std::unique_ptr<lx::TStringList> dat(t.it.FoundMatchesWildcarded(u"*.DAT"));
  EXPECT_EQ(dat->Count(), 1);
}

TEST(FileAndDirIterator, DetailedListSortsAllFiles) {
  Tree t;
  t.it.HeadDir = t.Root();
  t.it.IncludeSubFolders = true;
  t.it.ReadZipfiles = false;
  t.it.IterateFindingFiles();
  std::vector<std::string> built;
  t.it.OnBuildingDetailedList = [&](const lx::UnicodeString& d) { built.push_back(U8(d)); };
  t.it.BuildDetailedList(lx::ss_shortname, lx::ss_none);
  EXPECT_EQ(built.size(), 6u);
  ASSERT_EQ(t.it.DetailedListOfAllFiles->Count(), 5);
  std::vector<std::string> names;
  for (int i = 0; i < 5; ++i)
    names.push_back(U8(t.it.DetailedListOfAllFiles->GetASimpleSearchRec(i).ShortName));
  EXPECT_EQ(names, (std::vector<std::string>{"deep.txt", "four.txt", "one.txt", "three.txt", "two.txt"}));
  EXPECT_EQ(U8(t.it.DetailedListOfAllFiles->GetFullFilename(0)), t.dir.Native("root/a/sub/deep.txt"));
}

TEST(FileAndDirIterator, FavouritesRoundTripAndRefuseOtherTools) {
  const lx::tool_type running = lx::current_tool_var;
  lx::current_tool_var = static_cast<lx::tool_type>(0);
  Tree t;
  t.it.HeadDir = t.Root();
  t.it.IncludeSubFolders = true;
  t.it.IterateFindingFiles();
  const std::vector<std::string> before = t.Processed();
  ASSERT_TRUE(t.it.SaveFavourites());

  lx::TFileAndDirIterator back;
  back.Favourites = t.it.Favourites;
  ASSERT_TRUE(back.ReadFavourites());
  EXPECT_EQ(back.TotalFiles(), t.it.TotalFiles());
  EXPECT_EQ(back.DirCount(), t.it.DirCount());
  EXPECT_EQ(back.FileMask, u"*.txt");
  EXPECT_TRUE(back.IncludeSubFolders);
  EXPECT_EQ(back.HeadDir, t.Root() + u"/");
  std::vector<std::string> after;
  back.OnProcessingAFile = [&](const lx::UnicodeString& full, const lx::TMySearchRec&) {
    after.push_back(U8(full).substr(t.dir.path.string().size() + 1));
  };
  back.ProcessAllFilesFound();
  EXPECT_EQ(after, before);

  // Read by another tool.
  lx::current_tool_var = static_cast<lx::tool_type>(1);
  ASSERT_NE(lx::CurrentSignature[0], lx::CurrentSignature[1]);
  EXPECT_FALSE(back.ReadFavourites());
  lx::current_tool_var = static_cast<lx::tool_type>(0);
  EXPECT_EQ(back.TotalFiles(), 0);

  // Every truncation is refused with the file's name, never read as a shorter set.
  const std::string whole = t.dir.Read("favs.dat");
  for (size_t cut : {size_t(4), size_t(10), whole.size() / 2, whole.size() - 1}) {
    t.dir.Write("favs.dat", whole.substr(0, cut));
    try {
      back.ReadFavourites();
      ADD_FAILURE() << "read a favourites file cut at " << cut;
    } catch (const lx::Exception& e) {
      EXPECT_EQ(e.Message, u"Cannot read: " + t.it.Favourites);
    }
  }
  back.Favourites = t.dir.File("no/such/folder/favs.dat");
  EXPECT_THROW(back.SaveFavourites(), lx::Exception);
  lx::current_tool_var = running;
}
