#include "book/TemplateProcessor.h"

#include <optional>

#include "base/Errors.h"
#include "base/Files.h"
#include "book/BookFiles.h"
#include "book/BookSources.h"
#include "book/BookText.h"
#include "book/ConditionCodes.h"
#include "book/LineCodec.h"
#include "book/StateChapter.h"
#include "core/App.h"
#include "core/Messages.h"

namespace kvx {

const std::array<const char*, 39> kStateSectionKeys = {
    "SOLEPROP FORM", "PSHIP FORM",  "C CORP FORM", "S CORP FORM",  "LLC FORM",   "BULKSALES",
    "TAXREL",        "UI RATING",   "LICENSES",    "FRANCH TAX",   "SALES TAX",  "PROPTAX",
    "OTHER TAX",     "TRADE NAMES", "EMP WITH",    "UI TAX",       "WCOMP",      "MINWAGE",
    "CHILD",         "OSHA",        "MISC LABOR",  "WAGEPAY",      "DISCRIM",    "NEWHIRE",
    "AGENCIES",      "SBDC",        "WEB URLS",    "FINANCING",    "REALTY W-H", "TAXES",
    "FAMLEAVE",      "NTRO",        "WARN",        "LIE_DETECTOR", "GEN_PSHIP",  "LIM_PSHIP",
    "LLP_PSHIP",     "TDI",         "TELEMARKET"};

std::string SectionAnchor(std::string_view key) {
  return "<A NAME=\"" + std::string(key) + "\">";
}

ChapterLines IndexChapter(std::vector<std::string> lines) {
  ChapterLines chapter;
  chapter.lines = std::move(lines);
  chapter.inserted.reserve(chapter.lines.size());
  for (std::size_t i = 0; i < chapter.lines.size(); ++i) {
    if (Contains(chapter.lines[i], "<A NAME=\"")) chapter.anchorLines.push_back(i);
    chapter.inserted.push_back(ReplaceAll(chapter.lines[i], "href=\"#", "href=\"statchap.htm#"));
  }
  return chapter;
}

std::string InsertKey(std::string_view line) {
  for (const char* key : kStateSectionKeys)
    if (Contains(line, "INSERT=" + std::string(key))) return key;
  return {};
}

namespace {

constexpr const char* kNotFound =
    "<p><FONT FACE=\"Arial Black\" SIZE=+1 COLOR=\"red\"> THIS ITEM WAS NOT FOUND IN STATE "
    "FILE</FONT></p>";

class Processor {
 public:
  Processor(TemplateContext& context, std::string& out)
      : c_(context), p_(context.profile), out_(out), customised_(p_.DataComplete == "Y") {}

  void Line(std::string_view line) {
    // Every directive and token begins with "@": most lines need no more than this test.
    if (line.find('@') == std::string::npos) {
      if (!Suppressed()) Write(line);
      return;
    }
    if (Contains(line, "@INSERT")) return InsertSection(line);
    if (Contains(line, "@@")) {
      if (!Contains(line, "@@REM")) AnalyzeIt(std::string(line));
      return;
    }
    if (Suppressed()) return;
    if (Contains(line, "@IF[")) return IfLine(std::string(line));
    WriteSubstituted(line);
  }

 private:
  bool Suppressed() const { return readCode_ == -1 || nestCode_ == -1; }
  bool Holds(std::int32_t code) const { return CheckCode(p_, c_.states, code) == 1; }

  void Write(std::string_view line) {
    out_.append(line);
    out_.append("\r\n");
  }

  void AnalyzeIt(std::string line) {
    const bool nest = Contains(line, "@NEST");
    if (Contains(line, "<!--@@")) return Opening(line, nest);
    if (Contains(line, "@@ELSE")) return Else(line, nest);
    if (Contains(line, "@@-->")) {
      nestCode_ = 0;
      if (!nest) readCode_ = 0;
      return;
    }
    c_.message("Error in AnalyzeIt subroutine in TestFile SUB, for unrecognized @@ code. T$= " +
               line);
  }

  void Opening(std::string line, bool nest) {
    const bool ifGen = Contains(line, "@IFGEN");
    if (!customised_) {
      if (ifGen) {
        readCode_ = 1, nestCode_ = 0;
        return;
      }
      // Every other block of a generic build is suppressed, whatever it tests.
      readCode_ = -1, nestCode_ = -1;
    } else if (ifGen) {
      readCode_ = -1, nestCode_ = 0;
      return;
    }
    bool t = true;
    if (customised_ && Contains(line, "@IFSTATE")) {
      line += ' ';
      if (!Contains(line, " " + p_.StateCode + " ")) t = false;
    }
    if (Contains(line, "@IFCODE")) {
      std::size_t bar = line.find('|');
      while (bar != std::string::npos) {
        if (!Holds(LeadingCode(std::string_view(line).substr(bar + 1)))) t = false;
        bar = line.find('|', bar + 1);
      }
    }
    if (!customised_) t = false;
    if (!nest) {
      readCode_ = t ? 1 : -1;
    } else if (readCode_ == -1) {
      nestCode_ = 0;  // the outer block already suppresses everything
    } else if (readCode_ == 1) {
      nestCode_ = t ? 1 : -1;
    } else {
      c_.message("Error in AnalyzeIt SUBR: @NEST encountered, when READCODE=0  T$= " + line);
    }
  }

