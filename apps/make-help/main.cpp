// make-help: renders the plain-text help source into the A4 PDF help document at build time.
// Markup: "% " title, "# " heading, "## " subheading, "- " list item, "//" a comment line that is not
// rendered; blank lines end paragraphs.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QStringList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextListFormat>

#include <cstdio>
#include <vector>

namespace {

enum class BlockKind { Title, Heading, Subheading, Item, Paragraph };

struct Block {
    BlockKind kind;
    QString text;
};

// A marked line starts a block of its own; its marker decides the kind.
bool MarkedLine(const QString& line, Block* block)
{
    static const std::pair<const char*, BlockKind> kMarkers[] = {{"% ", BlockKind::Title},
                                                                 {"## ", BlockKind::Subheading},
                                                                 {"# ", BlockKind::Heading},
                                                                 {"- ", BlockKind::Item}};
    for (const auto& [marker, kind] : kMarkers) {
        if (line.startsWith(QLatin1String(marker))) {
            *block = {kind, line.mid(int(qstrlen(marker))).trimmed()};
            return true;
        }
    }
    return false;
}

// Splits the source into blocks; unmarked lines join the paragraph they continue.
std::vector<Block> ParseBlocks(const QString& source)
{
    std::vector<Block> blocks;
    bool inParagraph = false;
    for (const QString& raw : source.split(QLatin1Char('\n'))) {
        QString line = raw.trimmed();
        Block marked;
        if (line.startsWith(QLatin1String("//"))) {
            continue;
        } else if (line.isEmpty()) {
            inParagraph = false;
        } else if (MarkedLine(line, &marked)) {
            blocks.push_back(marked);
            inParagraph = false;
        } else if (inParagraph) {
            blocks.back().text += QLatin1Char(' ') + line;
        } else {
            blocks.push_back({BlockKind::Paragraph, line});
            inParagraph = true;
        }
    }
    return blocks;
}

QTextCharFormat CharFormat(BlockKind kind)
{
    QTextCharFormat format;
    const double sizes[] = {20.0, 15.0, 12.5, 10.5, 10.5};
    format.setFontPointSize(sizes[int(kind)]);
    bool bold = kind == BlockKind::Title || kind == BlockKind::Heading || kind == BlockKind::Subheading;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

QTextBlockFormat BlockFormat(BlockKind kind)
{
    QTextBlockFormat format;
    const double above[] = {0.0, 18.0, 12.0, 2.0, 6.0};
    format.setTopMargin(above[int(kind)]);
    format.setBottomMargin(kind == BlockKind::Title ? 18.0 : 4.0);
    if (kind == BlockKind::Title) format.setAlignment(Qt::AlignHCenter);
    return format;
}

void BuildDocument(const std::vector<Block>& blocks, QTextDocument* document)
{
    QTextCursor cursor(document);
    bool first = true;
    for (const Block& block : blocks) {
        if (!first) cursor.insertBlock();
        cursor.setBlockFormat(BlockFormat(block.kind));
        cursor.setBlockCharFormat(CharFormat(block.kind));  // list bullets take the block's font
        if (block.kind == BlockKind::Item) {
            // Consecutive items share one list.
            if (QTextList* list = cursor.block().previous().textList()) {
                list->add(cursor.block());
            } else {
                cursor.createList(QTextListFormat::ListDisc);
            }
        }
        cursor.insertText(block.text, CharFormat(block.kind));
        first = false;
    }
}

QString TitleOf(const std::vector<Block>& blocks)
{
    for (const Block& block : blocks) {
        if (block.kind == BlockKind::Title) return block.text;
    }
    return QStringLiteral("Help");
}

bool WritePdf(QTextDocument* document, const QString& title, const QString& outputPath)
{
    QDir().mkpath(QFileInfo(outputPath).absolutePath());
    // No page margins of the writer: QTextDocument::print lays out with its own 2 cm margin and puts
    // the page numbers into it.
    {
        QPdfWriter writer(outputPath);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Ornivex make-help"));
        document->print(&writer);
    }  // the writer finishes the file when it goes away
    return QFileInfo(outputPath).size() > 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make-help <Help.txt> <Help.pdf>\n");
        return 1;
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make-help: cannot read %s\n", qPrintable(args[1]));
        return 2;
    }
    std::vector<Block> blocks = ParseBlocks(QString::fromUtf8(source.readAll()));
    QTextDocument document;
    BuildDocument(blocks, &document);
    if (!WritePdf(&document, TitleOf(blocks), args[2])) {
        std::fprintf(stderr, "make-help: cannot write %s\n", qPrintable(args[2]));
        return 3;
    }
    return 0;
}
