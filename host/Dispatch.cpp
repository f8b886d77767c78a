// The bodies of the entry points: precondition checks, parameter words, copy-in and copy-back.
#include "host/Dispatch.h"

#include "magnets/MagnetList.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace ov {
namespace {

std::atomic<int> g_allocations_to_failure{0};  // 0: no failure injected

// Every block the dispatcher hands the host comes from here: malloc, as the host frees it, with the
// test hook's failure counted in.
void* HostAlloc(std::size_t bytes)
{
    int left = g_allocations_to_failure.load();
    while (left > 0 && !g_allocations_to_failure.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 1) return nullptr;
    return std::malloc(bytes);  // NOLINT(cppcoreguidelines-no-malloc): the host frees it with free()
}

QWidget* ParentOf(const OvHostWindow* window)
{
    return window ? static_cast<QWidget*>(window->widget) : nullptr;
}

bool HasElements(const OvHostList* list, int32_t needed)
{
    return list && list->count >= needed;
}

// The chart kind is the record's first byte; kind 6 is the 3-D chart.
uint8_t ChartKind(const ChartRecord* record)
{
    return *reinterpret_cast<const uint8_t*>(record);
}

int32_t OkAsOne(int result)
{
    return result == kDialogOk ? 1 : 0;
}

// Chart sheets: the dialog edits a copy; the host's record changes only on OK.
int32_t RunChartSheet(const DialogFactory<ChartSheetCall>& factory, ChartSheetCall& call)
{
    ChartRecord copy;
    std::memcpy(&copy, call.hostRecord, sizeof copy);
    call.record = &copy;
    const int result = factory(call);
    if (result == kDialogOk) std::memcpy(call.hostRecord, &copy, sizeof copy);
    return OkAsOne(result);
}

int32_t RunXYChart(const GEEdtParams& p, DialogRegistry& registry, const UiPreparer& prepare)
{
    auto* record = static_cast<ChartRecord*>(p.data);
    auto* list = static_cast<OvHostList*>(p.context);
    const bool kind3d = record && ChartKind(record) == 6;
    if (!record || !HasElements(list, kind3d ? 2 : 1) || !registry.xyChart || !prepare()) return 0;
    ChartSheetCall call{ParentOf(p.host_window), p.host_window, record};
    call.element = ov_list_remove_last(list);
    if (kind3d) {
        // The host always places the 3-D object before the context; its series list is the one edited.
        call.object3d = static_cast<Host3DObject*>(ov_list_last(list));
        call.seriesList = call.object3d->series_list;
    } else {
        call.seriesList = list;
    }
    return RunChartSheet(registry.xyChart, call);
}

int32_t RunOtherChart(const GEEdtParams& p, const DialogFactory<ChartSheetCall>& factory,
                      const UiPreparer& prepare)
{
    auto* record = static_cast<ChartRecord*>(p.data);
    if (!record || !factory || !prepare()) return 0;
    ChartSheetCall call{ParentOf(p.host_window), p.host_window, record};
    call.context = p.context;
    return RunChartSheet(factory, call);
}

int32_t RunSurface(const GEEdtParams& p, DialogRegistry& registry, const UiPreparer& prepare)
{
    auto* list = static_cast<OvHostList*>(p.context);
    if (!p.data || !HasElements(list, 1) || !registry.surface || !prepare()) return 0;
    ChartSheetCall call{ParentOf(p.host_window), p.host_window, static_cast<ChartRecord*>(p.data)};
    call.element = ov_list_last(list);
    return RunChartSheet(registry.surface, call);
}

int32_t RunPaths(const GEEdtParams& p, const DialogFactory<PathsCall>& factory, const UiPreparer& prepare)
{
    if (!factory || !prepare()) return 0;
    PathsCall call{ParentOf(p.host_window), p.host_window, p.data, p.context, p.extra};
    return factory(call) == kDialogOk ? 1 : 0;
}

int32_t RunTimeSeries(const GEEdtParams& p, DialogRegistry& registry, const UiPreparer& prepare)
{
    auto* list = static_cast<OvHostList*>(p.context);
    // Without the host's id counter no series could be made: the list keeps its magnet record.
    if (!HasElements(list, 1) || !p.extra || !registry.timeSeries || !prepare()) return 0;
    TimeSeriesCall call{ParentOf(p.host_window), p.host_window, p.data};
    call.magnetRecord = ov_list_remove_last(list);
    call.list = list;
    call.nextId = p.extra;
    return OkAsOne(registry.timeSeries(call));
}

int32_t RunGenerateAnimation(const GEEdtParams& p, DialogRegistry& registry, const UiPreparer& prepare)
{
    if (!registry.generateAnimation || !prepare()) return 0;
    AnimationCall call{ParentOf(p.host_window), p.host_window};
    registry.generateAnimation(call);
    return 0;  // the host learns what happened through its render message, not the result
}

int32_t RunSystemProps(const GEEdtParams& p, DialogRegistry& registry, const UiPreparer& prepare)
{
    auto* record = static_cast<SystemSettings*>(p.data);
    if (!record || !registry.systemProps || !prepare()) return 0;
    SystemSettings copy;
    std::memcpy(&copy, record, sizeof copy);
    SystemPropsCall call{ParentOf(p.host_window), p.host_window, record, &copy, record->hotkey_table};
    if (registry.systemProps(call) == kDialogOk) std::memcpy(record, &copy, sizeof copy);
    return 0;  // the host rereads the record; the result is 0 also after OK
}

std::u16string ToU16(const void* text)
{
    return text ? std::u16string(static_cast<const ov_char16*>(text)) : u"";
}

std::vector<std::u16string> ReadStrings(const OvHostList* list)
{
    std::vector<std::u16string> out;
    for (const OvHostListNode* node = list ? list->head : nullptr; node; node = node->next)
        out.push_back(ToU16(node->data));
    return out;
}

std::vector<ChoiceList> ReadChoiceLists(const OvHostList* perRow)
{
    std::vector<ChoiceList> out;
    for (const OvHostListNode* node = perRow ? perRow->head : nullptr; node; node = node->next) {
        if (node->data)
            out.emplace_back(ReadStrings(static_cast<const OvHostList*>(node->data)));
        else
            out.emplace_back(std::nullopt);
    }
    return out;
}

void FreeStringNodes(OvHostListNode* node)
{
    while (node) {
        OvHostListNode* next = node->next;
        std::free(node->data);
        std::free(node);
        node = next;
    }
}

// The values as a chain of new nodes and new host strings in `built`; false when memory ran out
// (nothing is left allocated then).
bool BuildStrings(const std::vector<std::u16string>& values, OvHostList& built)
{
    for (const std::u16string& value : values) {
        auto* copy = static_cast<ov_char16*>(HostAlloc((value.size() + 1) * sizeof(ov_char16)));
        auto* node = copy ? static_cast<OvHostListNode*>(HostAlloc(sizeof(OvHostListNode))) : nullptr;
        if (!node) {
            std::free(copy);
            FreeStringNodes(built.head);
            return false;
        }
        std::copy(value.begin(), value.end(), copy);
        copy[value.size()] = 0;
        *node = {nullptr, built.tail, copy};
        (built.tail ? built.tail->next : built.head) = node;
        built.tail = node;
        ++built.count;
    }
    return true;
}

// Replaces the host's strings with the dialog's. The new strings and nodes are all allocated before
// the old ones go, so when memory runs out the host's list is exactly as it was; false then.
bool RefillStrings(OvHostList* list, const std::vector<std::u16string>& values)
{
    OvHostList built{};
    if (!BuildStrings(values, built)) return false;
    ov_list_free_strings(list);
    list->head = built.head;
    list->tail = built.tail;
    list->count = built.count;
    return true;
}

}  // namespace

