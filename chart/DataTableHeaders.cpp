// DataTableHeaders: kind 6 (3-D) charts name X, Y, Z then F1...; polar charts (kind 4) θ/deg and ρ;
// every other kind X and Y; a one-column series holds only its Y values (X in kind 6).
#include "chart/DataTableHeaders.h"

namespace ov {
namespace {

std::u16string Ascii(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::u16string YName(int kind, int system)
{
    std::u16string name = kind == 4 ? u"ρ" : u"Y";
    if (kind != 6 && system == 1) name += u"#2";
    if (kind != 6 && system == 2) name += u"#3";
    return name;
}

std::u16string ColumnName(int kind, int system, int columns, int column)
{
    if (kind == 6) {
        if (column == 1) return u"X";
        if (column == 2) return YName(kind, system);
        if (column == 3) return u"Z";
        return Ascii("F" + std::to_string(column - 3));
    }
    if (column == 1) {
        if (columns == 1) return YName(kind, system);
        return kind == 4 ? u"θ/deg" : u"X";
    }
    if (column == 2) return YName(kind, system);
    return Ascii("F" + std::to_string(column - 2));
}

}  // namespace

std::u16string DataColumnHeader(int kind, int system, int columns, int column)
{
    return ColumnName(kind, system, columns, column) + Ascii(" : c" + std::to_string(column));
}

}  // namespace ov
