#include "sim/effect_list.h"

#include "core/memory.h"

namespace bv {

namespace {
TimedObject* g_head = nullptr;
TimedObject* g_tail = nullptr;
int32_t g_count = 0;
} // namespace

TimedObject* addTimedObject(size_t bytes, TimedUpdate update, TimedRelease release) {
    if (g_count >= kMaxTimedObjects || bytes < sizeof(TimedObject)) return nullptr;
    auto* object = static_cast<TimedObject*>(memAllocZeroed(bytes));
    if (!object) return nullptr;
    object->update = update;
    object->release = release;
    object->prev = g_tail;
    object->next = nullptr;
    if (g_tail)
        g_tail->next = object;
    else
        g_head = object;
    g_tail = object;
    ++g_count;
    return object;
}

void removeTimedObject(TimedObject* object) {
    if (!object) return;
    if (object->prev)
        object->prev->next = object->next;
    else
        g_head = object->next;
    if (object->next)
        object->next->prev = object->prev;
    else
        g_tail = object->prev;
    --g_count;
    if (object->release) object->release(object);
    memFree(object);
}

void runTimedObjects() {
    // Objects created during the pass are appended after the last one that existed at its start.
    TimedObject* last = g_tail;
    for (TimedObject* object = g_head; object;) {
        TimedObject* next = object->next;
        const bool wasLast = object == last;
        if (object->update) object->update(object);
        if (wasLast) break;
        object = next;
    }
}

void clearTimedObjects() {
    while (g_head) removeTimedObject(g_head);
}

const TimedObject* firstTimedObject() {
    return g_head;
}

int32_t timedObjectCount() {
    return g_count;
}

} // namespace bv
