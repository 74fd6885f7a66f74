// SPDX-License-Identifier: GPL-3.0-or-later
// A module with one entry and nothing behind it, for opening.
extern "C" __attribute__((visibility("default"))) int kelvarinSampleModule() {
    return 1;
}
