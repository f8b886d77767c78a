// The files that ship beside the host program, read where the build puts them (language files, help,
// palettes) or from the source tree (toolbars, icons): every toolbar parses and carries the commands
// its dialog handles, every button names an icon that exists with its disabled twin, every ".apx"
// picture is an SVG document that draws something, every language entry speaks English and Chinese,
// the help is a whole PDF and the palettes decode.
#include "colour/PaletteFiles.h"
#include "colour/PaletteImage.h"
#include "framework/text/HostFolder.h"
#include "framework/text/LangTable.h"
#include "testhost/ModalDriver.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ov;

namespace {

const fs::path kIcons = fs::path(OV_SOURCE_DIR) / "resources" / "icons";

// The command numbers each dialog acts on, per toolbar.
const std::map<std::string, std::set<int>> kToolbars = {
    {"tb_DataTable", {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
    {"tb_DSList", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"tb_3DS_data", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
    {"tb_3DS_style", {2001, 2002, 2003, 2004}},
    {"tb_3DS_view", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {"tb_ChartStyle", {1, 2, 3, 4, 5, 6}},
    {"tb_PieTable", {3, 4, 5, 7, 8, 9, 10}},
    {"tb_TickGrid", {1, 2, 3, 4}},
    {"tb_DMM1", {1, 2, 3, 4, 5}},
    {"tb_DMM2", {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}},
    {"tb_color_picker", {1001, 1002, 1003, 1004, 1005, 1006}},
};

bool IsCommandKind(const pugi::xml_node& button)
{
    const int kind = button.attribute("type").as_int(1);
    return kind == 2 || kind == 5;
}

QByteArray ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::vector<fs::path> AllPictures()
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(kIcons))
        if (entry.is_regular_file() && entry.path().extension() == ".apx") files.push_back(entry.path());
    return files;
}

QImage Render(QSvgRenderer& renderer, int scale)
{
    const QSize size = renderer.viewBox().size() * scale;
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return image;
}

// Pixels that are not (almost) transparent.
int InkOf(const QImage& image)
{
    int pixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) pixels += qAlpha(image.pixel(x, y)) >= 16 ? 1 : 0;
    return pixels;
}

std::string Name(const fs::path& path)
{
    return fs::relative(path, kIcons).generic_string();
}

}  // namespace

TEST(ToolbarFiles, EachParsesAndEveryCommandButtonIsCompleteInBothLanguages)
{
    for (const auto& [name, expected] : kToolbars) {
        SCOPED_TRACE(name);
        pugi::xml_document doc;
        const auto result = doc.load_file((kIcons / (name + ".xml")).c_str());
        ASSERT_TRUE(result) << result.description();
        std::multiset<int> commands;
        std::vector<bool> kinds;  // command button or separator, in order
        for (const pugi::xml_node button : doc.document_element().children()) {
            kinds.push_back(IsCommandKind(button));
            if (!kinds.back()) {
                EXPECT_FALSE(button.attribute("icon")) << "a separator with an icon never shows it";
                continue;
            }
            const std::string command = button.attribute("cmd").value();
            ASSERT_FALSE(command.empty()) << "command button without a command number";
            commands.insert(button.attribute("cmd").as_int());
            for (const char* child : {"tit", "tip"})
                for (const char* language : {"en", "cn"})
                    EXPECT_STRNE(button.child(child).attribute(language).as_string(), "")
                        << command << " " << child << " " << language;
            const std::string icon = button.attribute("icon").value();
            ASSERT_FALSE(icon.empty()) << command;
            EXPECT_EQ(icon.find('\\'), std::string::npos) << "icon names use '/'";
            EXPECT_TRUE(fs::is_regular_file(kIcons / (icon + ".apx"))) << icon;
            EXPECT_TRUE(fs::is_regular_file(kIcons / (icon + "_gray.apx"))) << icon;
        }
        for (const int command : commands) EXPECT_EQ(commands.count(command), 1u) << "command " << command;
        EXPECT_EQ(std::set<int>(commands.begin(), commands.end()), expected);
        // Groups are separated, but never at an end and never twice in a row.
        ASSERT_FALSE(kinds.empty());
        EXPECT_TRUE(kinds.front());
        EXPECT_TRUE(kinds.back());
        for (std::size_t i = 1; i < kinds.size(); ++i)
            EXPECT_TRUE(kinds[i] || kinds[i - 1]) << "two separators in a row at " << i;
    }
}

TEST(IconFiles, PicturesTheDialogsLoadByNameAreShipped)
{
    std::vector<std::string> names = {"tb/more_but", "menu/check", "menu/Add", "tb/delete",
                                      "tb/Cut",      "tb/Copy",    "tb/Paste", "CP/prev",
                                      "CP/next",     "CP/afa",     "CP/zxy"};
    for (int n = 1; n <= 9; ++n) names.push_back("LT/0" + std::to_string(n));
    for (const auto& name : names) EXPECT_TRUE(fs::is_regular_file(kIcons / (name + ".apx"))) << name;
    for (const char* menuIcon : {"menu/check", "menu/Add", "tb/delete", "tb/Cut", "tb/Copy", "tb/Paste"})
        EXPECT_TRUE(fs::is_regular_file(kIcons / (std::string(menuIcon) + "_gray.apx"))) << menuIcon;
}

TEST(IconFiles, EveryPictureIsAnSvgDocumentThatDrawsSomething)
{
    ovtest::EnsureTestApplication();
    const auto files = AllPictures();
    ASSERT_GT(files.size(), 100u);
    for (const auto& path : files) {
        SCOPED_TRACE(Name(path));
        const QByteArray bytes = ReadAll(path);
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_buffer(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        EXPECT_STREQ(doc.document_element().name(), "svg");
        QSvgRenderer renderer(bytes);
        ASSERT_TRUE(renderer.isValid());
        ASSERT_FALSE(renderer.viewBox().isEmpty());
        EXPECT_GT(InkOf(Render(renderer, 2)), 8) << "draws (almost) nothing";
    }
}

TEST(LanguageFiles, EveryEntryOfEveryFileSpeaksBothLanguages)
{
    int files = 0;
    for (const auto& entry : fs::directory_iterator(HostFolder() / "Languages")) {
        if (entry.path().extension() != ".xml") continue;
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        pugi::xml_document document;
        ASSERT_TRUE(document.load_file(entry.path().c_str()));
        for (pugi::xml_node section : document.document_element().children()) {
            for (pugi::xml_node text : section.children()) {
                EXPECT_STRNE(text.attribute("en").value(), "") << section.name() << "/" << text.name();
                EXPECT_STRNE(text.attribute("cn").value(), "") << section.name() << "/" << text.name();
            }
        }
    }
    EXPECT_GE(files, 8);
    // Texts other dialogs look up by number.
    LangTable table;
    for (std::u16string_view language : {u"en", u"cn"}) {
        table.Open(language, "LANG_01.xml");
        for (int entry = 1; entry <= 5; ++entry)
            EXPECT_FALSE(table.GetLocalizedText("gPSC", entry).empty()) << entry;
        table.Open(language, "ALL_MSG.xml");
        EXPECT_FALSE(table.GetLocalizedText("gMSG_4", 1).empty());
    }
}

TEST(HelpDocument, IsACompletePdf)
{
    std::ifstream file(HostFolder() / "Help" / "Help.pdf", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.compare(0, 5, "%PDF-"), 0);
    EXPECT_NE(bytes.find("%%EOF", bytes.size() - 32), std::string::npos);
}

TEST(Palettes, AtLeastThreeDecodeAndEachHoldsManyColours)
{
    ovtest::EnsureTestApplication();
    const auto list = FindPaletteFiles(HostFolder(), HostFolder() / "no-user-palette");
    ASSERT_GE(list.builtInCount, 3);
    for (const auto& path : list.files) {
        const QImage image = LoadPaletteFile(path);
        ASSERT_FALSE(image.isNull()) << path;
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        EXPECT_GE(colours.size(), 200u) << path;
    }
    for (const char* name : {"Pics/CP_Alpha.bmp", "Pics/CP/Alpha2.bmp"}) {
        const QImage tile = LoadPaletteFile(HostFolder() / name);
        ASSERT_FALSE(tile.isNull()) << name;
        EXPECT_NE(tile.pixel(0, 0), tile.pixel(tile.width() / 2, 0))
            << "a checkerboard of two shades: " << name;
    }
}
