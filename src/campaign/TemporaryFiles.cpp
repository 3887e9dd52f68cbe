#include "TemporaryFiles.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int SlotCount = 16;
constexpr std::size_t PathLength = 4096;

struct Slot {
    std::atomic<bool> used{false};
    std::atomic<bool> ready{false};
    char path[PathLength];
};

Slot slots[SlotCount];

extern "C" void removeAndReraise(int signalNumber) {
    for (Slot& slot : slots)
        if (slot.ready.load())
            ::unlink(slot.path);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

} // namespace

namespace TemporaryFiles {

int Register(const char* path) {
    if (std::strlen(path) >= PathLength)
        return -1;
    for (int i = 0; i < SlotCount; ++i) {
        bool expected = false;
        if (slots[i].used.compare_exchange_strong(expected, true)) {
            std::strcpy(slots[i].path, path);
            slots[i].ready.store(true);
            return i;
        }
    }
    return -1;
}

void Unregister(int slot) {
    if (slot < 0)
        return;
    slots[slot].ready.store(false);
    slots[slot].used.store(false);
}

void RemoveOnTermination() {
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signalNumber, removeAndReraise);
}

} // namespace TemporaryFiles
