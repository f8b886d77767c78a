// PickDataFile: a request to the replaceable Open dialog and the "LID_<slot>" folder bookkeeping.
#include "data/import/DataFilePicker.h"

#include <QFile>

#include "framework/settings/RememberedFolder.h"
#include "framework/ui/FileDialogs.h"

namespace ov {

QString DataFileFilter()
{
    return QStringLiteral(
        "Text File (*.txt)|*.txt|ASCII File (*.asc)|*.asc|Data File (*.dat)|*.dat|"
        "Comma Separated Values File (*.csv)|*.csv|All Files (*.*)|*.*||");
}

std::optional<QString> PickDataFile(int slot, const QString& filter, QWidget* parent)
{
    OpenFileRequest request;
    request.parent = parent;
    request.folder = QFile::decodeName(ReadRememberedFolder(slot).c_str());
    request.filters = NameFiltersFromPairs(filter);
    const QStringList chosen = ShowOpenFileDialog(request);
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    RememberFolderOf(slot, QFile::encodeName(chosen.front()).toStdString());
    return chosen.front();
}

std::optional<QString> PickTextFileToSave(int slot, QWidget* parent)
{
    OpenFileRequest request;
    request.parent = parent;
    request.folder = QFile::decodeName(ReadRememberedFolder(slot).c_str());
    request.filters = NameFiltersFromPairs(QStringLiteral("Text File (*.txt)|*.txt|"));
    request.fileName = QStringLiteral("Untitled.txt");
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = ShowSaveFileDialog(request);
    if (path.isEmpty()) return std::nullopt;
    RememberFolderOf(slot, QFile::encodeName(path).toStdString());
    return path;
}

QStringList PickDataFiles(QWidget* parent, int slot)
{
    OpenFileRequest request;
    request.parent = parent;
    if (slot >= 0) request.folder = QFile::decodeName(ReadRememberedFolder(slot).c_str());
    request.filters = NameFiltersFromPairs(DataFileFilter());
    request.multiple = true;
    QStringList chosen = ShowOpenFileDialog(request);
    if (slot >= 0 && !chosen.isEmpty())
        RememberFolderOf(slot, QFile::encodeName(chosen.front()).toStdString());
    return chosen;
}

}  // namespace ov
