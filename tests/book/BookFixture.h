#pragma once
// Helpers of the book tests: templates written as plain text and encoded on the way in,
// a company loaded from data-set lines, and the kvxbook tool run as a process.

#include <string>
#include <vector>

#include "tests/support/TestApp.h"

namespace kvx::test {

// Plain text lines encoded as a template file is stored (CR LF after each line).
std::string Encoded(const std::vector<std::string>& plainLines);

// Fills the profile from the 18 lines of a data set.
void LoadCompany(App& app, const std::vector<std::string>& dataSetLines);

// Writes every template of the book as an empty file, then a state file, so that a
// build runs; tests then overwrite the pages they look at.
void PutEmptyBook(TestApp& t, const std::string& stateCode = "CA");

// Runs build/Corvanta/kvxbook with the arguments; returns its standard output and sets
// status to its exit status.
std::string RunKvxbook(const std::string& arguments, int& status);

// Quotes a path for the shell.
std::string Quoted(const std::string& path);

}  // namespace kvx::test
