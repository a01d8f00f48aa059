#pragma once
// Finding and feeding the user's web browser on Linux. The browser is whatever the
// first entry of $BROWSER names, else xdg-open when it is on the PATH, else the desktop's
// own URL handler. Local files go over as file:// URLs so that their "#anchor" survives.
// xdg-open without a desktop environment drops the fragment, so an anchored local page
// handed to it goes through a small redirect page that carries the full URL.

#include <string>
#include <vector>

namespace kvx {

// The redirect page's name, written beside the page it leads to.
inline constexpr const char* kRedirectPage = "KVXJUMP.HTM";

// The command that starts the browser, or empty when none is found. browserVar and
// pathVar are the values of $BROWSER and $PATH (empty when unset).
std::string FindBrowserCommand(const std::string& browserVar, const std::string& pathVar);

// A local path ("/a b/chap06.htm#06.10", or a drive path) as a file:// URL with its
// fragment, every character that a URL may not hold percent-encoded.
std::string FileUrl(const std::string& localAddress);

// True for an address that names a local file (not a web address).
bool IsLocalAddress(const std::string& address);

// What the browser is given for an address: a file URL for a local file, else the
// address unchanged.
std::string BrowserUrl(const std::string& address);

// The argument vector that starts command on url: the command's words, with "%s"
// replaced by the url, or the url added at the end when there is no "%s".
std::vector<std::string> BrowserArgv(const std::string& command, const std::string& url);

// True when the address is a local file with an anchor and the command (empty for the
// desktop's URL handler) may drop the anchor.
bool NeedsRedirect(const std::string& command, const std::string& address);

// The full name of the redirect page for a local address, and its text.
std::string RedirectPagePath(const std::string& localAddress);
std::string RedirectPageText(const std::string& url);

}  // namespace kvx
