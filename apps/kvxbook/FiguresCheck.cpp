#include "FiguresCheck.h"

#include <algorithm>
#include <set>

#include "base/Files.h"
#include "base/Text.h"
#include "core/Edition.h"

namespace kvxbook {

namespace {

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::size_t from = 0;
  for (std::size_t tab; (tab = row.find('\t', from)) != std::string::npos; from = tab + 1)
    cells.push_back(kvx::TrimSpaces(row.substr(from, tab - from)));
  cells.push_back(kvx::TrimSpaces(row.substr(from)));
  return cells;
}

bool IsYear(const std::string& text) {
  return text.size() == 4 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
         (text[0] == '1' || text[0] == '2');
}

}  // namespace

FigureTable ReadFigureTable(const std::vector<std::string>& lines, bool byState) {
  const std::vector<std::string> columns =
      byState ? std::vector<std::string>{"state", "key", "text", "year", "source"}
              : std::vector<std::string>{"key", "text", "year", "source"};
  std::string joined;
  for (const std::string& c : columns) joined += (joined.empty() ? "" : ", ") + c;
  FigureTable table;
  bool header = false;
  std::set<std::pair<std::string, std::string>> seen;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    const std::string& row = lines[i];
    if (kvx::TrimSpaces(row).empty() || row[0] == '#') continue;
    std::vector<std::string> cells = Cells(row);
    if (!header) {
      header = true;
      cells.resize(std::min(cells.size(), columns.size()));
      if (cells != columns)
        table.problems.push_back({line, "the first row must name the columns " + joined});
      continue;
    }
    const std::size_t first = byState ? 1 : 0;  // the key's column
    if (cells.size() < columns.size() ||
        std::any_of(cells.begin(), cells.begin() + static_cast<long>(columns.size()),
                    [](const std::string& c) { return c.empty(); })) {
      table.problems.push_back({line, "a row needs " + joined + ", each filled in"});
      continue;
    }
    const std::string& year = cells[first + 2];
    if (!IsYear(year)) {
      table.problems.push_back({line, "\"" + year + "\" is not a year"});
      continue;
    }
    DatedFigure figure{line, byState ? cells[0] : "", cells[first], std::stoi(year)};
    if (!seen.insert({figure.state, figure.key}).second) {
      table.problems.push_back(
          {line, (byState ? figure.state + " " : std::string()) + figure.key + " is given twice"});
      continue;
    }
    table.figures.push_back(figure);
  }
  if (!header) table.problems.push_back({0, "no header row naming the columns " + joined});
  return table;
}

std::vector<DatedFigure> FiguresNotKnownFor(const FigureTable& table, int taxYear) {
  std::vector<DatedFigure> earlier;
  for (const DatedFigure& f : table.figures)
    if (f.year < taxYear) earlier.push_back(f);
  std::stable_sort(earlier.begin(), earlier.end(),
                   [](const DatedFigure& a, const DatedFigure& b) { return a.state < b.state; });
  return earlier;
}

std::string NotKnownLine(const DatedFigure& figure, int taxYear) {
  return "figure not known for " + std::to_string(taxYear) +
         (figure.state.empty() ? "" : " in " + figure.state) + ": " + figure.key + " (given for " +
         std::to_string(figure.year) + ")";
}

void CheckFigures(const std::string& dir, CheckReport& report) {
  const int taxYear = kvx::BuiltEdition().taxYear;
  for (const bool byState : {false, true}) {
    const std::string path = kvx::Resolve(dir + (byState ? "STATE_FIGURES.TXT" : "FIGURES.TXT"));
    if (!kvx::Exist(path)) continue;  // an edition without dated figures
    std::vector<std::string> lines;
    if (!ReadCheckedLines(path, report, lines)) continue;
    const FigureTable table = ReadFigureTable(lines, byState);
    for (const FigureProblem& p : table.problems) report.Add(kvx::NameOf(path), p.line, p.message);
    for (const DatedFigure& f : FiguresNotKnownFor(table, taxYear))
      report.Note(NotKnownLine(f, taxYear));
  }
}

}  // namespace kvxbook
