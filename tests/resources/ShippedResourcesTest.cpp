// The files that ship beside the host program, read where the build puts them (language files) or from
// the source tree (toolbars, icons): every toolbar parses and its command buttons are complete, every
// icon a button or a dialog names exists with its disabled twin, and every language entry speaks
// English and Chinese.
#include "framework/text/HostFolder.h"
#include "framework/text/LangTable.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ov;

const fs::path kIcons = fs::path(OV_SOURCE_DIR) / "resources" / "icons";

TEST(ToolbarFiles, EachParsesAndEveryCommandButtonIsCompleteInBothLanguages)
{
    int toolbars = 0;
    for (const auto& file : fs::directory_iterator(kIcons)) {
        if (file.path().extension() != ".xml") continue;
        ++toolbars;
        SCOPED_TRACE(file.path().filename().string());
        pugi::xml_document doc;
        const auto result = doc.load_file(file.path().c_str());
        ASSERT_TRUE(result) << result.description();
        std::set<int> commands;
        for (const pugi::xml_node button : doc.document_element().children()) {
            const int kind = button.attribute("type").as_int(1);
            if (kind != 2 && kind != 5) continue;  // a separator
            const std::string command = button.attribute("cmd").value();
            EXPECT_TRUE(commands.insert(button.attribute("cmd").as_int()).second) << "twice: " << command;
            for (const char* child : {"tit", "tip"})
                for (const char* language : {"en", "cn"})
                    EXPECT_STRNE(button.child(child).attribute(language).as_string(), "")
                        << command << " " << child << " " << language;
            const std::string icon = button.attribute("icon").value();
            EXPECT_TRUE(fs::is_regular_file(kIcons / (icon + ".apx"))) << command << " " << icon;
            EXPECT_TRUE(fs::is_regular_file(kIcons / (icon + "_gray.apx"))) << command << " " << icon;
        }
        EXPECT_FALSE(commands.empty());
    }
    EXPECT_GT(toolbars, 0);
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