int32_t DispatchGEEdt(const GEEdtParams* params, DialogRegistry& registry, const UiPreparer& prepare)
{
    if (!params) return 0;
    const GEEdtParams& p = *params;
    switch (p.code) {
    case OV_CODE_GENERATE_ANIMATION: return RunGenerateAnimation(p, registry, prepare);
    case OV_CODE_TIME_SERIES: return RunTimeSeries(p, registry, prepare);
    case OV_CODE_XY_CHART: return RunXYChart(p, registry, prepare);
    case OV_CODE_PIE_CHART: return RunOtherChart(p, registry.pieChart, prepare);
    case OV_CODE_SURFACE: return RunSurface(p, registry, prepare);
    case OV_CODE_NUMBER_AXIS: return RunOtherChart(p, registry.numberAxis, prepare);
    case OV_CODE_CLIP_PATH: return RunPaths(p, registry.clipPath, prepare);
    case OV_CODE_POINTS_ALONG_PATHS: return RunPaths(p, registry.pointsAlongPaths, prepare);
    default: return RunSystemProps(p, registry, prepare);
    }
}

int32_t DispatchGSS(const ov_char16* caption, GSSParams* params, DialogRegistry& registry,
                    const UiPreparer& prepare)
{
    if (!params || !params->labels || !params->values) return 0;
    const bool indexed = params->choice_lists || params->placements;
    if (indexed && params->index < 0) return 0;
    if (!registry.setStrings || !prepare()) return 0;

    SetStringsCall call;
    SetStringsSetup& setup = call.setup;
    setup.title = ToU16(caption);
    setup.labels = ReadStrings(params->labels);
    setup.values = ReadStrings(params->values);
    // The selected element is a list with one entry per row: a list of choices, or null.
    if (params->choice_lists) setup.choiceLists = ReadChoiceLists(&params->choice_lists[params->index]);
    if (params->placements) {
        setup.placement = params->placements[params->index];
        call.parent = ParentOf(setup.placement->anchor);
    }
    const int result = registry.setStrings(call);
    if (result != kDialogOk) return 0;
    return RefillStrings(params->values, setup.values) ? 1 : 0;
}

