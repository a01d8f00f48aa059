#pragma once
// What the interview and dialog tests share: a program folder with a current company,
// the files of a folder to compare before and after, and the script of a whole
// interview.

#include <map>
#include <string>

#include "tests/support/TestApp.h"

namespace kvx::test {

// A program folder holding the book's files for CA and TX and the current data set
// ACME.KVX (Acme Pizza Parlor, a California corporation), loaded as start-up does.
void CurrentAcme(TestApp& t);

// Every file of the folder with its bytes, but the quick messages' hand-off file.
std::map<std::string, std::string> Snapshot(const TestApp& t);

// The answers of a whole mode-2 interview of a new company: a corporation owned by
// several people, 5 employees, retail, with fileName asked (empty: the same company,
// so no file name is asked) and the book confirmed.
// business answers the business-type dialog, inventories its question.
std::string NewCompanyScript(
    const std::string& name, const std::string& fileName,
    const std::string& business = "select Retail Merchandising\nclick OK\n",
    const std::string& inventories = "Yes\n");

}  // namespace kvx::test
