// AsciiSeriesImport: the dialog's settings turned into reader arguments and line look-ups, with the
// wait cursor shown while files are read.
#include "data/import/AsciiSeriesImport.h"

#include <QApplication>
#include <QFile>

#include "data/import/DataFilePicker.h"
#include "data/import/DlgOpenASCPreView.h"
#include "data/import/PreviewLines.h"
#include "data/import/TitleLine.h"

namespace ov {
namespace {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The 1-based line of the preview, if it is there.
std::optional<std::string> PreviewLine(const std::vector<std::string>& lines, int32_t number)
{
    if (number < 1 || static_cast<std::size_t>(number) > lines.size()) return std::nullopt;
    return lines[static_cast<std::size_t>(number) - 1];
}

// The series-name line, when it holds more than white space: a blank line names nothing, so the
// caller's own name (the series' current one, "DatSer_%d", the file name) stands.
std::optional<std::string> SeriesName(const std::vector<std::string>& lines, int32_t number)
{
    std::optional<std::string> line = PreviewLine(lines, number);
    if (line && line->find_first_not_of(" \t\v\f\r") == std::string::npos) return std::nullopt;
    return line;
}

// Reads one file with confirmed settings; `lines` are the file's own preview lines.
ImportedSeries ReadSeries(const QString& path, const AsciiImportSettings& s, int titleMode,
                          const std::vector<std::string>& lines)
{
    ImportedSeries series;
    series.path = path;
    std::optional<AsciiMatrix> matrix = ReadAsciiMatrix(
        LocalPath(path), SkipLinesForStartLine(s.dataStartLine), ForcedColumnsFor(s.autoCheck, s.columns));
    if (matrix) series.matrix = std::move(*matrix);
    if (titleMode >= 0 && !s.dismissSeriesName) series.name = SeriesName(lines, s.seriesNameLine);
    if (titleMode >= 1 && !s.dismissColumnTitles && series.matrix.cols > 0) {
        const std::optional<std::string> line = PreviewLine(lines, s.columnTitleLine);
        if (line) series.columnTitles = SplitTitleLine(*line);
        FitTitlesToColumns(series.columnTitles, series.matrix.cols);
    }
    return series;
}

}  // namespace

std::optional<ImportedSeries> ImportAsciiFile(QWidget* parent, int slot, int titleMode)
{
    const std::optional<QString> path = PickDataFile(slot, DataFileFilter(), parent);
    if (!path) return std::nullopt;
    CDlgOpenASCPreView dialog(parent);
    dialog.titleMode = titleMode;
    if (!ReadPreviewLines(LocalPath(*path), kPreviewLineLimit, dialog.previewLines)) return std::nullopt;
    if (dialog.DoModal() != CDlgOpenASCPreView::kIdOk) return std::nullopt;
    const WaitCursor wait;
    ImportedSeries series = ReadSeries(*path, dialog.settings, titleMode, dialog.previewLines);
    if (series.matrix.cols == 0) return std::nullopt;
    return series;
}

std::vector<ImportedSeries> ImportAsciiFiles(QWidget* parent, const QStringList& paths, int titleMode)
{
    std::vector<ImportedSeries> imported;
    CDlgOpenASCPreView dialog(parent);
    dialog.titleMode = titleMode;
    qsizetype first = 0;
    for (; first < paths.size(); ++first) {
        if (!ReadPreviewLines(LocalPath(paths[first]), kPreviewLineLimit, dialog.previewLines)) continue;
        if (dialog.DoModal() == CDlgOpenASCPreView::kIdOk) break;
    }
    const WaitCursor wait;
    std::vector<std::string> lines;
    for (qsizetype i = first; i < paths.size(); ++i) {
        ReadPreviewLines(LocalPath(paths[i]), kPreviewLineLimit, lines);
        imported.push_back(ReadSeries(paths[i], dialog.settings, titleMode, lines));
    }
    return imported;
}

}  // namespace ov
