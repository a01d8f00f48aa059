#pragma once
// kvxbook check, figures part: the tables of dated figures that an edition ships beside its
// book (FIGURES.TXT: key, text, year, source; STATE_FIGURES.TXT: state, key, text, year,
// source; tab-separated, a header row first, "#" lines are comments). A figure given for
// an earlier year than the edition's tax year is not known for that year: each is listed,
// by state for the state table, without counting as a problem. A malformed row is one.

#include <string>
#include <vector>

#include "CheckCommand.h"

namespace kvxbook {

struct DatedFigure {
  int line = 0;
  std::string state;  // empty in FIGURES.TXT
  std::string key;
  int year = 0;
};

struct FigureProblem {
  int line = 0;  // from 1
  std::string message;
};

struct FigureTable {
  std::vector<DatedFigure> figures;
  std::vector<FigureProblem> problems;
};

// Reads a table's lines; byState when its first column is the state.
FigureTable ReadFigureTable(const std::vector<std::string>& lines, bool byState);

// The figures of a table given for an earlier year than taxYear, in the order of the
// table (by state, then in the table's order, for a state table).
std::vector<DatedFigure> FiguresNotKnownFor(const FigureTable& table, int taxYear);

// "figure not known for YEAR: KEY (given for EARLIER)", with " in CA" after the
// year for a state's figure.
std::string NotKnownLine(const DatedFigure& figure, int taxYear);

// Checks and lists the tables of dir, where present, for the built edition's tax year.
void CheckFigures(const std::string& dir, CheckReport& report);

}  // namespace kvxbook
