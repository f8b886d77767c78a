// FileDialogs: the presenter hook and the default QFileDialog presenter.
#include "framework/ui/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>

#include "framework/ui/ReplaceableHook.h"

namespace ov {
namespace {

ReplaceableHook<OpenFilePresenter>& Presenter()
{
    static ReplaceableHook<OpenFilePresenter> presenter;
    return presenter;
}

// The name shown to the user already lists the patterns; Qt wants them in brackets at the end.
QString QtFilter(const QString& name, QString patterns)
{
    patterns.replace(';', ' ');
    patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    QString label = name;
    const qsizetype bracket = label.lastIndexOf('(');
    if (bracket > 0) label = label.left(bracket).trimmed();
    return label + QStringLiteral(" (") + patterns + ')';
}

QStringList ShowQtOpenDialog(const OpenFileRequest& request)
{
    if (QApplication::instance() == nullptr) return {};
    QFileDialog dialog(request.parent, request.caption, request.folder);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (request.save) {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.selectFile(request.fileName);
    } else {
        dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    }
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter > 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters[request.selectedFilter]);
    if (dialog.exec() != QDialog::Accepted) return {};
    if (request.chosenFilter)
        *request.chosenFilter = static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles();
}

}  // namespace

OpenFilePresenter SetOpenFilePresenter(OpenFilePresenter presenter)
{
    return Presenter().Set(std::move(presenter));
}

ScopedOpenFilePresenter::ScopedOpenFilePresenter(OpenFilePresenter presenter)
    : previous_(SetOpenFilePresenter(std::move(presenter)))
{
}

ScopedOpenFilePresenter::~ScopedOpenFilePresenter()
{
    SetOpenFilePresenter(std::move(previous_));
}

QStringList ShowOpenFileDialog(const OpenFileRequest& request)
{
    if (request.chosenFilter) *request.chosenFilter = request.selectedFilter;
    const OpenFilePresenter presenter = Presenter().Get();
    return presenter ? presenter(request) : ShowQtOpenDialog(request);
}

QString ShowSaveFileDialog(OpenFileRequest request)
{
    request.save = true;
    request.multiple = false;
    const QStringList chosen = ShowOpenFileDialog(request);
    return chosen.isEmpty() ? QString() : chosen.front();
}

QStringList NameFiltersFromPairs(const QString& pairs)
{
    const QStringList parts = pairs.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        filters << QtFilter(parts[i], parts[i + 1]);
    }
    return filters;
}

}  // namespace ov
