#include "e2e/report_reading.h"

#include "support/saved_session.h"

namespace {

constexpr int HeaderLines = 6;

}  // namespace

ReadReport ReadReportFile(const std::filesystem::path& path) {
  const std::vector<char> bytes = FileBytes(path);
  const QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  ReadReport report;
  QStringList lines = text.split(QStringLiteral("\r\n"));
  report.LinesEndInCrLf = text.endsWith(QStringLiteral("\r\n"));
  for (const QString& line : lines)
    if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
      report.LinesEndInCrLf = false;
  lines.removeLast();  // the empty remainder after the last line break
  if (lines.size() < HeaderLines) return report;
  report.Header = lines.mid(0, HeaderLines);

  qsizetype next = HeaderLines;
  while (next < lines.size()) {
    if (next + 1 >= lines.size()) return report;  // a heading without its column line
    ReportBlock block{lines[next], lines[next + 1], {}};
    next += 2;
    while (next < lines.size() && !lines[next].isEmpty())
      block.Rows << lines[next++].split(QLatin1Char(','));
    if (next == lines.size()) return report;  // the block's empty line is missing
    ++next;
    report.Blocks << block;
  }
  report.WellFormed = true;
  return report;
}
