// FileDialogs: the common Open and Save dialogs behind one replaceable presenter, so tests see each request
// and answer it without a window. The default presenter is a modal QFileDialog.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace ov {

struct OpenFileRequest {
    QWidget* parent = nullptr;
    QString caption;      // empty: the dialog's own caption
    QString folder;       // initial folder; empty leaves the choice to the system
    QStringList filters;  // Qt name filters in order, "Text File (*.txt)"
    bool multiple = false;
    bool save = false;            // a Save dialog: one path, which need not exist
    QString fileName;             // Save: the proposed file name
    QString defaultSuffix;        // Save: appended when the typed name has none ("txt")
    int selectedFilter = 0;       // the filter shown first (index into filters)
    int* chosenFilter = nullptr;  // when set, receives the index of the filter the user ended on
};

// The chosen paths, empty when the user cancelled.
using OpenFilePresenter = std::function<QStringList(const OpenFileRequest&)>;

// Installs the presenter and returns the previous one; an empty function restores the default.
OpenFilePresenter SetOpenFilePresenter(OpenFilePresenter presenter);

class ScopedOpenFilePresenter {
public:
    explicit ScopedOpenFilePresenter(OpenFilePresenter presenter);
    ~ScopedOpenFilePresenter();
    ScopedOpenFilePresenter(const ScopedOpenFilePresenter&) = delete;
    ScopedOpenFilePresenter& operator=(const ScopedOpenFilePresenter&) = delete;

private:
    OpenFilePresenter previous_;
};

QStringList ShowOpenFileDialog(const OpenFileRequest& request);
// The same request as a Save dialog; the chosen path or an empty string.
QString ShowSaveFileDialog(OpenFileRequest request);

// Turns a filter written as "Name|patterns|Name|patterns||" into Qt name filters ("Name (patterns)"
// with ";" between patterns turned into spaces and "*.*" into "*").
QStringList NameFiltersFromPairs(const QString& pairs);

}  // namespace ov
