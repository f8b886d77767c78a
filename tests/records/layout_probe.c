/* Compiled, not run: includes the public interface so that every record layout assert is evaluated
 * for the target the compiler is asked for (-m32 gives the host's 32-bit layout). */
#include <ornivex/ornivex.h>

/* The 32-bit checks must not be skipped silently when -m32 is lost on the way. */
#if defined(OV_PROBE_EXPECT_32) && !OV_LAYOUT_32
#error "the probe was meant for 32-bit pointers; the 32-bit layout asserts were skipped"
#endif

/* A deliberately wrong offset: compiling with OV_PROBE_BROKEN must fail, which shows the asserts
 * are really evaluated by a syntax-only compile. */
#if defined(OV_PROBE_BROKEN) && OV_LAYOUT_32
OV_ASSERT_OFFSET(MagnetRecord, current_magnet, 0x3c);
#endif

#ifdef __cplusplus
#include <type_traits>
/* Records copied by value (whole, with memcpy) into dialogs and back. */
static_assert(std::is_trivially_copyable_v<ChartRecord> && std::is_standard_layout_v<ChartRecord>);
static_assert(std::is_trivially_copyable_v<SystemSettings> && std::is_standard_layout_v<SystemSettings>);
/* offsetof is only meaningful on standard-layout types. */
static_assert(std::is_standard_layout_v<DataSeries> && std::is_standard_layout_v<Host3DObject> &&
              std::is_standard_layout_v<MagnetRecord> && std::is_standard_layout_v<COvSegPath> &&
              std::is_standard_layout_v<TimeSeries> && std::is_standard_layout_v<HotkeyTable>);
#endif

/* The 28-byte list array of the Set Strings block: element i starts 28 × i bytes in. */
#if OV_LAYOUT_32
OV_STATIC_ASSERT(sizeof(OvHostList[3]) == 84, "choice lists lie end to end, 28 bytes each");
#endif

typedef int ov_probe_translation_unit_is_not_empty;
