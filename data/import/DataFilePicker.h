// PickDataFile: the Open dialog of the ASCII import, with the data-file filter and the folder that
// each caller's slot remembers.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace ov {

// Slots of the callers.
inline constexpr int kDataFileSlotSurfaceGrid = 3;
inline constexpr int kDataFileSlotDataTable = 4;
inline constexpr int kDataFileSlotTimeSeries = 5;
inline constexpr int kDataFileSlotMagnets = 11;

// The five-piece filter, in the "Name|patterns|" form of the dialog interface.
QString DataFileFilter();

// Opens in the slot's remembered folder; on OK remembers the chosen file's folder. Nothing when
// cancelled.
std::optional<QString> PickDataFile(int slot, const QString& filter = DataFileFilter(),
                                    QWidget* parent = nullptr);

// The Save dialog of a table's text export: "Text File (*.txt)", proposing "Untitled.txt" in the
// slot's remembered folder; on OK remembers the chosen file's folder. Nothing when cancelled.
std::optional<QString> PickTextFileToSave(int slot, QWidget* parent = nullptr);

// Several files at once. With a slot (>= 0) the dialog opens in its remembered folder and remembers
// the first chosen file's folder; the chart series list passes none.
QStringList PickDataFiles(QWidget* parent = nullptr, int slot = -1);

}  // namespace ov