  void Else(const std::string& line, bool nest) {
    if (!customised_) {
      readCode_ = -1, nestCode_ = 0;
    } else if (readCode_ == 1 && nest) {
      if (nestCode_ == 0)
        c_.message("Error: Nestcode = 0 at @@ELSE statement. T$= " + line);
      else
        nestCode_ = -nestCode_;
    } else if (readCode_ == 1) {
      readCode_ = -1;
    } else if (readCode_ == -1 && nest) {
      nestCode_ = -1;
    } else if (readCode_ == -1) {
      readCode_ = 1;
    } else {
      c_.message("@@ELSE encountered, where READCODE=0.  T$= " + line);
    }
  }

  void IfLine(const std::string& raw) {
    const std::string line = TrimSpaces(raw);
    if (!StartsWith(line, "@IF[")) return;
    const std::int32_t code = LeadingCode(std::string_view(line).substr(4, 3));
    std::string text;
    if (line.size() > 8) text = line.substr(8);
    if (line.size() == 8) text = " ";
    if (code < 0 || !Holds(code)) return;
    if (!customised_ && !StartsWith(line, "@IF[5")) return;
    WriteSubstituted(text);
  }

  using Tokens = std::array<std::pair<std::string_view, std::string>, 14>;

  // The tokens' values, made once for the page: the profile does not change meanwhile.
  Tokens MakeTokens() const {
    const std::string company = EscapeHtml(p_.Company);
    return {{
        {"@COMPANY", EscapeHtml(UpperAscii(p_.Company))},
        {"@Company", company},
        {"@company",
         "<SMALL><FONT FACE=\"Arial Black\" COLOR=\"blue\">" + company + "</FONT></SMALL>"},
        // Every other value comes from the data-set file too, which anyone may edit or
        // send, so it is escaped as well; the values the interview gives hold nothing to
        // escape and come out as they are.
        {"@STATE", EscapeHtml(UpperAscii(p_.StateName))},
        {"@State", EscapeHtml(p_.StateName)},
        {"@county", p_.StateCode == "LA"   ? "parish"
                    : p_.StateCode == "AK" ? "borough"
                                           : "county"},
        {"@ENTITY", EscapeHtml(UpperAscii(p_.Entity))},
        {"@Entity", EscapeHtml(p_.Entity)},
        {"@EMP", EscapeHtml(p_.EmployeesText)},
        {"@BUSTYPE", EscapeHtml(UpperAscii(p_.BizDescription))},
        {"@Bustype", EscapeHtml(LowerAscii(p_.BizDescription))},
        // The folder keeps its letter case: on a case-sensitive file system a lowered
        // path would lead nowhere. A folder name may hold "&" or "<" too, so it is escaped.
        {"@PATHSPEC", EscapeHtml(c_.pathSpec)},
        {"@GROSS", EscapeHtml(UpperAscii(p_.Revenues))},
        {"@Gross", EscapeHtml(LowerAscii(p_.Revenues))},
    }};
  }

  // One left-to-right pass: a value put into the line is never searched for tokens, so
  // a company name that happens to hold "@State" is shown as typed. For template text
  // this gives what replacing each token in turn gives, as no token begins another.
  // The line is written with its tokens replaced.
  void WriteSubstituted(std::string_view line) {
    if (!tokens_) tokens_ = MakeTokens();
    const Tokens& tokens = *tokens_;
    std::string& result = out_;
    std::size_t i = 0;
    while (i < line.size()) {
      const std::size_t at = line.find('@', i);
      if (at == std::string::npos) break;
      result.append(line, i, at - i);
      i = at + 1;
      bool matched = false;
      for (const auto& [token, value] : tokens) {
        if (line.substr(at, token.size()) == token) {
          result += value;
          i = at + token.size();
          matched = true;
          break;
        }
      }
      if (!matched) result += '@';
    }
    result.append(line, i, std::string::npos);
    result.append("\r\n");
  }

  void InsertSection(std::string_view line) {
    const std::string key = InsertKey(line);
    if (key.empty() || Suppressed()) return;
    const std::string anchor = SectionAnchor(key);
    const ChapterLines& chapter = c_.stateChapter();
    // Only anchor lines can hold the section's anchor or end the section; the section
    // starts after the first line holding its anchor. A later anchor of the same key is
    // not copied; an anchor holding "_6A" or "TDI" stays inside the section.
    bool written = false;
    std::size_t next = 0;
    while (next < chapter.anchorLines.size() &&
           !Contains(chapter.lines[chapter.anchorLines[next]], anchor))
      ++next;
    if (next < chapter.anchorLines.size()) {
      for (std::size_t i = chapter.anchorLines[next++] + 1; i < chapter.lines.size(); ++i) {
        const std::string& chapterLine = chapter.lines[i];
        if (next < chapter.anchorLines.size() && chapter.anchorLines[next] == i) {
          ++next;
          if (Contains(chapterLine, anchor)) continue;
          if (!Contains(chapterLine, "_6A") && !Contains(chapterLine, "TDI")) break;
        }
        Write(chapter.inserted[i]);
        written = true;
      }
    }
    if (!written) Write(kNotFound);
  }

