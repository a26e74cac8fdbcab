// lexmill on tagged texts, repeated sentences and clusters counted on disk.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "tests/test_files.h"
#include "tests/tools/lexmill_run.h"

namespace {

using lxtest::TRun;

TEST(LexmillTags, AnHtmlPageReadsAsItsPlainTextTwin) {
  lxtest::TempDir t;
  for (const char* lang : {"eng", "rus"}) {
    const std::string html = lxtest::DataFile(std::string("udhr/") + lang + ".html");
    const std::string text = lxtest::DataFile(std::string("udhr/") + lang + ".utf8.txt");
    const TRun tagged = lxtest::Mill({"wordlist", "--min-freq", "1", html}, t);
    ASSERT_EQ(tagged.rc, 0) << tagged.err;
    EXPECT_EQ(tagged.err.find("warning"), std::string::npos) << tagged.err;
    const TRun plain = lxtest::Mill({"wordlist", "--min-freq", "1", text}, t);
    ASSERT_EQ(plain.rc, 0) << plain.err;
    std::map<std::string, long> a = lxtest::WordCounts(tagged.out), b = lxtest::WordCounts(plain.out);
    if (std::string(lang) == "eng") {
      // The plain twin writes U+2010 HYPHEN as "-", a word-internal character; the page's U+2010 separates.
      const std::map<std::string, long> joined = {
          {"co-operation", 2}, {"non-political", 1}, {"non-self-governing", 1}, {"well-being", 1}};
      for (const auto& [word, n] : joined) {
        EXPECT_EQ(b[word], n) << word;
        b.erase(word);
        std::istringstream parts(word);
        for (std::string part; std::getline(parts, part, '-');) b[part] += n;
      }
    }
    EXPECT_EQ(a, b) << lang;
    // Kept, the tags are words.
    const TRun kept = lxtest::Mill({"wordlist", "--tags", "keep", "--min-freq", "1", html}, t);
    EXPECT_GT(lxtest::WordCounts(kept.out)["p"], 50) << lang;
  }
}

TEST(LexmillTags, AutoStripOptionsReferencesAndWarnings) {
  lxtest::TempDir t;
  t.Write("a.txt", "<doc>caf&eacute; &amp; <b>bo</b>ld</doc>\n");
  t.Write("b.txt", "plain <b> text &amp;\n");
  t.Write("c.xml", "<r><s>one two</s>\n<s>three <i>four</r>\n");
  t.Write("d.txt", "[x]word[/x] <kept>\n");
  const std::string h = "#word\tfrequency\tpercent\ttexts\n";
  TRun r = lxtest::Mill({"wordlist", "--format", "tsv", "--sort", "alpha", t.Native("a.txt")}, t);
  EXPECT_EQ(r.rc, 0) << r.err;
  EXPECT_NE(r.out.find("bold\t1\t"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("caf\xC3\xA9\t1\t"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("doc"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("amp"), std::string::npos) << r.out;
  // Does not start with "<": read as it is, unless told to strip.
  r = lxtest::Mill({"wordlist", t.Native("b.txt")}, t);
  EXPECT_NE(r.out.find("\nb\t"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\namp\t"), std::string::npos) << r.out;
  r = lxtest::Mill({"wordlist", "--tags", "strip", t.Native("b.txt")}, t);
  EXPECT_EQ(r.out.find("\nb\t"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("\namp\t"), std::string::npos) << r.out;
  // An unclosed tag: one warning for the file, and the words still counted.
  r = lxtest::Mill({"wordlist", t.Native("c.xml")}, t);
  EXPECT_EQ(r.rc, 0);
  EXPECT_NE(r.err.find("the tag <i> on line 2 is never closed"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("\nfour\t1\t"), std::string::npos) << r.out;
  // Lines are counted at every kind of line end, a CR alone included.
  t.Write("cr.html", "<html>\r\n<body>\r\n\r\n<p>x</p>\r<div>y\r\n</body></html>\r\n");
  r = lxtest::Mill({"wordlist", t.Native("cr.html")}, t);
  EXPECT_NE(r.err.find("the tag <div> on line 5 is never closed"), std::string::npos) << r.err;
  r = lxtest::Mill({"wordlist", "--tags=strip", "--tag-delimiters", "[]", t.Native("d.txt")}, t);
  EXPECT_NE(r.out.find("\nword\t1\t"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nkept\t1\t"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("\nx\t"), std::string::npos) << r.out;
  for (const char* bad : {"--tags=maybe", "--tag-delimiters=<", "--tag-delimiters=<<"}) {
    r = lxtest::Mill({"wordlist", bad, t.Native("a.txt")}, t);
    EXPECT_EQ(r.rc, 2) << bad;
  }
}

// In an XML corpus <s> is a sentence and <u> an utterance, not HTML's strike-through and underline: no tag
// of an XML document joins the words either side of it, unless the document is XHTML.
TEST(LexmillTags, XmlElementsNeverJoinWords) {
  lxtest::TempDir t;
  t.Write("tei.xml", "<text><u who=\"A\"><s>yes indeed</s></u><u><s>no way</s><s>never</s></u></text>\n");
  t.Write("declared.txt", "<?xml version=\"1.0\"?>\n<doc><s>one</s><s>two</s><q>three</q>four</doc>\n");
  t.Write("page.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE html>\n<html><p>un<b>be</b>lievable</p></html>\n");
  const auto words = [&](const char* name) {
    return lxtest::WordCounts(lxtest::Mill({"wordlist", "--tags", "strip", t.Native(name)}, t).out);
  };
  EXPECT_EQ(words("tei.xml"),
            (std::map<std::string, long>{{"yes", 1}, {"indeed", 1}, {"no", 1}, {"way", 1}, {"never", 1}}));
  EXPECT_EQ(words("declared.txt"),
            (std::map<std::string, long>{{"one", 1}, {"two", 1}, {"three", 1}, {"four", 1}}));
  EXPECT_EQ(words("page.xml"), (std::map<std::string, long>{{"unbelievable", 1}}));
}

TEST(LexmillRepeats, SentencesRepeatedWithinAndAcrossTexts) {
  lxtest::TempDir t;
  t.Write("a.txt",
          "This is the standard notice of the firm. Something else here entirely.\n"
          "This is the standard   notice of the firm!\n\nShort one. Short one.\n");
  t.Write("b.txt", "THIS is the standard notice\nof the firm. Another sentence of six words.\n");
  t.Write("c.txt",
          "He paid 3.50 dollars for it, e.g. in cash. Then he left the shop for good.\n"
          "He paid 3.50 dollars for it, e.g. in cash.\n");
  const std::string a = t.Native("a.txt"), b = t.Native("b.txt"), c = t.Native("c.txt");
  TRun r = lxtest::Mill({"repeats", a, b, c}, t);
  EXPECT_EQ(r.rc, 0) << r.err;
  // Compared by words, case folded: line breaks, spaces and the terminator do not matter. The first form met
  // is shown. "3.50" and "e.g." before a lower-case word do not end a sentence.
  EXPECT_EQ(r.out,
            "#sentence\tfrequency\ttexts\toccurrences\n"
            "This is the standard notice of the firm.\t3\t2\t" +
                a + " (2); " + b +
                " (1)\n"
                "He paid 3.50 dollars for it, e.g. in cash.\t2\t1\t" +
                c + " (2)\n");
  r = lxtest::Mill({"repeats", "--min-words", "3", "--top", "1", "--case", a, b}, t);
  EXPECT_EQ(r.out,
            "#sentence\tfrequency\ttexts\toccurrences\n"
            "This is the standard notice of the firm.\t2\t1\t" +
                a + " (2)\n");
  r = lxtest::Mill({"repeats", "--min-words", "2", a}, t);
  EXPECT_NE(r.out.find("Short one.\t2\t1\t"), std::string::npos) << r.out;
  EXPECT_EQ(lxtest::Mill({"repeats", "--min-words", "0", a}, t).rc, 2);
  EXPECT_EQ(lxtest::Mill({"repeats"}, t).rc, 2);
}

TEST(LexmillClusters, SpillingToDiskGivesTheSameClusters) {
  lxtest::TempDir t;
  const std::string novel = lxtest::DataFile("en/austen-opening.txt");
  const std::string page = lxtest::DataFile("udhr/eng.html");
  t.Write("again.txt", "It is a truth universally acknowledged. Human rights and fundamental freedoms.\n");
  for (const char* size : {"3", "2-4"}) {
    const std::vector<std::string> base = {"clusters", "--size", size, "--min-freq",
                                           "1",        novel,    page, t.Native("again.txt")};
    const TRun memory = lxtest::Mill(base, t);
    ASSERT_EQ(memory.rc, 0) << memory.err;
    EXPECT_EQ(memory.err.find("sorted runs"), std::string::npos);
    std::vector<std::string> spilled = base;
    spilled.insert(spilled.begin() + 1, {"--memory", "1K"});
    const TRun disk = lxtest::Mill(spilled, t);
    ASSERT_EQ(disk.rc, 0) << disk.err;
    EXPECT_NE(disk.err.find("sorted runs on disk"), std::string::npos) << disk.err;
    EXPECT_EQ(disk.out, memory.out) << size;
    // Clusters met in several texts count each text once, though a text's counts were spread over runs.
    EXPECT_NE(memory.out.find("\nit is a\t"), std::string::npos);
  }
  for (const char* bad : {"0", "512", "12X", "G"})
    EXPECT_EQ(lxtest::Mill({"clusters", "--memory", bad, novel}, t).rc, 2) << bad;
  EXPECT_EQ(lxtest::Mill({"clusters", "--memory", "4M", novel}, t).rc, 0);
}

}  // namespace
