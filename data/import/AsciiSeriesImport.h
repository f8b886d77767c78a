// AsciiSeriesImport: the whole import command as the chart pages and the demo host use it: pick the
// file, show its preview in CDlgOpenASCPreView, read the matrix and look up the series name and
// the column titles in the preview lines.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "data/import/AsciiMatrix.h"

class QWidget;

namespace ov {

struct ImportedSeries {
    QString path;
    AsciiMatrix matrix;                     // cols == 0: the file gave no data
    std::optional<std::string> name;        // the series-name line, unless dismissed, missing or blank
    std::vector<std::string> columnTitles;  // title mode >= 1 only: exactly matrix.cols entries
};

// One file through the slot's picker and the dialog. Nothing when the user cancels, the preview is
// empty or the file gives no data.
std::optional<ImportedSeries> ImportAsciiFile(QWidget* parent, int slot, int titleMode);

// Several files (the series list page): the dialog is shown for the first file and, after a Cancel,
// for each next one; once confirmed, that file and all after it are read with the same settings, one
// series each, in order (a file without data gives a series with cols == 0). Naming still unnamed
// series is the caller's (it knows the list's count).
std::vector<ImportedSeries> ImportAsciiFiles(QWidget* parent, const QStringList& paths, int titleMode);

}  // namespace ov
