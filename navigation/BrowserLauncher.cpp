#include "navigation/BrowserLauncher.h"

#include <algorithm>
#include <exception>

#include "base/Errors.h"
#include "base/Files.h"
#include "base/Text.h"
#include "core/App.h"
#include "core/Messages.h"

namespace kvx {

namespace {

constexpr char kQ = '"';

bool IsWebAddress(const std::string& address) {
  return address.compare(0, 4, "http") == 0;
}

}  // namespace

bool IsAbsoluteAddress(const std::string& address) {
  return Contains(address, ":\\") || (!address.empty() && address[0] == '/');
}

std::string LinkSuffix(const std::string& address, const std::string& stateName) {
  const std::string upper = UpperAscii(address);
  if (Contains(upper, "STATCHAP")) {
    std::string suffix = " to " + stateName + " laws chapter";
    if (Contains(upper, "#NTRO") || Contains(address, "#VI("))
      suffix = ReplaceAll(suffix, " laws", "");
    return suffix;
  }
  if (Contains(upper, "CHAP")) {
    std::string suffix =
        " to Chapter " + address.substr(std::min<std::size_t>(4, address.size()), 2);
    if (suffix.back() != '0') suffix = ReplaceAll(suffix, "0", "");
    return suffix;
  }
  if (Contains(upper, "APPEND")) {
    return " to Appendix " + address.substr(std::min<std::size_t>(6, address.size()), 1);
  }
  return {};
}

std::string WorkaroundPageText(const std::string& pathSpec, const std::string& link,
                               const std::string& suffix) {
  const std::string crlf = "\r\n";
  std::string page;
  // The suffix names the state from the data set, which anyone may edit: escaped too.
  page += "<HTML>" + crlf;
  page += "<FONT FACE=" + std::string(1, kQ) + "Arial Black" + kQ + " SIZE=+2>" + crlf;
  page += "<p align=" + std::string(1, kQ) + "CENTER" + kQ + "> <a href=" + kQ + EscapeHtml(link) +
          kQ + ">Click here to continue" + EscapeHtml(suffix) + "</a></p><br>" + crlf;
  page += "<p align=" + std::string(1, kQ) + "CENTER" + kQ + "> <a href=" + kQ +
          EscapeHtml(pathSpec + "contents.htm") + kQ + ">Or click here for Table of Contents</a>" +
          crlf;
  page += "</FONT>" + crlf;
  page += "</HTML>" + crlf;
  return page;
}

std::string BrowserNotice() {
  const std::string q(1, kQ);
  return "If you are using the Internet Explorer 8.0 browser, that browser version may "
         "sometimes erroneously cause you to " +
         q + "land" + q + " (randomly) several pages past the correct " + q + "tag" + q +
         " position (page) in the file, due to an apparent bug in IE 8.0.\r\n\r\nIf so, see " + q +
         "Fix IE-8 Problem" + q + " item on the " + q + "Help Menu." + q;
}

void OpenBookLocation(App& app) {
  std::string& address = app.nav.ChapterAddress;
  if (address.empty()) return;
  if (!IsWebAddress(address)) {
    if (Contains(address, "#")) {
      const std::string page = app.Path(kWorkaroundPage);
      if (Exist(page)) {
        // An absolute address is linked as it stands: prefixing it with the program
        // folder would name a file that does not exist.
        const std::string link = IsAbsoluteAddress(address) ? address : app.Path(address);
        try {
          WriteFile(page, WorkaroundPageText(app.session.PathSpec, link,
                                             LinkSuffix(address, app.profile.StateName)));
        } catch (const KvxError&) {
          // A page that cannot be written is not reported; the browser still opens it.
        } catch (const std::exception&) {
        }
        address = kWorkaroundPage;
      } else if (app.nav.BrowserNoticeCount == 1) {
        QuickMessage(app, BrowserNotice());
        app.nav.BrowserNoticeCount = 2;
      } else {
        ++app.nav.BrowserNoticeCount;
      }
    }
    if (!IsAbsoluteAddress(address)) address = app.Path(address);
  }
  LaunchBrowser(app, address);
}

void LaunchBrowser(App& app, const std::string& address) {
  if (app.system.Browse(address)) return;
  const std::string& shown = app.nav.ChapterAddress;
  const char cr = '\r';
  std::string text = "Unable to launch default web browser.";
  text += std::string(2, cr);
  std::string title = "Problem opening ";
  if (Contains(LowerAscii(shown), "http")) {
    text += std::string("You may need to manually open your web browser (Internet Explorer,") + cr +
            "Firefox, Chrome, etc.) and enter the following web address (after" + cr +
            "making sure you are connected to the Internet) -- " + shown;
    title += "Web page";
  } else {
    text += std::string("You may need to manually open your web browser (Internet Explorer,") + cr +
            "Netscape, Mozilla, etc.) and enter the following URL in the browser," + cr +
            "in order to open the 'Opusgrand' book file: " + shown;
    title += "QV book (HTML file)";
  }
  app.ui.ShowMessage(Box(title, text, Icon::None));
}

std::string TopicTargetToAddress(const std::string& target) {
  const std::string n = target.substr(0, 2);
  const std::int32_t number = LeadingInt32(n).value_or(0);
  if (number > 0 && number <= kLastChapter) {
    std::string address = "chap" + n + ".htm";
    if (const std::size_t hash = target.find('#'); hash != std::string::npos)
      address += target.substr(hash);
    return address;
  }
  const std::string lower = LowerAscii(target);
  if (Contains(lower, "append") || Contains(lower, "statchap") || Contains(lower, "contents") ||
      Contains(lower, "preface") || target.compare(0, 5, "http:") == 0)
    return target;
  return {};
}

}  // namespace kvx
