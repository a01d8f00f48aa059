// The one-file printable book: what it takes from each page, and its questions.

#include <gtest/gtest.h>

#include <filesystem>

#include "book/PrintableBook.h"
#include "tests/book/BookFixture.h"

namespace kvx::test {
namespace {

// A built book whose pages carry no markers, except those a test writes.
void PutBuiltBook(TestApp& t) {
  t.SetProgramFolder();
  LoadCompany(t.app, SampleDataSet());
  for (const char* page :
       {"contents.htm", "preface.htm", "statchap.htm", "appendA.htm", "appendB.htm", "appendC.htm"})
    t.Put(page, "<p>no marker\r\n");
  for (int n = 1; n <= 17; ++n)
    t.Put(std::string("chap") + (n < 10 ? "0" : "") + std::to_string(n) + ".htm", "none\r\n");
}

// The compiled file's lines from the first line after the pages (the Appendix B part).
std::string Tail(const std::string& book) {
  return book.substr(book.find("<br>\r\n<hr>\r\n<br>"));
}

TEST(MakeOneFile, TakesTheReadingTextBetweenMarkers) {
  TestApp t("OK\nNo\nCancel\n");
  PutBuiltBook(t);
  t.Put("contents.htm", "<HTML><HEAD>\r\n<p>contents\r\nSTOP_READ\r\nhidden\r\n");
  t.Put("preface.htm",
        "head\r\nSTART_READ STOP_READ\r\n<p>see <a href=\"chap05.htm#05.01\">5.1</a> and "
        "<a href=\"chap05.htm\">chapter 5</a>\r\nSTART_READ\r\nSTOP_EBOOK\r\nweb only\r\n"
        "START_EBOOK here\r\n@EBOOK_ONLY\r\nEND_READ\r\nafter the end\r\n");
  t.Put("statchap.htm",
        "before\r\n<A NAME=\"PAKEND\">\r\n<A NAME=\"I\"></A>\r\nI part\r\n<A NAME=\"PAKEND\">\r\n"
        "<A NAME=\"FINANCING\">\r\nmoney <a href=\"statchap.htm#X\">x</a>\r\n"
        "<A NAME=\"PAKEND\">\r\nnever\r\n");
  std::string bookFile;
  ASSERT_EQ(0, t.Run([&](App& app) { bookFile = MakeOneFile(app); }));
  ASSERT_EQ(t.dir() + "docs/KVXDOCS/CA_BOOK.HTM", bookFile);
  const std::string book = t.Get("docs/KVXDOCS/CA_BOOK.HTM");
  const std::string expectedPages =
      "<HTML><HEAD>\r\n<p>contents\r\n"
      "<hr>  </p>\r\n<p>see <a href=\"#05.01\">5.1</a> and <a href=\"chap05.htm\">chapter "
      "5</a>\r\n</p>\r\n\r\n\r\n"
      "<br> <hr>\r\n<A NAME=\"TOP_STATE\"></A>\r\n<FONT FACE=\"Arial Black\"SIZE=+2>\r\n"
      "<p align=\"CENTER\">Part V. &nbsp; &nbsp; California Chapter</FONT></p>\r\n"
      "<p align=\"center\"><img src=\"horiyell.gif\"alt=\"horiyell.gif (1505 bytes)\" "
      "WIDTH=\"650\" HEIGHT=\"19\">\r\n</p>\r\n"
      "<A NAME=\"I\"></A>\r\nI part\r\n<A NAME=\"PAKEND\">\r\n<A NAME=\"FINANCING\">\r\n"
      "money <a href=\"#X\">x</a>\r\n";
  EXPECT_EQ(expectedPages, book.substr(0, expectedPages.size()));
  EXPECT_EQ(std::string::npos, book.find("never"));
  EXPECT_EQ(std::string::npos, book.find("no marker"));
  EXPECT_NE(std::string::npos, Tail(book).find("<A NAME=\"SEC15\"></A>\r\n"));
  EXPECT_NE(std::string::npos, Tail(book).find("in California,\" since you chose not to include"));
  EXPECT_EQ(0u, Tail(book).rfind("<br>\r\n<hr>\r\n<br>\r\n<A NAME=\"TOP_APPB\"></A>\r\n", 0));
  EXPECT_TRUE(book.ends_with(
      "button on the main Corvanta screen) and printing that HTML file from your browser.\r\n"
      "<hr><br>\r\n</HTML>\r\n"));
  const std::string shown = t.Output();
  EXPECT_NE(std::string::npos, shown.find("The software will now compile the \"Opusgrand\n"
                                          "  in California\" book into a single HTML file"));
  EXPECT_NE(std::string::npos, shown.find("title: Include Business Plan Outline?\nicon: "
                                          "question\nbuttons: Yes No Cancel\ndefault: No\n"));
  EXPECT_NE(std::string::npos, shown.find("  " + bookFile + "\n"));
  EXPECT_EQ(std::string::npos, shown.find("== BROWSE"));
}

TEST(MakeOneFile, WithTheOutlineAndALongStateName) {
  TestApp t("OK\nYes\nOK\n");
  PutBuiltBook(t);
  t.app.profile.StateName = "North Carolina";
  t.app.profile.StateCode = "NC";
  t.app.session.Generic = "Y";
  t.Put("appendB.htm", "START_READ\r\noutline <a href=\"appendB.htm#P2\">p2</a>\r\n");
  ASSERT_EQ(0, t.Run([](App& app) { MakeOneFile(app); }));
  const std::string book = t.Get("docs/KVXDOCS/NC_BOOK.HTM");
  EXPECT_NE(std::string::npos, book.find("<hr>  </p>\r\noutline <a href=\"#P2\">p2</a>\r\n"));
  EXPECT_EQ(std::string::npos, book.find("SEC15"));
  const std::string shown = t.Output();
  EXPECT_NE(std::string::npos, shown.find("compile the \"Opusgrand in\n  North Carolina\" book"));
  EXPECT_NE(std::string::npos, shown.find("  (Generic Version)\n"));
  EXPECT_NE(std::string::npos,
            shown.find("== BROWSE\naddress: " + t.dir() + "docs/KVXDOCS/NC_BOOK.HTM\n"));
}

TEST(MakeOneFile, CancelAndAMissingPage) {
  TestApp cancel("Cancel\n");
  PutBuiltBook(cancel);
  ASSERT_EQ(0, cancel.Run([](App& app) { EXPECT_EQ("", MakeOneFile(app)); }));
  EXPECT_FALSE(cancel.Has("docs/KVXDOCS/CA_BOOK.HTM"));

  TestApp missing("OK\nNo\nOK\n");
  PutBuiltBook(missing);
  std::filesystem::remove(missing.dir() + "chap09.htm");
  ASSERT_EQ(0, missing.Run([](App& app) { EXPECT_EQ("", MakeOneFile(app)); }));
  EXPECT_NE(std::string::npos,
            missing.Output().find("== MESSAGE\ntitle: \nicon: none\nbuttons: OK\ndefault: OK\n"
                                  "text: Error #  53 in MakeOneFile SUB\n"));
}

TEST(MakeOneFile, OnXpTheBookGoesToTheProgramFolderWithoutPictures) {
  TestApp t("OK\nNo\nCancel\n");
  PutBuiltBook(t);
  t.Put("FED_2553.pdf", "pdf");
  t.app.session.WinVer = "XP";
  ASSERT_EQ(0, t.Run([](App& app) { MakeOneFile(app); }));
  EXPECT_TRUE(t.Has("CA_BOOK.HTM"));
  EXPECT_FALSE(t.Has("docs/KVXDOCS"));
}

TEST(CopyBookImages, CopiesInOrderAndStopsSilentlyAtAMissingPicture) {
  TestApp t;
  t.SetProgramFolder();
  for (const char* picture : {"FED_2553.pdf", "KLOGOTXT.JPG", "corners1.gif", "erisa.gif"})
    t.Put(picture, picture);
  CopyBookImages(t.app, t.dir() + "out/");
  EXPECT_EQ("FED_2553.pdf", t.Get("out/FED_2553.pdf"));
  EXPECT_EQ("KLOGOTXT.JPG", t.Get("out/klogotxt.jpg"));
  EXPECT_TRUE(t.Has("out/corners1.gif"));
  EXPECT_FALSE(t.Has("out/erisa.gif"));  // discrim.gif, before it, is missing
  EXPECT_EQ("", t.Output());
}

TEST(ViewBookFile, SaysWhenThereIsNoBookFile) {
  TestApp t;
  PutBuiltBook(t);
  ViewBookFile(t.app);
  EXPECT_EQ("== QUICK\ntext: Printable file not created yet or not found at " + t.dir() +
                "docs/KVXDOCS/CA_BOOK.HTM\n\n",
            t.Output());
}

}  // namespace
}  // namespace kvx::test
