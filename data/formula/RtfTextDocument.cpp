// RTF runs to QTextDocument blocks and character formats.
#include "data/formula/RtfTextDocument.h"

#include <QColor>
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>

#include <fstream>
#include <iterator>
#include <string>

#include "data/formula/RtfDocument.h"

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
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FillTextDocument(ParseRtf(bytes), document);
    return true;
}

}  // namespace ov
