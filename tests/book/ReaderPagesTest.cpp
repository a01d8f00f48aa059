// The reader's pages a build writes beside the book: the text the search index takes from
// a page, the index's escaping, the topic index page, and what a build leaves.

#include <gtest/gtest.h>

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/ReaderPages.h"
#include "tests/book/BookFixture.h"

namespace kvx::test {
namespace {

TEST(ReadPageText, CutsThePageAtItsAnchorsAndLeavesOutTheBarAndMarkup) {
  const std::string html =
      "<HTML><HEAD><TITLE>Chapter 6: Employees</TITLE><LINK REL=\"stylesheet\"></HEAD>\r\n"
      "<BODY>\r\n"
      "<div class=\"kvxbar\"><a href=\"contents.htm\">Contents</a></div>\r\n"
      "<!-- START_READ -->\r\n"
      "<H2>Chapter 6. Employees</H2>\r\n"
      "<p>Hiring the <b>first</b> employee&nbsp;changes a business.</p>\r\n"
      "<A NAME=\"06.01\"></A><H3>6.1 Payroll taxes</H3>\r\n"
      "<p>Withhold the employee&rsquo;s tax &amp; FICA.</p><p>Deposit it.</p>\r\n"
      "<A NAME=\"III(b)\"></A><a name=\"EMP WITH\"></a>\r\n"
      "<p>Text\r\nover lines</p>\r\n"
      "<a href=\"#x\">a link, not an anchor</a>\r\n"
      "<A NAME=\"EMPTY\"></A>\r\n"
      "<!-- STOP_READ -->\r\n"
      "<A NAME=\"LAST\"></A><p>&unknown; &#233; &#x41;</p>\r\n"
      "<A NAME=\"ALONE\"></A><H4>A heading alone</H4><A NAME=\"END\"></A>\r\n"
      "<div class=\"kvxbar\"><a href=\"search.htm\">Search</a></div>\r\n"
      "</BODY></HTML>\r\n";
  const PageText text = ReadPageText("chap06.htm", html);
  EXPECT_EQ("Chapter 6: Employees", text.title);
  ASSERT_EQ(5u, text.sections.size());
  EXPECT_EQ("chap06.htm", text.sections[0].href);
  EXPECT_EQ("Chapter 6. Employees", text.sections[0].title);
  EXPECT_EQ("Hiring the first employee changes a business.", text.sections[0].text);
  EXPECT_EQ("chap06.htm#06.01", text.sections[1].href);
  EXPECT_EQ("6.1 Payroll taxes", text.sections[1].title);
  EXPECT_EQ("Withhold the employee\u2019s tax & FICA. Deposit it.", text.sections[1].text);
  // A run of anchors leads to its first; a section without a heading has no title.
  EXPECT_EQ("chap06.htm#III(b)", text.sections[2].href);
  EXPECT_EQ("", text.sections[2].title);
  EXPECT_EQ("Text over lines a link, not an anchor", text.sections[2].text);
  // No words stand between EMPTY and LAST, a run again (the markers are comments); an
  // unknown entity stays as it is written.
  EXPECT_EQ("chap06.htm#EMPTY", text.sections[3].href);
  EXPECT_EQ("&unknown; \u00e9 A", text.sections[3].text);
  // A heading is words enough: the anchor after it begins no run with ALONE.
  EXPECT_EQ("chap06.htm#ALONE", text.sections[4].href);
  EXPECT_EQ("A heading alone", text.sections[4].title);
  EXPECT_EQ("", text.sections[4].text);
}

TEST(SearchIndex, IsAsciiJavaScriptAndGivesBackItsLinks) {
  PageText page;
  page.title = "Appendix \"A\"";
  page.sections.push_back({"appendA.htm", "", "caf\u00e9 \\ end"});
  page.sections.push_back(
      {"statchap.htm#SALES TAX", "Sales \u2014 tax", "\xF0\x9F\x98\x80 bad \xC3"});
  const std::string index = SearchIndexText({{"appendA.htm", page}});
  for (char c : index) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
  EXPECT_TRUE(StartsWith(index, "// "));
  EXPECT_TRUE(Contains(index, "var KVX_SEARCH_INDEX = {"));
  EXPECT_TRUE(Contains(index, "\"appendA.htm\": \"Appendix \\\"A\\\"\""));
  EXPECT_TRUE(Contains(index, "[\"appendA.htm\", \"\", \"caf\\u00e9 \\\\ end\"]"));
  // A character beyond the first plane is a surrogate pair; a broken byte, U+FFFD.
  EXPECT_TRUE(Contains(index,
                       "[\"statchap.htm#SALES%20TAX\", \"Sales \\u2014 tax\", "
                       "\"\\ud83d\\ude00 bad \\ufffd\"]"));
  EXPECT_TRUE(Contains(index, "\n}};\n"));
  EXPECT_EQ((std::vector<std::string>{"appendA.htm", "statchap.htm#SALES%20TAX"}),
            SearchIndexLinks(index));
  EXPECT_EQ((std::vector<std::string>{"p.htm#caf\u00e9\"q"}),
            SearchIndexLinks("[\"p.htm#caf\\u00e9\\\"q\", \"\", \"\"]\n"));
}

TEST(TopicsPage, SortsEntriesWithTheirSubEntriesAndLinksAsTheMainWindowOpens) {
  const std::vector<std::string> rows = {
      "----(Double-click to select item)----\\",
      "SALES TAX -- CALIFORNIA       \\statchap.htm#SALES TAX",
      "ACCOUNTING                    \\11",
      "...Cash flow management       \\11#11.04",
      "...Fraud & warning flags      \\11#FRAUD",
      "ABOUT THE AUTHOR              \\http://www.corvanta.com/about.htm",
      "BENEFITS                      \\",
      "ACCRUAL BASIS ACCOUNTING      \\11#ACCRUAL",
      "1099 INFORMATION RETURNS      \\15#15.01",
  };
  const std::string page = TopicsPageText(rows, "Opusgrand, California edition");
  EXPECT_FALSE(Contains(page, "Double-click"));
  EXPECT_TRUE(Contains(page, "<LINK REL=\"stylesheet\" HREF=\"book.css\">"));
  EXPECT_TRUE(Contains(page, "<i>Opusgrand, California edition</i>"));
  // Entries beginning with a figure come first, in a group of their own.
  EXPECT_TRUE(Contains(page,
                       "<p class=\"kvxletters\"><a href=\"#letter-0-9\">0-9</a> "
                       "<a href=\"#letter-A\">A</a> <a href=\"#letter-B\">B</a> "
                       "<a href=\"#letter-S\">S</a></p>"));
  EXPECT_LT(page.find(">1099 INFORMATION RETURNS<"), page.find(">ABOUT THE AUTHOR<"));
  const std::size_t about = page.find(">ABOUT THE AUTHOR<");
  const std::size_t accounting = page.find(">ACCOUNTING<");
  const std::size_t cash = page.find(">Cash flow management<");
  const std::size_t fraud = page.find(">Fraud &amp; warning flags<");
  const std::size_t accrual = page.find(">ACCRUAL BASIS ACCOUNTING<");
  const std::size_t sales = page.find(">SALES TAX -- CALIFORNIA<");
  ASSERT_NE(std::string::npos, sales);
  EXPECT_TRUE(about < accounting && accounting < cash && cash < fraud && fraud < accrual &&
              accrual < sales);
  EXPECT_TRUE(Contains(page,
                       "<li><a href=\"chap11.htm\">ACCOUNTING</a>\r\n<ul>\r\n"
                       "<li><a href=\"chap11.htm#11.04\">Cash flow management</a></li>"));
  EXPECT_TRUE(Contains(page, "<a href=\"statchap.htm#SALES%20TAX\">"));
  EXPECT_TRUE(Contains(page,
                       "<a class=\"kvxweb\" href=\"http://www.corvanta.com/about.htm\">"
                       "ABOUT THE AUTHOR</a> <small>(web site)</small>"));
  EXPECT_TRUE(Contains(page, "<li>BENEFITS</li>"));  // no place in the book to open
  EXPECT_EQ(2, Count(page, "class=\"kvxbar\""));
}

TEST(WriteReaderPages, EveryBuildWritesThemForItsStateAndEdition) {
  TestApp t("OK\nOK\nOK\nOK\n");
  PutEmptyBook(t);
  t.Put("chap06.dat", Encoded({"<HTML><HEAD><TITLE>Chapter 6</TITLE></HEAD><BODY>",
                               "<A NAME=\"06.01\"></A><H3>6.1 Payroll</H3>",
                               "<p>@Company withholds income tax.</p>", "</BODY></HTML>"}));
  t.Put("appendA.dat", Encoded({"<A NAME=\"MYINFO\"></A><p>checklist of @Company</p>"}));
  t.Put("NoStart.htm", "<p>general checklist</p>\r\n");
  LoadCompany(t.app, SampleDataSet());
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_TRUE(CreateBook(app)); }));
  const std::string topics = t.Get("topics.htm");
  EXPECT_TRUE(Contains(topics, "Opusgrand, California edition, for Acme Pizza Parlor"));
  EXPECT_TRUE(Contains(topics, "<a href=\"statchap.htm#NTRO\">CALIFORNIA--GENERAL STATE INFO</a>"));
  EXPECT_FALSE(Contains(topics, "ALABAMA--GENERAL STATE INFO"));
  EXPECT_TRUE(
      Contains(topics, "<a href=\"appendC.htm#FORM2553\">FORM 2553 -- S CORP ELECTION</a>"));
  EXPECT_TRUE(Contains(t.Get("search.htm"), "<script src=\"searchdb.js\"></script>"));
  const std::string index = t.Get("searchdb.js");
  EXPECT_TRUE(Contains(index,
                       "[\"chap06.htm#06.01\", \"6.1 Payroll\", "
                       "\"Acme Pizza Parlor withholds income tax.\"]"));
  EXPECT_TRUE(Contains(index, "\"chap06.htm\": \"Chapter 6\""));
  EXPECT_TRUE(Contains(index, "checklist of Acme Pizza Parlor"));

  // The generic edition: its own appendix A, nothing of the company.
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_TRUE(BuildGenericEdition(app)); }));
  const std::string generic = t.Get("topics.htm");
  EXPECT_TRUE(Contains(generic, "Opusgrand, California edition (generic)"));
  EXPECT_TRUE(Contains(generic, "CALIFORNIA--GENERAL STATE INFO"));
  EXPECT_FALSE(Contains(generic, "Acme"));
  EXPECT_TRUE(Contains(t.Get("searchdb.js"), "general checklist"));
  EXPECT_FALSE(Contains(t.Get("searchdb.js"), "Acme"));
}

