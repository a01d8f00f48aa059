#pragma once
// Opening a place of the book (or a web page) in the user's web browser, and the rule
// that turns a topic-index target into a Chapter address.
//
// A Chapter address is a book page relative to the program folder with an optional
// "#anchor" ("chap06.htm#06.10", "statchap.htm#TAX_CORP"), an absolute path (it contains
// ":\" or begins with "/"), or a web address (it begins with "http").

#include <string>

namespace kvx {

struct App;

inline constexpr int kLastChapter = 17;
inline constexpr const char* kWorkaroundPage = "TEMPHTML.HTM";

// Opens app.nav.ChapterAddress; afterwards it holds the address handed to the browser.
void OpenBookLocation(App& app);

// Starts the browser on one address; on failure shows the "Problem opening" box.
void LaunchBrowser(App& app, const std::string& address);

// "11#ACCRUAL" -> "chap11.htm#ACCRUAL", "statchap.htm#NTRO" unchanged, else empty.
std::string TopicTargetToAddress(const std::string& target);

// True for the absolute forms of a Chapter address.
bool IsAbsoluteAddress(const std::string& address);

// The text after "Click here to continue" on the workaround page.
std::string LinkSuffix(const std::string& address, const std::string& stateName);

// The six lines of the workaround page, each ended by CR LF. link is the full target.
std::string WorkaroundPageText(const std::string& pathSpec, const std::string& link,
                               const std::string& suffix);

// The quick message shown once about the browser that lands at the wrong place.
std::string BrowserNotice();

}  // namespace kvx
