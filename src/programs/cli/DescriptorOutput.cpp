// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DescriptorOutput.h"

#include <unistd.h>

#include <cerrno>

namespace kelvarin {

bool DescriptorOutput::drain() {
    const char* next = pbase();
    while (error_ == 0 && next < pptr()) {
        const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        next += written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    if (error_ != 0) {
        errno = error_;
    }
    return error_ == 0;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorOutput::sync() {
    return drain() ? 0 : -1;
}

}  // namespace kelvarin
