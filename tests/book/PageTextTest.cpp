// The scans that read every byte of a built page: the words and the index come out the
// same wherever a blank, a tag or a byte to escape falls.

#include <gtest/gtest.h>

#include <random>

#include "book/PageText.h"
#include "book/ReaderPages.h"

namespace kvx::test {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// The words of a text without markup: blanks collapsed to one space, none at the ends.
std::string Collapsed(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (!IsBlank(c)) {
      out += c;
    } else if (!out.empty() && out.back() != ' ') {
      out += ' ';
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

TEST(ReadPageText, CollapsesBlanksWhereverTheyFallInAChunk) {
  // Words of every length, parted by one to three blanks of every kind, with control
  // bytes and UTF-8 among the letters, so that every place of a chunk is tried.
  std::mt19937 random(11);
  const std::string letters = "abcXYZ019.,;\"'\x01\x7F\xC3\xA9";
  const std::string blanks = "  \t\r\n\f";
  for (int page = 0; page < 200; ++page) {
    std::string text;
    for (int word = 0; word < 60; ++word) {
      for (std::size_t n = random() % 20; n > 0; --n) text += letters[random() % letters.size()];
      for (std::size_t n = 1 + random() % 3; n > 0; --n) text += blanks[random() % blanks.size()];
    }
    const PageText read = ReadPageText("p.htm", "<p>" + text + "</p>");
    const std::string expected = Collapsed(text);
    if (expected.empty()) {
      EXPECT_TRUE(read.sections.empty());
      continue;
    }
    ASSERT_EQ(1u, read.sections.size());
    EXPECT_EQ(expected, read.sections[0].text) << "page " << page;
  }
}

TEST(ReadPageText, EndsARunAtMarkupAnywhereInAChunk) {
  for (std::size_t at = 1; at < 40; ++at) {
    const std::string before(at, 'a'), after(40 - at, 'b');
    EXPECT_EQ(before + "&" + after + " x",
              ReadPageText("p.htm", before + "&amp;" + after + "<br>x").sections.at(0).text);
    const PageText anchored = ReadPageText("p.htm", before + "<A NAME=\"n\"></A>" + after);
    ASSERT_EQ(2u, anchored.sections.size()) << at;
    EXPECT_EQ("p.htm#n", anchored.sections[1].href);
    EXPECT_EQ(after, anchored.sections[1].text);
  }
}

TEST(SearchIndex, EscapesACharacterAnywhereInAChunk) {
  for (std::size_t at = 0; at < 40; ++at) {
    for (const auto& [raw, escaped] : std::vector<std::pair<std::string, std::string>>{
             {"\"", "\\\""}, {"\\", "\\\\"}, {"\x7F", "\\u007f"}, {"\xC3\xA9", "\\u00e9"}}) {
      const std::string text = std::string(at, 'a') + raw + std::string(40 - at, 'b');
      PageText page;
      page.sections.push_back({"p.htm", "", text});
      const std::string expected =
          "\"" + std::string(at, 'a') + escaped + std::string(40 - at, 'b') + "\"]";
      EXPECT_NE(std::string::npos, SearchIndexText({{"p.htm", page}}).find(expected))
          << at << " " << escaped;
    }
  }
}

}  // namespace
}  // namespace kvx::test
