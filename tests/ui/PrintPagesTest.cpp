// The printed transcript as paper: the job's pages become the device's pages, and the
// heading stands where the printer's margin lets it.

#include "ui/qt/PrintPages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <string>

#include "consult/ConsultState.h"
#include "consult/Transcript.h"
#include "ui/qt/QtSystem.h"

namespace kvx {
namespace {

// Page objects in a PDF; "/Type /Pages" is the tree that holds them, not one of them.
int PdfPages(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const std::string bytes = f.readAll().toStdString();
  int pages = 0;
  for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
       at = bytes.find("/Type /Page", at + 1)) {
    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
  }
  return pages;
}

TEST(PrintPages, AHundredLineTranscriptFillsThreeSheets) {
  ConsultState s;
  s.ConsultCompany = "Acme & Sons";
  s.TranscriptLines.assign(1, " 100");
  for (int i = 1; i <= 100; ++i) s.TranscriptLines.push_back("Line " + std::to_string(i));
  QTemporaryDir dir;
  const QString file = dir.filePath("transcript.pdf");
  {
    QPdfWriter pdf(file);
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    ASSERT_TRUE(PrintPages(pdf, TranscriptPrintJob(s), 75));
  }
  EXPECT_EQ(3, PdfPages(file));
}

TEST(PrintPages, ATranscriptSavedAsPdfHasThePrintedPages) {
  ConsultState s;
  s.ConsultCompany = "Cedar & Pine Coffee";
  s.TranscriptLines.assign(1, " 100");
  for (int i = 1; i <= 100; ++i) s.TranscriptLines.push_back("Line " + std::to_string(i));
  QTemporaryDir dir;
  const std::string file = dir.filePath("TRANSCRIPT-20261104-170809.pdf").toStdString();
  QtSystem system;
  ASSERT_TRUE(system.SavePdf(TranscriptPrintJob(s), file));
  EXPECT_EQ(3, PdfPages(QString::fromStdString(file)));
  // A folder that is not there is no place for it: the caller hears so.
  EXPECT_FALSE(system.SavePdf(TranscriptPrintJob(s), dir.filePath("none/t.pdf").toStdString()));
}

TEST(PrintPages, EveryJobPageIsASheetEvenWithoutAHeading) {
  PrintJob job;
  job.pages = {{"one"}, {"two"}, {}, {"four"}};
  QTemporaryDir dir;
  const QString file = dir.filePath("plain.pdf");
  {
    QPdfWriter pdf(file);
    ASSERT_TRUE(PrintPages(pdf, job, 0));
  }
  EXPECT_EQ(4, PdfPages(file));
}

TEST(PrintPages, HeadingSitsBelowThePaperEdgeLessTheMargin) {
  EXPECT_EQ(480, HeadingTop(0.4, 1200, 0));
  EXPECT_EQ(180, HeadingTop(0.4, 1200, 300));  // a quarter-inch margin
  EXPECT_EQ(24, HeadingTop(0.4, 96, 14));
  // A margin deeper than the heading's place puts it at the top of the printable area.
  EXPECT_EQ(0, HeadingTop(0.4, 300, 200));
}

}  // namespace
}  // namespace kvx
