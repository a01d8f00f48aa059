#pragma once
// The files the book is made of.

#include <string>
#include <vector>

namespace kvx {

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

// The shipped files the book's pages and the reader pages load.
inline constexpr const char* kStyleSheet = "book.css";
inline constexpr const char* kSearchScript = "search.js";

// The ready files an edition's pages link to, used as they are: the ready pages, the
// stylesheet every page links and the search page's script.
inline std::vector<std::string> BookReadyNames() {
  return {"appendB.htm", "bizplan.txt", kStyleSheet, kSearchScript};
}

}  // namespace kvx
