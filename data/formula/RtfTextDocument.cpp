// RTF runs to QTextDocument blocks and character formats.
#include "data/formula/RtfTextDocument.h"

#include <QColor>
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>

#include <string>

#include "data/formula/RtfDocument.h"
#include "framework/files/BoundedFileRead.h"

namespace ov {
namespace {

QTextCharFormat CharFormat(const RtfFormat& f)
{
    QTextCharFormat format;
    format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.italic);
    format.setFontUnderline(f.underline);
    format.setFontPointSize(f.halfPoints / 2.0);
    if (f.colour >= 0) format.setForeground(QColor::fromRgb(static_cast<QRgb>(f.colour)));
    return format;
}

}  // namespace

void FillTextDocument(const RtfDocument& rtf, QTextDocument& document)
{
    document.clear();
    QTextCursor cursor(&document);
    for (size_t i = 0; i < rtf.paragraphs.size(); ++i) {
        if (i > 0) cursor.insertBlock();
        for (const RtfRun& run : rtf.paragraphs[i].runs) {
            cursor.insertText(QString::fromStdU16String(run.text), CharFormat(run.format));
        }
    }
}

bool LoadRtfFile(const std::filesystem::path& path, QTextDocument& document)
{
    document.clear();
    const FileReadResult read = ReadFileBounded(path, kMaxRtfFileBytes);
    if (!read) return false;
    FillTextDocument(ParseRtf(read.bytes), document);
    return true;
}

}  // namespace ov
