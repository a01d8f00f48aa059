// The template processor beyond the golden cases: the line encoding, failures while a
// page is made, bad input, and the reading of tokens.

#include <gtest/gtest.h>

#include "base/Files.h"
#include "book/BookText.h"
#include "book/LineCodec.h"
#include "book/StateChapter.h"
#include "book/TemplateProcessor.h"
#include "tests/book/BookFixture.h"

namespace kvx::test {
namespace {

TEST(LineCodec, DecodesBytesAndEncodesBack) {
  EXPECT_EQ("", DecodeLine(""));
  // Below 32 unchanged; 32 to 51 a space; 52 and above lowered by 20.
  EXPECT_EQ(std::string("\t\r   !A\xEB"), DecodeLine(std::string("\t\r\x20\x33\x34\x35U\xFF")));
  std::string all;
  for (int k = 1; k <= 235; ++k) all += static_cast<char>(k);
  EXPECT_EQ(all, DecodeLine(EncodeLine(all).value()));
  EXPECT_EQ("\x34", EncodeLine(" ").value());
  EXPECT_FALSE(EncodeLine("a\xEC").has_value());  // 236 and above cannot be stored
  EXPECT_FALSE(EncodeLine("\xFF").has_value());
}

// A page made in memory for the sample company.
struct Page {
  explicit Page(std::vector<std::string> lines = {}) : chapter(IndexChapter(std::move(lines))) {
    LoadCompany(t.app, SampleDataSet());
  }
  std::string Make(const std::vector<std::string>& plain) {
    TemplateContext context{t.app.profile, t.app.states, "/opt/Corvanta Dir/",
                            [this](const std::string& m) { messages.push_back(m); },
                            [this]() -> const ChapterLines& { return chapter; }};
    std::string out;
    ProcessTemplate(Encoded(plain), context, out);
    return out;
  }
  TestApp t;
  ChapterLines chapter;
  std::vector<std::string> messages;
};

TEST(Tokens, ValuesAreNeverSearchedForTokensAgain) {
  Page page;
  page.t.app.profile.Company = "Smith @State @EMP & Co";
  EXPECT_EQ("Smith @State @EMP &amp; Co in California\r\n", page.Make({"@Company in @State"}));
}

TEST(Tokens, EveryValueFromTheDataSetIsEscaped) {
  Page page;
  CompanyProfile& p = page.t.app.profile;
  p.StateName = "<i>Ohio";
  p.Entity = "LLC\"";
  p.EmployeesText = "<script>";
  p.Revenues = "R&D";
  EXPECT_EQ("&lt;I&gt;OHIO &lt;i&gt;Ohio LLC&quot; LLC&quot; &lt;script&gt; R&amp;D r&amp;d\r\n",
            page.Make({"@STATE @State @ENTITY @Entity @EMP @GROSS @Gross"}));
}

TEST(Tokens, CountyFollowsTheStateAndThePathKeepsItsCase) {
  Page page;
  EXPECT_EQ("county /opt/Corvanta Dir/\r\n", page.Make({"@county @PATHSPEC"}));
  page.t.app.profile.StateCode = "AK";
  EXPECT_EQ("borough\r\n", page.Make({"@county"}));
  page.t.app.profile.StateCode = "LA";
  EXPECT_EQ("parish\r\n", page.Make({"@county"}));
}

TEST(Tokens, CaseChangesTouchAsciiLettersOnly) {
  Page page;
  page.t.app.profile.Company = "caf\xC3\xA9 \xC3\x89lan";
  page.t.app.profile.BizDescription = "\xC3\x89TUDES Bar";
  EXPECT_EQ("CAF\xC3\xA9 \xC3\x89LAN|\xC3\x89tudes bar\r\n", page.Make({"@COMPANY|@Bustype"}));
}

TEST(MakeFiles, MissingStateChapterAtAnInsertEndsThePageWithAMessage) {
  TestApp t("OK\n");
  PutEmptyBook(t);
  LoadCompany(t.app, SampleDataSet());
  t.Put("chap01.dat", Encoded({"before", "@INSERT=SALES TAX", "after"}));
  StateChapterCache cache;
  std::string page;
  ASSERT_EQ(0, t.Run([&](App& app) { EXPECT_FALSE(MakeFiles(app, "chap01", cache, page)); }));
  EXPECT_EQ("before\r\n", page);
  EXPECT_EQ("before\r\n", t.Get("OUTPUT.HTM"));
  EXPECT_NE(std::string::npos,
            t.Output().find("Error #  53 in MakeFiles SUB, FLNAM$= " + t.dir() + "chap01.dat"));
}

TEST(MakeFiles, StateChapterIsReadAgainOnlyWhenItChanged) {
  TestApp t;
  PutEmptyBook(t);
  LoadCompany(t.app, SampleDataSet());
  t.Put("chap01.dat", Encoded({"@INSERT=SALES TAX"}));
  t.Put("statchap.htm", "<A NAME=\"SALES TAX\">\r\nfirst\r\n");
  StateChapterCache cache;
  std::string page;
  ASSERT_EQ(0, t.Run([&](App& app) { EXPECT_TRUE(MakeFiles(app, "chap01", cache, page)); }));
  EXPECT_EQ("first\r\n", page);
  // A rewrite of another size is seen at once.
  t.Put("statchap.htm", "<A NAME=\"SALES TAX\">\r\nsecond, longer\r\n");
  ASSERT_EQ(0, t.Run([&](App& app) { EXPECT_TRUE(MakeFiles(app, "chap01", cache, page)); }));
  EXPECT_EQ("second, longer\r\n", page);
}

TEST(MakeFiles, BinaryBytesHugeLinesAndUnbalancedBlocksNeverStopTheBuild) {
  TestApp t(std::string(20, '\n') + "OK\nOK\nOK\nOK\n");
  PutEmptyBook(t);
  LoadCompany(t.app, SampleDataSet());
  std::string binary;
  for (int k = 0; k < 256; ++k)
    if (k != '\n') binary += static_cast<char>(k);
  const std::string huge(1 << 20, 'U');  // stored "A"s
  t.Put("chap01.dat", binary + "\r\n" + huge + "\r\n" +
                          Encoded({"@@-->", "@@ELSE @NEST", "<!--@@ @IFCODE |117", "@INSERT=TDI",
                                   "@IF[", "@IF[99999999999]x"}));
  t.Put("statchap.htm", std::string("\0\xFF", 2) + "\r\n<A NAME=\"TDI\">\r\n" + huge + "\n");
  StateChapterCache cache;
  std::string page;
  ASSERT_EQ(0, t.Run([&](App& app) { EXPECT_TRUE(MakeFiles(app, "chap01", cache, page)); }));
  EXPECT_EQ(DecodeLine(binary) + "\r\n" + std::string(1 << 20, 'A') + "\r\n" + huge + "\r\n", page);
  EXPECT_EQ(1, Count(t.Output(), "== MESSAGE"));  // the nested else outside a block
}

TEST(BookText, LeadingCodesAndEscaping) {
  EXPECT_EQ(117, LeadingCode("  117]x"));
  EXPECT_EQ(0, LeadingCode("none"));
  EXPECT_EQ(-5, LeadingCode("-5"));
  EXPECT_EQ(-1, LeadingCode("99999999999"));
  EXPECT_EQ("a&amp;b&lt;c&gt;d&quot;e'", EscapeHtml("a&b<c>d\"e'"));
  EXPECT_EQ("&lt;&lt;plain&gt;&amp;", EscapeHtml("<<plain>&"));
  EXPECT_EQ("", EscapeHtml(""));
  EXPECT_EQ("xyzxyz", ReplaceAll("xx", "x", "xyz"));
}

}  // namespace
}  // namespace kvx::test
