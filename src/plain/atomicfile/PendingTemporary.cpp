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

// What each signal did before: another copy of this library (the model module links its own)
// may have installed its handler first, and is called after ours.
struct sigaction& previousAction(int signalNumber) {
    static struct sigaction previous[2] = {};
    return previous[signalNumber == SIGTERM ? 0 : 1];
}

extern "C" void removePendingAndEnd(int signalNumber, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slotAt(i);
        if (slot.state.load(std::memory_order_acquire) == kReady) {
            ::unlink(slot.path);
        }
    }
    errno = savedErrno;
    const struct sigaction& previous = previousAction(signalNumber);
    if ((previous.sa_flags & SA_SIGINFO) != 0) {
        previous.sa_sigaction(signalNumber, info, context);
    } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
        previous.sa_handler(signalNumber);
    } else {
        // The default action, as if we had never been here: the signal is blocked while its
        // handler runs, and ends the process once it returns.
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        ::sigaction(signalNumber, &fallback, nullptr);
        ::raise(signalNumber);
    }
}

void installHandlers() {
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        struct sigaction& previous = previousAction(signalNumber);
        if (::sigaction(signalNumber, nullptr, &previous) != 0 ||
            ((previous.sa_flags & SA_SIGINFO) == 0 && previous.sa_handler == SIG_IGN)) {
            continue;  // ignored, as a background job ignores SIGINT: left so
        }
        struct sigaction action {};
        action.sa_sigaction = removePendingAndEnd;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_SIGINFO | SA_RESTART;
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