TEST(WriteReaderPages, TheIndexFollowsTheReadingOrderHoweverThePagesCome) {
  TempFolder folder;
  const auto page = [](const std::string& anchor) {
    return "<HTML><HEAD><TITLE>" + anchor + "</TITLE></HEAD><BODY><A NAME=\"" + anchor +
           "\"></A><p>words of " + anchor + "</p></BODY></HTML>";
  };
  WriteFile(folder.path() + "appendB.htm", page("B"));  // a ready page, read from the folder
  EditionText text;
  for (const char* name : {"appendC", "chap02", "contents", "statchap", "preface", "chap01"})
    text.Add(std::string(name) + ".htm", page(name));
  const EditionFacts facts{"heading", "Texas", "TX", false};
  TopicEntries topics;
  WriteReaderPages(facts, topics.For(facts), folder.path(), std::move(text), FolderWrite::Replace);
  const std::string index = ReadFileBytes(folder.path() + kSearchIndex);
  EXPECT_EQ(
      (std::vector<std::string>{"preface.htm#preface", "chap01.htm#chap01", "chap02.htm#chap02",
                                "statchap.htm#statchap", "appendB.htm#B", "appendC.htm#appendC"}),
      SearchIndexLinks(index));
  EXPECT_TRUE(Contains(index, "\"appendB.htm\": \"B\""));
  EXPECT_TRUE(Contains(index, "\"chap02.htm\": \"chap02\""));
  EXPECT_FALSE(Contains(index, "contents"));
  EXPECT_TRUE(Contains(ReadFileBytes(folder.path() + kTopicsPage), "heading"));
}

}  // namespace
}  // namespace kvx::test
