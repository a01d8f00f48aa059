#include "consult/Transcript.h"

#include <algorithm>

#include "base/Text.h"
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

void PrintTranscript(App& app) {
  Trap(app, "PrintTranscript", [&] {
    const std::string& title = app.session.ProgName;
    const MessageBox noPrinter =
        Box(title, "Default printer not found (or is turned off)", Icon::Stop);
    if (!app.system.HasDefaultPrinter()) {
      app.ui.ShowMessage(noPrinter);
      return;
    }
    const Button ready = app.ui.ShowMessage(
        Box(title, "Are you ready to print the contents of the consulting session now?",
            Icon::Question, kYes | kNo | kCancel, kNo));
    if (ready != kYes) return;
    // A printer that went away since the question is as good as none.
    if (!app.system.Print(TranscriptPrintJob(app.consult))) app.ui.ShowMessage(noPrinter);
  });
}

}  // namespace kvx
