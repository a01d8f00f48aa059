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

}  // namespace kvx
