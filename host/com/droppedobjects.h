#pragma once

// Releasing an object of another application crosses into that application's process, and a
// pass drops thousands of them at its end: under Wine each release takes about a millisecond,
// so that the window stayed greyed for seconds after the pass's last call. Dropped objects wait
// here: the next call releases them first, and those dropped after the last call of a pass are
// released a few at a time while the window waits for input. Per thread, as COM's apartments
// are; whatever still waits is released before the apartment ends.

#include <chrono>
#include <cstddef>
#include <unknwn.h>

namespace sequate::host::com {

// Takes over the caller's reference; nothing for a null object.
void releaseLater(IUnknown* object);
// Releases waiting objects for about `budget` at most; true while more wait.
bool releaseSomeDropped(std::chrono::milliseconds budget);
void releaseAllDropped();
std::size_t droppedObjectsWaiting();

} // namespace sequate::host::com
