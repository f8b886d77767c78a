// The help document "Help/Help.pdf" beside the host program, opened by a replaceable opener so tests
// can watch it without starting a viewer.
#pragma once

#include <filesystem>
#include <functional>

class QWidget;

namespace ov {

// Hands a document to the desktop; the result is not used (a viewer reports its own problems).
using DocumentOpener = std::function<void(const std::filesystem::path&)>;

// Installs the opener and returns the previous one; an empty function brings back the default
// (QDesktopServices::openUrl on the file's URL).
DocumentOpener SetDocumentOpener(DocumentOpener opener);

// <host folder>/Help/Help.pdf.
std::filesystem::path HelpFilePath();

// Opens the help document. When it is missing, shows an OK message: entry 1 of section "gMSG_4" of
// "ALL_MSG.xml" followed directly by the full path; nothing else happens.
void ShowHelpFile(QWidget* parent = nullptr);

}  // namespace ov