bool HandOverPath(const OvPath* path, OvPathData& host)
{
    const int32_t n = ov_path_point_count(path);
    if (n <= 0) {
        host.count = 0;
        std::free(host.points);
        std::free(host.types);
        host.points = nullptr;
        host.types = nullptr;
        return true;
    }
    if (host.count < n) {
        // New arrays first: when memory runs out the host keeps its arrays and count as they were.
        auto* points = static_cast<OvPointF*>(HostAlloc(sizeof(OvPointF) * static_cast<size_t>(n)));
        auto* types = points ? static_cast<uint8_t*>(HostAlloc(static_cast<size_t>(n))) : nullptr;
        if (!types) {
            std::free(points);
            return false;
        }
        if (host.count > 0) {  // arrays too small are released; with no count the host holds none
            std::free(host.points);
            std::free(host.types);
        }
        host.points = points;
        host.types = types;
    }
    // The count becomes n also when larger arrays are reused: the host reads count points, and those
    // past n belong to an earlier outline or were never written. The arrays keep their size.
    host.count = n;
    ov_path_get_data(path, host.points, host.types, n);
    return true;
}

int32_t DispatchDFF(const ov_char16* bitmapPath, float* seedX, float* seedY, OvPathData* pathData,
                    DialogRegistry& registry, const UiPreparer& prepare)
{
    if (!bitmapPath || !seedX || !seedY || !pathData || !registry.floodFill || !prepare()) return 0;
    std::unique_ptr<OvPath, void (*)(OvPath*)> outline(ov_path_create(OV_FILL_ALTERNATE), ov_path_destroy);
    if (!outline) return 0;
    FloodFillCall call;
    call.bitmapPath = bitmapPath;
    call.seedX = *seedX;
    call.seedY = *seedY;
    call.outline = outline.get();
    if (registry.floodFill(call) != kDialogOk) return 0;
    if (!HandOverPath(outline.get(), *pathData)) return 0;  // the seed stays as it was too
    *seedX = call.seedX;
    *seedY = call.seedY;
    return 1;
}

int32_t DispatchGMagnet(OvHostWindow* viewWindow, void* magnetRecord, DialogRegistry& registry,
                        const UiPreparer& prepare)
{
    auto* record = static_cast<MagnetRecord*>(magnetRecord);
    if (!record || !registry.magnets || !prepare()) return 0;
    record->current_magnet = nullptr;
    RemoveDroppedMagnets(*record);
    MagnetsCall call{ParentOf(viewWindow), viewWindow, record};
    const int result = registry.magnets(call);
    record->current_magnet = nullptr;
    return OkAsOne(result);
}

void FailHostAllocationForTesting(int nth)
{
    g_allocations_to_failure = nth;
}

}  // namespace ov
