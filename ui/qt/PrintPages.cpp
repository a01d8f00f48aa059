#include "ui/qt/PrintPages.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

namespace kvx {

namespace {

// The heading stands this far below the paper's top edge.
constexpr double kHeadingInches = 0.4;

QFont Times(int points, bool heading) {
  QFont font("Times New Roman", points);
  // Without the real face, the metric twin from the Liberation fonts keeps the lines
  // the same width.
  font.setFamilies({"Times New Roman", "Liberation Serif", "serif"});
  font.setBold(heading);
  font.setUnderline(heading);
  return font;
}

}  // namespace

int HeadingTop(double inchesFromPaperTop, int dotsPerInch, int topMarginPixels) {
  const int fromPaper = static_cast<int>(std::lround(inchesFromPaperTop * dotsPerInch));
  return std::max(0, fromPaper - topMarginPixels);
}

bool PrintPages(QPagedPaintDevice& device, const PrintJob& job, int topMarginPixels) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const int width = device.width();
  const QFont bodyFont = Times(12, false);
  const int bodyLine = QFontMetrics(bodyFont, &device).lineSpacing();
  for (std::size_t p = 0; p < job.pages.size(); ++p) {
    if (p > 0 && !device.newPage()) {
      painter.end();
      return false;
    }
    int y = 0;
    std::size_t first = 0;
    if (p == 0 && job.firstLineIsHeading && !job.pages[0].empty()) {
      const QFont headingFont = Times(14, true);
      painter.setFont(headingFont);
      const int top = HeadingTop(kHeadingInches, device.logicalDpiY(), topMarginPixels);
      const int height = QFontMetrics(headingFont, &device).lineSpacing();
      painter.drawText(QRect(0, top, width, height), Qt::AlignHCenter | Qt::AlignTop,
                       QString::fromStdString(job.pages[0][0]));
      y = top + height;
      first = 1;
    }
    painter.setFont(bodyFont);
    for (std::size_t i = first; i < job.pages[p].size(); ++i) {
      // Leading blanks are the page's left margin: keep them as they are.
      painter.drawText(QRect(0, y, width, bodyLine),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                       QString::fromStdString(job.pages[p][i]));
      y += bodyLine;
    }
  }
  return painter.end();
}

}  // namespace kvx
