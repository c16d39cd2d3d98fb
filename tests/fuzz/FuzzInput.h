// Reads a fuzz input front to back as little-endian values; past its end
// every value reads as zero, so any input decodes to something.
#pragma once

#include "layouts/Layout.h"
#include "layouts/WindowLayouts.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T take() {
        std::uint8_t bytes[sizeof(T)] = {};
        const std::size_t n = std::min(sizeof(T), size_ - used_);
        if (n > 0) std::memcpy(bytes, data_ + used_, n);
        used_ += n;
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    bool empty() const { return used_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

// The layouts of the program's windows, the seeds of the geometry targets.
inline const std::vector<const layouts::WindowLayout*>& WindowLayouts() {
    static const std::vector<const layouts::WindowLayout*> all = [] {
        std::vector<const layouts::WindowLayout*> layouts;
        for (const layouts::WindowRow& row : layouts::kWindowRows) layouts.push_back(&row.layout());
        return layouts;
    }();
    return all;
}

// A failed property of the oracle: libFuzzer keeps the input as a crash.
inline void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace fuzz
