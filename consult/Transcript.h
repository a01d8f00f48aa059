#pragma once
// The end of every transcript (the disclaimer) and its printout.

#include <string>

#include "ui/System.h"

namespace kvx {

struct App;
struct ConsultState;

// The seven lines of the disclaimer, and the notice that closes the printed transcript.
extern const char* const kDisclaimer[7];
extern const char* const kClosingNotice;

// Adds the disclaimer to the screen text and the numbered transcript.
void AppendDisclaimer(ConsultState& s);

// Lines on a printed page before the next page starts.
inline constexpr int kLinesPerPage = 47;

// The printout of the numbered transcript: the heading as the first line of page 1, then
// each line after 25 blanks, 47 lines a page, every later page starting with three empty
// lines.
PrintJob TranscriptPrintJob(const ConsultState& s);

// Where a transcript goes when there is no printer: the printable book's folder,
// "TRANSCRIPT-" and the local date and time as YYYYMMDD-HHMMSS, ".pdf".
std::string TranscriptPdfPath(App& app);

// Asks whether to print, then prints the transcript on the default printer. Without
// one, it offers to save the same pages as a PDF file instead.
void PrintTranscript(App& app);

}  // namespace kvx
