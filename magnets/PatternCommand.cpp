// PatternCommand: prompt texts, parsing and the hand-over of a pattern to the magnet.
#include "magnets/PatternCommand.h"

#include "data/numbers/AtofPrefix.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ov {
namespace {

// The text after leading blanks, up to the first character outside ASCII.
std::string Narrow(std::u16string_view text)
{
    text.remove_prefix(std::min(text.find_first_not_of(u" \t"), text.size()));
    std::string narrow;
    for (const char16_t c : text) {
        if (c >= 0x80) break;
        narrow.push_back(static_cast<char>(c));
    }
    return narrow;
}

std::u16string Widen(const char* first, const char* last)
{
    return {first, last};
}

std::u16string FloatText(float value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, double(value), std::chars_format::general, 6);
    return Widen(buffer, result.ptr);
}

std::u16string CountText(int32_t value)
{
    const std::string digits = std::to_string(value);
    return Widen(digits.data(), digits.data() + digits.size());
}

constexpr OvPointF kNewScaleAngle{1.0f, 0.0f};
constexpr int32_t kMinCount = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxCount = std::numeric_limits<int32_t>::max();

}  // namespace

const char* PatternSection(PatternKind kind)
{
    switch (kind) {
    case PatternKind::Cross:
    case PatternKind::Grid: return "gDLG_2";
    case PatternKind::Circle: return "gDLG_3";
    case PatternKind::Line: return "gDLG_4";
    case PatternKind::StaggeredColumns:
    case PatternKind::StaggeredRows: return "gDLG_5";
    }
    return "";
}

double ParseDecimal(std::u16string_view text)
{
    const std::string narrow = Narrow(text);
    const double value = AtofPrefix(narrow.data(), narrow.size());
    return std::isfinite(value) ? value : 0.0;
}

int32_t ParseInteger(std::u16string_view text)
{
    std::string narrow = Narrow(text);
    if (!narrow.empty() && narrow[0] == '+') narrow.erase(0, 1);
    int64_t value{};
    const auto result = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (result.ec == std::errc::result_out_of_range) return narrow.starts_with('-') ? kMinCount : kMaxCount;
    if (result.ec != std::errc()) return 0;
    return static_cast<int32_t>(std::clamp<int64_t>(value, kMinCount, kMaxCount));
}

std::vector<std::u16string> PatternFieldTexts(const std::vector<PatternField>& fields)
{
    std::vector<std::u16string> texts;
    texts.reserve(fields.size());
    for (const PatternField& f : fields) texts.push_back(f.count ? CountText(*f.count) : FloatText(*f.real));
    return texts;
}

bool ReadPatternFieldTexts(const std::vector<PatternField>& fields, const std::vector<std::u16string>& texts)
{
    if (texts.size() < fields.size()) return false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].count)
            *fields[i].count = ParseInteger(texts[i]);
        else
            *fields[i].real = static_cast<float>(ParseDecimal(texts[i]));
    }
    return true;
}

std::vector<UserPoint> PatternPoints(MagnetPatternSettings& settings, PatternKind kind, bool copyMode)
{
    switch (kind) {
    case PatternKind::Cross: return CrossPoints(settings.cross);
    case PatternKind::Line: return LinePoints(settings.line);
    case PatternKind::Circle: return CirclePoints(settings.circle, !copyMode);
    case PatternKind::Grid: return GridPoints(settings.grid);
    case PatternKind::StaggeredColumns: return StaggeredPoints(settings.stagger, false);
    case PatternKind::StaggeredRows: return StaggeredPoints(settings.stagger, true);
    }
    return {};
}

void ReplaceWithPoints(MagnetRecord& record, COvMag& magnet, const std::vector<UserPoint>& points,
                       const PageMapping& mapping)
{
    std::vector<OvPointF> page(points.size());
    std::transform(points.begin(), points.end(), page.begin(),
                   [&](UserPoint p) { return mapping.ToPage(p); });
    magnet.SetPositions(std::move(page));
    if (record.scale_angle_mode && record.scale_angle)
        COvMag::FromHandle(record.scale_angle)->Resize(magnet.Count(), kNewScaleAngle);
}

}  // namespace ov
