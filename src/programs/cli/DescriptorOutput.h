// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <streambuf>

namespace kelvarin {

// A stream buffer over a file descriptor (standard output) that remembers why a write failed:
// a failed flush, even of a stream whose bytes were lost long before, leaves that reason in
// errno, so that the tool can say why its output is gone. Every later write fails too.
class DescriptorOutput : public std::streambuf {
public:
    explicit DescriptorOutput(int fd) : fd_(fd) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    ~DescriptorOutput() override { sync(); }
    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool drain();

    int fd_;
    int error_ = 0;  // the first failure's errno, 0 while every write went through
    std::array<char, 8192> buffer_{};
};

}  // namespace kelvarin
