// The effect list: short-lived timed objects (delayed cash changes, sparks) whose update the frame
// loop runs once per frame, in creation order. Each record starts with a TimedObject header and
// carries its own data after it; an update may remove its own object.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bv {

struct TimedObject;
using TimedUpdate = void (*)(TimedObject* self);
using TimedRelease = void (*)(TimedObject* self);

struct TimedObject {
    TimedObject* prev;
    TimedObject* next;
    TimedUpdate update;
    TimedRelease release; // optional: frees what the object owns
};

// The list refuses objects beyond this many (a runaway producer cannot eat the memory pool).
constexpr int32_t kMaxTimedObjects = 4096;

// A zeroed record of `bytes` (at least the header) at the list's tail; nullptr when the list is
// full or memory runs out.
TimedObject* addTimedObject(size_t bytes, TimedUpdate update, TimedRelease release);
// Unlinks the object, runs its release and frees it.
void removeTimedObject(TimedObject* object);
// Runs every object's update once; the next link is read before each call, so an object may
// remove itself. Objects added during the pass run from the next frame on.
void runTimedObjects();
// Releases and frees every object (level start, new game).
void clearTimedObjects();
// The oldest live object (walk on through `next`); nullptr when the list is empty.
const TimedObject* firstTimedObject();
int32_t timedObjectCount();

} // namespace bv
