/* The public interface used from C: the inline host-list operations keep their links. (The entry points'
 * export from the shared library is the exports check's part, their refusals the dispatch tests'.) */
#include <ornivex/ornivex.h>

#include <stdio.h>

static int failures;

#define CHECK(cond)   \
    ((cond) ? (void)0 \
            : (void)(fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond), ++failures))

static int values[6] = {10, 11, 12, 13, 14, 15};

/* Walks the list both ways: the links must agree with each other and with the count. */
static int links_consistent(const OvHostList* list)
{
    const OvHostListNode* node;
    const OvHostListNode* last = NULL;
    int32_t forward = 0, backward = 0;
    for (node = list->head; node; node = node->next) {
        if (node->prev != last) return 0;
        last = node;
        ++forward;
    }
    if (last != list->tail) return 0;
    for (node = list->tail; node; node = node->prev) ++backward;
    return forward == list->count && backward == list->count;
}

/* True when the list holds exactly the given elements of values[], in order. */
static int holds(const OvHostList* list, const int* indexes, int32_t n)
{
    int32_t i;
    if (ov_list_count(list) != n || !links_consistent(list)) return 0;
    for (i = 0; i < n; ++i)
        if (ov_list_at(list, i) != &values[indexes[i]]) return 0;
    return 1;
}

static void test_list_operations(void)
{
    OvHostList list, other;
    ov_list_init(&list);
    ov_list_init(&other);
    CHECK(ov_list_remove_last(&list) == NULL && ov_list_at(&list, 0) == NULL);

    CHECK(ov_list_append(&list, &values[0]) && ov_list_append(&list, &values[1]));
    CHECK(ov_list_insert_at(&list, 0, &values[2]));          /* new head */
    CHECK(ov_list_insert_at(&list, 2, &values[3]));          /* before the last */
    CHECK(ov_list_insert_at(&list, list.count, &values[4])); /* index == count appends */
    CHECK(!ov_list_insert_at(&list, -1, &values[5]));
    CHECK(!ov_list_insert_at(&list, list.count + 1, &values[5]));
    CHECK(holds(&list, (const int[]){2, 0, 3, 1, 4}, 5));
    CHECK(ov_list_remove_at(&list, 2) == &values[3]);
    CHECK(ov_list_remove_at(&list, 0) == &values[2]);
    CHECK(ov_list_remove_at(&list, list.count) == NULL && ov_list_remove_at(&list, -1) == NULL);
    CHECK(ov_list_remove_last(&list) == &values[4]);

    CHECK(ov_list_append(&other, &values[5]) && ov_list_append(&other, &values[2]));
    CHECK(ov_list_append_list(&list, &other));
    CHECK(holds(&list, (const int[]){0, 1, 5, 2}, 4) && holds(&other, (const int[]){5, 2}, 2));
    while (ov_list_remove_last(&list)) {
    }
    CHECK(list.count == 0 && list.head == NULL && list.tail == NULL);
    ov_list_remove_all(&other);
    CHECK(other.count == 0 && other.head == NULL && other.tail == NULL);
}

int main(void)
{
    test_list_operations();
    if (failures) fprintf(stderr, "%d check(s) failed\n", failures);
    return failures ? 1 : 0;
}
