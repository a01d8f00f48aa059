#pragma once
// The one-file printable book: the reading text of every page compiled into
// StateCode + "_BOOK.HTM" in the book folder.

#include <string>

namespace kvx {

struct App;

// The printable book's file name: the state code + "_BOOK.HTM".
std::string BookFileName(const App& app);

// The one file's text, compiled from the built pages of the program folder, with or
// without the business plan outline. Reads the pages; writes nothing.
std::string CompileBook(App& app, bool outline);

// The folder the printable book is written to, ending in "/".
std::string BookFolder(App& app);

// Asks, compiles and offers to open the book file. Returns the full name of the book
// file when it was written, empty when the user cancelled or it failed.
std::string MakeOneFile(App& app);

// Opens the compiled book file in the browser, or says it is not there.
void ViewBookFile(App& app);

// Copies the pictures the pages show into folder (ending in "/"); stops silently at the
// first one that cannot be copied.
void CopyBookImages(App& app, const std::string& folder);

}  // namespace kvx
