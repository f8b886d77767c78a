/* Visibility and layout helpers shared by the public C headers of the Ornivex dialog library. */
#ifndef ORNIVEX_EXPORT_H
#define ORNIVEX_EXPORT_H

#ifdef __cplusplus
#define OV_EXTERN_C extern "C"
#define OV_BEGIN_DECLS extern "C" {
#define OV_END_DECLS }
#else
#define OV_EXTERN_C
#define OV_BEGIN_DECLS
#define OV_END_DECLS
#endif

/* Everything in the library is hidden except what carries OV_API. */
#if defined(ORNIVEX_BUILDING_LIBRARY)
#define OV_API __attribute__((visibility("default")))
#else
#define OV_API
#endif

/* Layout checks: compile-time asserts usable from C11 and C++. */
#ifdef __cplusplus
#define OV_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define OV_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

/* Shorthands for the record layout checks: size and byte offset of a member. */
#define OV_ASSERT_SIZE(type, size) OV_STATIC_ASSERT(sizeof(type) == (size), #type " is " #size " bytes")
#define OV_ASSERT_OFFSET(type, member, offset) \
    OV_STATIC_ASSERT(offsetof(type, member) == (offset), #type "." #member " lies at " #offset)

/* True when pointers are 4 bytes: the layout the host records were designed for. */
#if defined(__SIZEOF_POINTER__) && __SIZEOF_POINTER__ == 4
#define OV_LAYOUT_32 1
#else
#define OV_LAYOUT_32 0
#endif

#endif
