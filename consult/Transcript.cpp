#include "consult/Transcript.h"

#include <algorithm>
#include <cstdio>

#include "base/Files.h"
#include "base/Text.h"
#include "book/PrintableBook.h"
#include "consult/ConsultState.h"
#include "core/App.h"
#include "core/Messages.h"
#include "core/Trap.h"

namespace kvx {

const char* const kDisclaimer[7] = {
    "      THE PRECEDING INFORMATION  WAS OBTAINED  FROM SOURCES",
    "      BELIEVED TO BE ACCURATE, BUT IS PROVIDED WITH THE UNDER-",
    "      STANDING THAT THE PUBLISHER IS NOT ENGAGED IN RENDERING",
    "      LEGAL,  ACCOUNTING,  OR  OTHER  PROFESSIONAL  SERVICES.  IF",
    "      LEGAL ADVICE OR OTHER EXPERT ASSISTANCE IS REQUIRED, THE",
    "      SERVICES OF A  COMPETENT PROFESSIONAL  PERSON SHOULD BE",
    "      SOUGHT. CONTACT PUBLISHER FOR LATEST QUARTERLY UPDATE.",
};

const char* const kClosingNotice = "                  * * *  END OF CONSULTING SESSION  * * *";

void SetTranscriptLine(ConsultState& s, std::size_t i, const std::string& line) {
  if (i >= s.TranscriptLines.size()) s.TranscriptLines.resize(i + 1);
  s.TranscriptLines[i] = line;
}

std::int32_t TranscriptCount(const ConsultState& s) {
  if (s.TranscriptLines.empty()) return 0;
  return std::max(0, LeadingInt32(s.TranscriptLines[0]).value_or(0));
}

void AppendDisclaimer(ConsultState& s) {
  s.ScreenText += "\r\n\r\n";
  for (const char* line : kDisclaimer) s.ScreenText += std::string(line) + "\r\n";
  s.ScreenText += "\r\n";
  const std::size_t n = static_cast<std::size_t>(TranscriptCount(s));
  SetTranscriptLine(s, n + 1, "");
  for (std::size_t i = 0; i < 7; ++i) SetTranscriptLine(s, n + 2 + i, kDisclaimer[i]);
  SetTranscriptLine(s, n + 9, "");
  SetTranscriptLine(s, n + 10, kClosingNotice);
  s.TranscriptLines[0] = NumberText(static_cast<long long>(n + 10));
}

// The printer that follows this job sets the heading in Times New Roman 14 point, bold
// and underlined, centred on the printable width, its top 0.4 inch below the paper's top
// edge (0.4 x the printer's dots per inch, less its top margin); the body follows below
// the heading in Times New Roman 12 point, one line of that font a line, and every later
// page starts at the top of the printable area.
PrintJob TranscriptPrintJob(const ConsultState& s) {
  PrintJob job;
  job.name = "Corvanta Print Job";
  job.firstLineIsHeading = true;
  job.pages.push_back({"CONSULTING SESSION FOR: " + s.ConsultCompany});
  const std::size_t last = std::min(static_cast<std::size_t>(TranscriptCount(s)),
                                    s.TranscriptLines.empty() ? 0 : s.TranscriptLines.size() - 1);
  if (last >= 1 && !s.TranscriptLines[1].empty()) job.pages.back().emplace_back();
  const std::string margin(25, ' ');
  for (std::size_t i = 1; i <= last; ++i) {
    if (i > kLinesPerPage - 1 && i % kLinesPerPage == 1) job.pages.push_back({"", "", ""});
    job.pages.back().push_back(margin + s.TranscriptLines[i]);
  }
  return job;
}

std::string TranscriptPdfPath(App& app) {
  const LocalTime t = app.system.Now();
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return BookFolder(app) + "TRANSCRIPT-" + stamp + ".pdf";
}

namespace {

// Most desktops have no printer: the transcript need not be lost with the window.
void OfferPdf(App& app) {
  const std::string path = TranscriptPdfPath(app);
  const Button answer = app.ui.ShowMessage(
      Box(app.session.ProgName, "Save the transcript as a PDF file instead?\r\r" + path,
          Icon::Question, kYes | kNo, kYes));
  if (answer != kYes) return;
  CreateFolder(FolderOf(path));  // the folder start-up made may have been removed since
  if (!app.system.SavePdf(TranscriptPrintJob(app.consult), path))
    Raise(70, "Unable to write file: " + path);
  QuickMessage(app, "Transcript saved as " + path);
}

}  // namespace

void PrintTranscript(App& app) {
  Trap(app, "PrintTranscript", [&] {
    const std::string& title = app.session.ProgName;
    auto noPrinter = [&] {
      app.ui.ShowMessage(Box(title, "Default printer not found (or is turned off)", Icon::Stop));
      OfferPdf(app);
    };
    if (!app.system.HasDefaultPrinter()) {
      noPrinter();
      return;
    }
    const Button ready = app.ui.ShowMessage(
        Box(title, "Are you ready to print the contents of the consulting session now?",
            Icon::Question, kYes | kNo | kCancel, kNo));
    if (ready != kYes) return;
    // A printer that went away since the question is as good as none.
    if (!app.system.Print(TranscriptPrintJob(app.consult))) noPrinter();
  });
}

}  // namespace kvx
