// The help document: locating it, opening it through the replaceable opener, and the message shown
// when it is missing.
#include "framework/ui/HelpFile.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include <system_error>

#include "framework/text/HostFolder.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/ReplaceableHook.h"

namespace ov {
namespace {

QString PathText(const std::filesystem::path& path)
{
    return QFile::decodeName(path.c_str());
}

void OpenWithDesktop(const std::filesystem::path& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(PathText(path)));
}

ReplaceableHook<DocumentOpener>& Opener()
{
    static ReplaceableHook<DocumentOpener> opener;
    return opener;
}

}  // namespace

DocumentOpener SetDocumentOpener(DocumentOpener opener)
{
    return Opener().Set(std::move(opener));
}

std::filesystem::path HelpFilePath()
{
    return HostFolder() / "Help" / "Help.pdf";
}

void ShowHelpFile(QWidget* parent)
{
    std::filesystem::path path = HelpFilePath();
    std::error_code error;
    // Checked here because the desktop opener reports no "not found" of its own; a path that exists
    // but is no file is handed on like any other (the viewer reports it).
    if (!std::filesystem::exists(path, error)) {
        ShowSharedMessage("gMSG_4", 1, PathText(path), MessageButtons::Ok, MessageIcon::Warning, parent);
        return;
    }
    DocumentOpener opener = Opener().Get();
    opener ? opener(path) : OpenWithDesktop(path);
}

}  // namespace ov
