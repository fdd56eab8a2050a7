#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <filesystem>

// An export report as a spreadsheet reads it back: six header lines, then blocks of a heading,
// a column line and comma-separated rows, each block ended by an empty line.

struct ReportBlock {
  QString Heading;
  QString Columns;
  QList<QStringList> Rows;  // the fields of each row
};

struct ReadReport {
  bool LinesEndInCrLf = false;  // every line ends in CR LF, and no other line break occurs
  bool WellFormed = false;      // the blocks end with their empty lines and nothing follows
  QStringList Header;
  QList<ReportBlock> Blocks;
};

ReadReport ReadReportFile(const std::filesystem::path& path);
