// SeriesPrompts: labels from "SSDlg.xml" ("gDLG_2" name prompt, "gDLG_8" size prompt); numeric rows
// come back as "%f" texts and are read by the one evaluator of typed numbers.
#include "chart/SeriesPrompts.h"

#include "data/formula/NumericExpression.h"
#include "framework/prompt/SetStrings.h"
#include "framework/settings/RememberedSettings.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/text/Utf16Conversion.h"
#include "grid/CellNumberText.h"

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

class PromptTexts {
public:
    PromptTexts() { table_.Open(CurrentLanguageCode(), "SSDlg.xml"); }
    std::u16string Get(std::string_view section, int entry, std::u16string_view builtIn)
    {
        std::u16string text = table_.GetLocalizedText(section, entry);
        return text.empty() ? std::u16string(builtIn) : text;
    }

private:
    LangTable table_;
};

std::u16string Number(int value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

int ClampedCount(const std::u16string& text, int minimum, int maximum)
{
    const ExpressionResult r = EvaluateNumericText(text);
    const double value = r.ok ? r.value : minimum;
    if (!(value >= minimum)) return minimum;  // NaN too
    return static_cast<int>(std::min<double>(std::floor(value), maximum));
}

bool Run(QWidget* parent, SetStringsSetup& setup)
{
    return RunSetStrings(setup, parent) == 1 && setup.values.size() == setup.labels.size();
}

}  // namespace

TableSize ReadOfferedSize(const OfferedSizeNames& names)
{
    const RememberedValue<TableSize> table[] = {{names.columns, &TableSize::columns},
                                                {names.rows, &TableSize::rows}};
    return ReadRemembered(kSeriesSizeKey, table);
}

void WriteOfferedSize(const OfferedSizeNames& names, const TableSize& size)
{
    const RememberedValue<TableSize> table[] = {{names.columns, &TableSize::columns},
                                                {names.rows, &TableSize::rows}};
    WriteRemembered(kSeriesSizeKey, table, size);
}

bool PromptSeriesName(QWidget* parent, std::u16string& name)
{
    PromptTexts texts;
    SetStringsSetup setup;
    setup.title = texts.Get("gDLG_2", 1, u"Data Series");
    setup.labels = {texts.Get("gDLG_2", 2, u"Name")};
    setup.values = {name};
    if (!Run(parent, setup)) return false;
    name = setup.values[0];
    return true;
}

bool PromptTableSize(QWidget* parent, TableSize& size, int minimum, int maximum)
{
    PromptTexts texts;
    SetStringsSetup setup;
    setup.title = texts.Get("gDLG_8", 1, u"Size");
    setup.labels = {texts.Get("gDLG_8", 2, u"Columns ##"), texts.Get("gDLG_8", 3, u"Rows ##")};
    setup.values = {Number(size.columns), Number(size.rows)};
    if (!Run(parent, setup)) return false;
    size = {ClampedCount(setup.values[0], minimum, maximum), ClampedCount(setup.values[1], minimum, maximum)};
    return true;
}

bool PromptNewSeries(QWidget* parent, std::u16string& name, TableSize& size, int minimum, int maximum)
{
    PromptTexts texts;
    SetStringsSetup setup;
    setup.title = texts.Get("gDLG_2", 1, u"New Data Series");
    setup.labels = {texts.Get("gDLG_2", 2, u"Name"), texts.Get("gDLG_8", 2, u"Columns ##"),
                    texts.Get("gDLG_8", 3, u"Rows ##")};
    setup.values = {name, Number(size.columns), Number(size.rows)};
    if (!Run(parent, setup)) return false;
    name = setup.values[0];
    size = {ClampedCount(setup.values[1], minimum, maximum), ClampedCount(setup.values[2], minimum, maximum)};
    return true;
}

}  // namespace ov
