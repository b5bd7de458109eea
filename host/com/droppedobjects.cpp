#include "droppedobjects.h"

#include <vector>

namespace sequate::host::com {

namespace {

thread_local std::vector<IUnknown*> dropped;

} // namespace

void releaseLater(IUnknown* object) {
    if (object)
        dropped.push_back(object);
}

bool releaseSomeDropped(std::chrono::milliseconds budget) {
    const auto end = std::chrono::steady_clock::now() + budget;
    // The oldest first: an object's children were made after it and dropped before it.
    std::size_t released = 0;
    while (released < dropped.size() && std::chrono::steady_clock::now() < end)
        dropped[released++]->Release();
    dropped.erase(dropped.begin(), dropped.begin() + static_cast<std::ptrdiff_t>(released));
    return !dropped.empty();
}

void releaseAllDropped() {
    // A release may drop further objects.
    while (!dropped.empty()) {
        std::vector<IUnknown*> now;
        now.swap(dropped);
        for (IUnknown* object : now)
            object->Release();
    }
}

std::size_t droppedObjectsWaiting() {
    return dropped.size();
}

} // namespace sequate::host::com
