/* The host list: an ordered, doubly linked list of pointers owned by the host.
 * Laid out so that on 32-bit its head, tail and count sit at +4, +8 and +12 of a 28-byte block,
 * where the host records expect them. The operations are inline so host and library share them
 * without exporting anything. Nodes are malloc'ed; elements are not owned by the list. */
#ifndef ORNIVEX_HOSTLIST_H
#define ORNIVEX_HOSTLIST_H

#include "hoststring.h"

typedef struct OvHostListNode {
    struct OvHostListNode* next;
    struct OvHostListNode* prev;
    void* data;
} OvHostListNode;

typedef struct OvHostList {
    void* reserved_head_word; /* kept by the host's framework; zero for lists built here */
    OvHostListNode* head;
    OvHostListNode* tail;
    int32_t count;
    void* reserved_free; /* free-node chain of the original framework; unused here */
    void* reserved_blocks;
    int32_t reserved_block_size;
} OvHostList;

#if OV_LAYOUT_32
OV_STATIC_ASSERT(sizeof(OvHostList) == 28, "host list is 28 bytes on 32-bit");
OV_STATIC_ASSERT(offsetof(OvHostList, head) == 4, "host list head at +4");
OV_STATIC_ASSERT(offsetof(OvHostList, tail) == 8, "host list tail at +8");
OV_STATIC_ASSERT(offsetof(OvHostList, count) == 12, "host list count at +12");
#endif

static inline void ov_list_init(OvHostList* list)
{
    memset(list, 0, sizeof *list);
}

static inline int32_t ov_list_count(const OvHostList* list)
{
    return list ? list->count : 0;
}

/* Appends one element; returns 0 when out of memory. */
static inline int ov_list_append(OvHostList* list, void* data)
{
    OvHostListNode* node = (OvHostListNode*)malloc(sizeof *node);
    if (!node) return 0;
    node->next = NULL;
    node->prev = list->tail;
    node->data = data;
    if (list->tail)
        list->tail->next = node;
    else
        list->head = node;
    list->tail = node;
    ++list->count;
    return 1;
}

/* Element at a position from the head, or null when out of range. */
static inline void* ov_list_at(const OvHostList* list, int32_t index)
{
    OvHostListNode* node;
    if (!list || index < 0 || index >= list->count) return NULL;
    for (node = list->head; index > 0; --index) node = node->next;
    return node->data;
}

static inline void* ov_list_last(const OvHostList* list)
{
    return (list && list->tail) ? list->tail->data : NULL;
}

/* Removes the last element and returns it (null for an empty list). */
static inline void* ov_list_remove_last(OvHostList* list)
{
    OvHostListNode* node;
    void* data;
    if (!list || !list->tail) return NULL;
    node = list->tail;
    data = node->data;
    list->tail = node->prev;
    if (list->tail)
        list->tail->next = NULL;
    else
        list->head = NULL;
    --list->count;
    free(node);
    return data;
}

/* Inserts before position index (index == count appends); returns 0 on a bad index or no memory. */
static inline int ov_list_insert_at(OvHostList* list, int32_t index, void* data)
{
    OvHostListNode *at, *node;
    int32_t i;
    if (!list || index < 0 || index > list->count) return 0;
    if (index == list->count) return ov_list_append(list, data);
    for (at = list->head, i = 0; i < index; ++i) at = at->next;
    node = (OvHostListNode*)malloc(sizeof *node);
    if (!node) return 0;
    node->data = data;
    node->next = at;
    node->prev = at->prev;
    if (at->prev)
        at->prev->next = node;
    else
        list->head = node;
    at->prev = node;
    ++list->count;
    return 1;
}

/* Removes the element at a position and returns it (null when out of range). */
static inline void* ov_list_remove_at(OvHostList* list, int32_t index)
{
    OvHostListNode* node;
    void* data;
    if (!list || index < 0 || index >= list->count) return NULL;
    for (node = list->head; index > 0; --index) node = node->next;
    if (node->prev)
        node->prev->next = node->next;
    else
        list->head = node->next;
    if (node->next)
        node->next->prev = node->prev;
    else
        list->tail = node->prev;
    data = node->data;
    free(node);
    --list->count;
    return data;
}

/* Removes every element; the elements themselves are left alone. */
static inline void ov_list_remove_all(OvHostList* list)
{
    OvHostListNode* node;
    if (!list) return;
    node = list->head;
    while (node) {
        OvHostListNode* next = node->next;
        free(node);
        node = next;
    }
    list->head = list->tail = NULL;
    list->count = 0;
}

/* Appends every element of other (which stays unchanged); returns 0 when out of memory. */
static inline int ov_list_append_list(OvHostList* list, const OvHostList* other)
{
    OvHostListNode* node;
    for (node = other ? other->head : NULL; node; node = node->next)
        if (!ov_list_append(list, node->data)) return 0;
    return 1;
}

/* For lists of host strings: frees every string and empties the list. */
static inline void ov_list_free_strings(OvHostList* list)
{
    OvHostListNode* node;
    for (node = list ? list->head : NULL; node; node = node->next) free(node->data);
    ov_list_remove_all(list);
}

#endif