  TemplateContext& c_;
  const CompanyProfile& p_;
  std::string& out_;
  const bool customised_;
  std::optional<Tokens> tokens_;
  int readCode_ = 0;
  int nestCode_ = 0;
};

}  // namespace

void ProcessTemplate(std::string_view rawText, TemplateContext& context, std::string& out) {
  Processor processor(context, out);
  std::string line;
  ForEachLine(rawText, [&](std::string_view raw) {
    DecodeInto(raw, line);
    processor.Line(line);
  });
}

void ProcessDecodedTemplate(std::string_view text, TemplateContext& context, std::string& out) {
  Processor processor(context, out);
  ForEachLine(text, [&](std::string_view line) { processor.Line(line); });
}

namespace {

// Where needle (upper case) begins in text compared ignoring ASCII letter case, from the
// end when last; npos when it does not occur.
std::size_t FindUpper(std::string_view text, std::string_view needle, bool last) {
  if (text.size() < needle.size()) return std::string_view::npos;
  const std::size_t end = text.size() - needle.size();
  for (std::size_t n = 0; n <= end; ++n) {
    const std::size_t at = last ? end - n : n;
    std::size_t k = 0;
    while (k < needle.size() && UpperAsciiChar(text[at + k]) == needle[k]) ++k;
    if (k == needle.size()) return at;
  }
  return std::string_view::npos;
}

// Puts the page's reading bar, made from the book's table of pages, after the line that
// opens the body (after the fence that keeps it out of the printable book, where one
// follows) and before the line that closes it. A page the table does not know has none.
void AddReadingBars(std::string& page, const std::string& templateFile) {
  std::string tmpl = NameOf(templateFile);
  if (const std::size_t dot = tmpl.rfind('.'); dot != std::string::npos) tmpl.resize(dot);
  const BookPage* found = FindBookPage(tmpl + ".htm");
  if (!found || found->tmpl.empty()) return;
  const std::string bar = ReadingBar(found->file) + "\r\n";
  // The body opens near the top and closes near the end: a page is not searched whole.
  std::size_t top = FindUpper(page, "<BODY", false);
  if (top != std::string::npos && top != 0 && page[top - 1] != '\n') top = std::string::npos;
  if (top != std::string::npos) {
    top = page.find('\n', top);
    top = top == std::string::npos ? page.size() : top + 1;
    const std::size_t next = page.find('\n', top);
    if (next != std::string::npos &&
        std::string_view(page).substr(top, next - top).find("STOP_EBOOK") != std::string::npos)
      top = next + 1;
  }
  std::size_t bottom = FindUpper(page, "</BODY>", true);
  if (bottom != std::string::npos) {
    const std::size_t start = page.rfind('\n', bottom);
    bottom = start == std::string::npos ? 0 : start + 1;
  }
  if (bottom != std::string::npos && (top == std::string::npos || bottom >= top))
    page.insert(bottom, bar);
  if (top != std::string::npos) page.insert(top, bar);
}

}  // namespace

bool MakePage(App& app, const TemplateSource& source,
              const std::function<const ChapterLines&()>& stateChapter, std::string& page,
              const std::string& workFile, int* directiveMessages) {
  page.clear();
  TemplateContext context{app.profile, app.states, app.session.PathSpec,
                          [&app, directiveMessages](const std::string& text) {
                            if (directiveMessages) ++*directiveMessages;
                            app.ui.ShowMessage(Box(app.session.ProgName, text, Icon::Information));
                          },
                          stateChapter};
  KvxError error = source.error;
  try {
    if (error.number == 0) {
      try {
        page.reserve(source.text.size() + source.text.size() / 4);
        ProcessDecodedTemplate(source.text, context, page);
        AddReadingBars(page, source.fileName);
      } catch (...) {
        error = CurrentError();
      }
    }
    // The page holds what was made before any failure; a template that cannot be read
    // leaves an empty page.
    if (!workFile.empty()) WriteFile(workFile, page);
  } catch (...) {
    if (error.number == 0) error = CurrentError();
  }
  if (error.number == 0) return true;
  app.ui.ShowMessage(
      Box(app.session.ProgName,
          "Error # " + NumberText(error.number) + " in MakeFiles SUB, FLNAM$= " + source.fileName,
          Icon::Information));
  return false;
}

bool MakeFiles(App& app, const std::string& pageName, StateChapterCache& cache, std::string& page,
               bool writeWorkFile, int* directiveMessages) {
  const TemplateSource source = ReadTemplate(app.Path(pageName + ".dat"));
  return MakePage(
      app, source,
      [&app, &cache]() -> const ChapterLines& { return StateChapterLines(app, cache); }, page,
      writeWorkFile ? app.Path("OUTPUT.HTM") : std::string(), directiveMessages);
}

}  // namespace kvx
