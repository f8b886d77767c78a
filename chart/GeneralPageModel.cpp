// General page exchange and kind rules.
#include "chart/GeneralPageModel.h"

#include "chart/ChartRecordAccess.h"
#include "chart/PageNumbers.h"
#include "framework/settings/RegKeyHandle.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace ov {
namespace {

char16_t FoldCase(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool StartsWithFolded(std::u16string_view text, std::u16string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char16_t a, char16_t b) { return FoldCase(a) == FoldCase(b); });
}

}  // namespace

GeneralValues LoadGeneral(const ChartRecord& record)
{
    GeneralValues v;
    v.caption = Caption(record);
    v.fontFace = FontFace(record);
    v.fontSizeText = FormatG(static_cast<double>(record.font_size));
    v.boldTitle = (record.title_flags & OV_TITLE_BOLD) != 0;
    v.largerTitle = (record.title_flags & OV_TITLE_LARGER) != 0;
    v.border = record.border_style;
    v.frame = record.frame_style;
    return v;
}

void StoreGeneral(const GeneralValues& values, ChartRecord& record)
{
    SetCaption(record, values.caption);
    SetFontFace(record, values.fontFace);
    record.title_flags = static_cast<uint16_t>((values.boldTitle ? OV_TITLE_BOLD : 0) |
                                               (values.largerTitle ? OV_TITLE_LARGER : 0));
    SetFontSize(record, static_cast<float>(ParseTypedNumber(values.fontSizeText)));
    record.border_style = ListIndexOr(values.border, record.border_style);
    record.frame_style = values.frame;
}

GeneralVisibility GeneralVisibilityFor(int kind)
{
    GeneralVisibility v;
    switch (kind) {
    case 1:
        v.caption = false;
        v.frame = false;
        v.firstBorder = true;
        break;
    case 3:
    case 7:
    case 8:
        v.caption = false;
        v.border = false;
        v.frame = false;
        break;
    case 4:
    case 5:
    case 6: v.caption = false; break;
    default: break;
    }
    v.titleBoxes = kind == 2;
    return v;
}

std::string_view BorderListSection(int kind)
{
    switch (kind) {
    case 1: return "gCB021";
    case 4: return "gCB022";
    case 5:
    case 6: return "gCB023";
    default: return "gCB020";
    }
}

int FindFontByPrefix(const std::vector<std::u16string>& families, std::u16string_view face)
{
    if (face.empty()) return -1;
    const auto it = std::find_if(families.begin(), families.end(), [face](const std::u16string& family) {
        return StartsWithFolded(family, face);
    });
    return it == families.end() ? -1 : static_cast<int>(it - families.begin());
}

bool SavePlotFontDefaults(std::string_view keyPath, std::u16string_view face, std::u16string_view sizeText)
{
    RegKeyHandle key(keyPath);
    if (!key.IsOpen()) return false;
    const float size =
        std::clamp(static_cast<float>(ParseTypedNumber(sizeText)), kMinDefaultFontSize, kMaxFontSize);
    key.WriteString("PlotFontFace", face);
    key.WriteDword("PlotFontSize", std::bit_cast<uint32_t>(size));
    return true;
}

}  // namespace ov
