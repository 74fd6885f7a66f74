// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile/PendingTemporary.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace kelvarin {

namespace {

enum SlotState : int { kFree, kFilling, kReady };

// Plain storage and lock-free flags: a signal handler may read nothing else.
struct Slot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX] = {};
};

constexpr int kSlots = 8;

// The one registry of the process: a signal handler reaches nothing but static storage.
Slot& slotAt(int index) {
    static Slot slots[kSlots];
    return slots[index];
}

static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void removePendingAndEnd(int signalNumber) {
    const int savedErrno = errno;
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slotAt(i);
        if (slot.state.load(std::memory_order_acquire) == kReady) {
            ::unlink(slot.path);
        }
    }
    errno = savedErrno;
    // SA_RESETHAND gave the signal its default action back: it ends the process as it would
    // have without us, once the handler returns.
    ::raise(signalNumber);
}

void installHandlers() {
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        struct sigaction current {};
        if (::sigaction(signalNumber, nullptr, &current) != 0 ||
            (current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) {
            continue;  // ignored, or someone else's to handle: left as it is
        }
        struct sigaction action {};
        action.sa_handler = removePendingAndEnd;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        ::sigaction(signalNumber, &action, nullptr);
    }
}

}  // namespace

PendingTemporary::PendingTemporary(const std::string& path) {
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    if (path.size() >= PATH_MAX || path.find('\0') != std::string::npos) {
        return;
    }
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slotAt(i);
        int expected = kFree;
        if (slot.state.compare_exchange_strong(expected, kFilling, std::memory_order_acquire)) {
            std::memcpy(slot.path, path.c_str(), path.size() + 1);
            slot.state.store(kReady, std::memory_order_release);
            slot_ = i;
            return;
        }
    }
}

PendingTemporary::~PendingTemporary() {
    if (slot_ >= 0) {
        slotAt(slot_).state.store(kFree, std::memory_order_release);
    }
}

}  // namespace kelvarin
