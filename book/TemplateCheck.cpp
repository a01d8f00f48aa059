#include "book/TemplateCheck.h"

#include "base/Files.h"
#include "book/BookText.h"
#include "book/ConditionCodes.h"
#include "book/LineCodec.h"
#include "book/TemplateProcessor.h"

namespace kvx {

int UndecodableByte(const std::string& rawLine) {
  for (char c : rawLine) {
    const unsigned char k = static_cast<unsigned char>(c);
    // The encoding stores a space as 52 and raises everything else above it.
    if (k >= 32 && k <= 51) return k;
  }
  return -1;
}

namespace {

void CheckCodes(const std::string& line, int number, std::vector<TemplateProblem>& problems) {
  auto check = [&](std::int32_t code) {
    if (!IsKnownCode(code))
      problems.push_back({number, "code " + std::to_string(code) + " is not a known condition"});
  };
  if (!Contains(line, "@INSERT") && !Contains(line, "@@REM") && Contains(line, "<!--@@") &&
      Contains(line, "@IFCODE")) {
    for (std::size_t bar = line.find('|'); bar != std::string::npos; bar = line.find('|', bar + 1))
      check(LeadingCode(std::string_view(line).substr(bar + 1)));
  }
  const std::string trimmed = TrimSpaces(line);
  if (!Contains(line, "@@") && StartsWith(trimmed, "@IF["))
    check(LeadingCode(std::string_view(trimmed).substr(4, 3)));
}

// The printable book leaves out what stands between STOP_EBOOK and START_EBOOK; an
// unpaired marker loses the rest of a page or copies a page's head. A line with a reading
// marker acts as that marker alone.
void CheckEbookMarkers(const std::string& line, int number, int& stop,
                       std::vector<TemplateProblem>& problems) {
  if (Contains(line, "START_READ") || Contains(line, "STOP_READ") || Contains(line, "END_READ"))
    return;
  if (Contains(line, "STOP_EBOOK")) {
    if (stop != 0)
      problems.push_back({number, "a STOP_EBOOK before the START_EBOOK that ends the one of line " +
                                      std::to_string(stop)});
    stop = number;
  } else if (Contains(line, "START_EBOOK")) {
    if (stop == 0)
      problems.push_back({number,
                          "a START_EBOOK without a STOP_EBOOK before it (the printable "
                          "book copies from here)"});
    stop = 0;
  }
}

}  // namespace

std::vector<TemplateProblem> CheckTemplate(const std::vector<std::string>& rawLines) {
  std::vector<TemplateProblem> problems;
  int outer = 0, nested = 0;  // line numbers of the open blocks, 0 when none
  int ebookStop = 0;          // the line of a STOP_EBOOK not yet ended, 0 when none
  int number = 0;
  for (const std::string& raw : rawLines) {
    ++number;
    if (const int k = UndecodableByte(raw); k >= 0) {
      problems.push_back({number, "stored byte " + std::to_string(k) +
                                      " is not in the line encoding (is the file encoded?)"});
      continue;
    }
    const std::string line = DecodeLine(raw);
    CheckCodes(line, number, problems);
    CheckEbookMarkers(line, number, ebookStop, problems);
    if (Contains(line, "@INSERT")) {
      if (InsertKey(line).empty())
        problems.push_back({number, "@INSERT names no state section key"});
      continue;
    }
    if (!Contains(line, "@@") || Contains(line, "@@REM")) continue;
    const bool nest = Contains(line, "@NEST");
    const bool opening = Contains(line, "<!--@@");
    const bool other = !opening && !Contains(line, "@@ELSE") && !Contains(line, "@@-->");
    if (other) {
      problems.push_back({number, "unrecognised @@ directive"});
      continue;
    }
    if (nest && outer == 0) {
      problems.push_back({number, "a nested (@NEST) line outside a block"});
      continue;
    }
    if (opening) {
      (nest ? nested : outer) = number;
      continue;
    }
    const bool closing = !Contains(line, "@@ELSE");
    if ((nest ? nested : outer) == 0) {
      problems.push_back(
          {number, std::string(closing ? "a closing" : "an else") + " line without an open block"});
      continue;
    }
    if (closing) {
      nested = 0;
      if (!nest) outer = 0;
    }
  }
  if (ebookStop != 0)
    problems.push_back({ebookStop,
                        "a STOP_EBOOK without a START_EBOOK after it (the printable "
                        "book leaves out the rest of the page)"});
  if (nested != 0) problems.push_back({nested, "a nested block still open at the end of the file"});
  if (outer != 0) problems.push_back({outer, "a block still open at the end of the file"});
  return problems;
}

std::vector<TemplateProblem> CheckStateFile(const std::vector<std::string>& rawLines, int row) {
  std::vector<TemplateProblem> problems;
  std::vector<std::string> lines;
  int number = 0;
  for (const std::string& raw : rawLines) {
    ++number;
    if (const int k = UndecodableByte(raw); k >= 0)
      problems.push_back({number, "stored byte " + std::to_string(k) +
                                      " is not in the line encoding (is the file encoded?)"});
    lines.push_back(DecodeLine(raw));
  }
  const int end = std::max<int>(1, static_cast<int>(lines.size()));
  for (const char* key : kStateSectionKeys) {
    const std::string anchor = SectionAnchor(key);
    bool found = false;
    for (const std::string& line : lines)
      if (Contains(line, anchor)) found = true;
    if (!found) problems.push_back({end, "no section anchor " + anchor});
  }
  const std::string expected = (row < 10 ? "LEGAL00" : "LEGAL0") + std::to_string(row);
  number = 0;
  for (const std::string& line : lines) {
    ++number;
    const std::string upper = UpperAscii(line);
    if (!Contains(upper, "<A NAME=") || !Contains(upper, "LEGAL0")) continue;
    // The identity anchor: <A NAME="LEGAL0NN"></A>, alone on its line.
    const std::string trimmed = TrimSpaces(upper);
    const bool wellFormed = StartsWith(trimmed, "<A NAME=\"LEGAL0") && trimmed.size() >= 23 &&
                            trimmed.substr(trimmed.size() - 6) == "\"></A>";
    if (!wellFormed)
      problems.push_back({number, "the state identity anchor is not <A NAME=\"" + expected +
                                      "\"></A> alone on its line"});
    else if (trimmed.substr(trimmed.size() - 8, 2) != expected.substr(expected.size() - 2))
      problems.push_back({number, "the state identity anchor names row " +
                                      trimmed.substr(trimmed.size() - 8, 2) + ", not " +
                                      expected.substr(expected.size() - 2)});
    return problems;
  }
  problems.push_back({end, "no state identity anchor <A NAME=\"" + expected + "\"></A>"});
  return problems;
}

}  // namespace kvx
