#pragma once
// The files the book is made of.

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// A page of the book, as the one table below gives it.
struct BookPage {
  std::string_view file;  // the page's name in the book
  std::string_view tmpl;  // the template it is made from (tmpl + ".dat"); empty for none
  int buildStep;          // where a build makes it (1 first); 0 for a page not made from a template
  bool searched;          // in the search index
  bool printed;           // copied into the one-file printable book
};

// Every page of the book in reading order, the order of the reading bar's Previous and
// Next. The state chapter is made from the state's file, appendix B is a ready page, and
// appendix C stays out of the printable book.
inline constexpr BookPage kBookPages[] = {
    {"contents.htm", "contents", 1, false, true}, {"preface.htm", "preface", 2, true, true},
    {"chap01.htm", "chap01", 5, true, true},      {"chap02.htm", "chap02", 6, true, true},
    {"chap03.htm", "chap03", 7, true, true},      {"chap04.htm", "chap04", 8, true, true},
    {"chap05.htm", "chap05", 9, true, true},      {"chap06.htm", "chap06", 10, true, true},
    {"chap07.htm", "chap07", 11, true, true},     {"chap08.htm", "chap08", 12, true, true},
    {"chap09.htm", "chap09", 13, true, true},     {"chap10.htm", "chap10", 14, true, true},
    {"chap11.htm", "chap11", 15, true, true},     {"chap12.htm", "chap12", 16, true, true},
    {"chap13.htm", "chap13", 17, true, true},     {"chap14.htm", "chap14", 18, true, true},
    {"chap15.htm", "chap15", 19, true, true},     {"chap16.htm", "chap16", 20, true, true},
    {"chap17.htm", "chap17", 21, true, true},     {"statchap.htm", "", 0, true, true},
    {"appendA.htm", "appendA", 3, true, true},    {"appendB.htm", "", 0, true, true},
    {"appendC.htm", "appendC", 4, true, false},
};

// The page a file name (letter case ignored) names; nullptr when it is none of the book's.
const BookPage* FindBookPage(std::string_view file);

// The page names of the reading order ("contents.htm" ...).
std::vector<std::string> ReadingOrder();

// The templates a build makes pages from, in the order it makes them ("contents" ...).
std::vector<std::string> TemplatePageNames();

// The reading bar of a page of the book: Contents, Previous, Next (a missing neighbour
// shown but not linked), Topic index and Search, on one line without its line end.
std::string ReadingBar(std::string_view file);

// The files start-up requires, in the order it checks them: the seventeen chapter
// templates, then contents, appendix A, appendix B, the business plan text, appendix C
// and the preface.
inline std::vector<std::string> TemplateCheckNames() {
  std::vector<std::string> names;
  for (int n = 1; n <= 17; ++n)
    names.push_back(std::string("chap") + (n < 10 ? "0" : "") + std::to_string(n) + ".dat");
  for (const char* name :
       {"contents.dat", "appendA.dat", "appendB.htm", "bizplan.txt", "appendC.dat", "preface.dat"})
    names.emplace_back(name);
  return names;
}

// The pictures the pages show (the printable book copies them beside itself).
inline const std::vector<std::string>& BookPictureNames() {
  static const std::vector<std::string> names = {
      "FED_2553.pdf", "klogotxt.jpg", "corners1.gif", "discrim.gif",  "eeocpost.gif",
      "emp_app1.gif", "erisa.gif",    "horiyell.gif", "jobquery.gif", "notice.gif",
      "workshA1.gif", "workshA2.gif", "workshA4.gif", "workshA5.gif", "workshA6.gif",
      "workshA7.gif", "workshA9.gif", "workshB1.gif", "workshB2.gif", "workshB4.gif",
      "workshB5.gif", "workshB6.gif", "workshB7.gif", "workshB9.gif", "workshC2.gif",
      "workshC7.gif", "workshD2.gif", "workshD7.gif", "worksh3.gif",  "worksh8.gif",
      "worksh10.gif", "worksh11.gif"};
  return names;
}

// The reader's pages every build writes beside the book's pages.
inline constexpr const char* kTopicsPage = "topics.htm";
inline constexpr const char* kSearchPage = "search.htm";
inline constexpr const char* kSearchIndex = "searchdb.js";

// The shipped files the book's pages and the reader pages load.
inline constexpr const char* kStyleSheet = "book.css";
inline constexpr const char* kSearchScript = "search.js";

// The ready files an edition's pages link to, used as they are: the ready pages, the
// stylesheet every page links and the search page's script.
inline std::vector<std::string> BookReadyNames() {
  return {"appendB.htm", "bizplan.txt", kStyleSheet, kSearchScript};
}

}  // namespace kvx
