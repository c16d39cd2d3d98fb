// Test doubles for the outline builder: border shapes held in memory, and a
// region API that records every call and keeps count of the regions alive.
#pragma once

#include "platform/Regions.h"
#include "shell/BuildBorderRegion.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace shelltest {

struct ShapeValues {
    std::int16_t kind = 4;
    float left = 0, top = 0, width = 0, height = 0;
};

// A member that logs each property access in order. A property named in
// `failing` throws when read.
class FakeShape : public shell::BorderShape {
public:
    explicit FakeShape(ShapeValues v = {}) : v_(v) {}

    std::int16_t Shape() const override { return read("Shape", v_.kind); }
    void setShape(std::int16_t kind) override {
        log_.push_back("setShape(" + std::to_string(kind) + ")");
        v_.kind = kind;
    }
    float Left() const override { return read("Left", v_.left); }
    float Top() const override { return read("Top", v_.top); }
    float Width() const override { return read("Width", v_.width); }
    float Height() const override { return read("Height", v_.height); }

    std::int16_t kind() const { return v_.kind; }
    const std::vector<std::string>& log() const { return log_; }
    std::string failing;

private:
    template <typename T>
    T read(const char* name, T value) const {
        log_.push_back(name);
        if (failing == name) throw std::runtime_error(std::string(name) + " cannot be read");
        return value;
    }

    ShapeValues v_;
    mutable std::vector<std::string> log_;
};

class FakeShapeSet : public shell::BorderShapeSet {
public:
    FakeShapeSet(std::int16_t lbound, std::int16_t ubound) : lbound_(lbound), ubound_(ubound) {}
    // The members at lbound, lbound + 1, ... in order.
    FakeShapeSet(std::int16_t lbound, std::initializer_list<ShapeValues> members)
        : lbound_(lbound), ubound_(static_cast<std::int16_t>(lbound + static_cast<int>(members.size()) - 1)) {
        int index = lbound;
        for (const ShapeValues& v : members) add(static_cast<std::int16_t>(index++), v);
    }

    FakeShape& add(std::int16_t index, ShapeValues v) { return members_.insert_or_assign(index, FakeShape(v)).first->second; }
    void remove(std::int16_t index) { members_.erase(index); }
    FakeShape& at(std::int16_t index) { return members_.at(index); }

    std::int16_t LBound() const override { return lbound_; }
    std::int16_t UBound() const override { return ubound_; }
    shell::BorderShape* member(std::int16_t index) override {
        const auto it = members_.find(index);
        return it == members_.end() ? nullptr : &it->second;
    }

private:
    std::int16_t lbound_, ubound_;
    std::map<std::int16_t, FakeShape> members_;
};

// Records each call as text, e.g. "CreateRectRgn(0,0,0,0) -> 1" or
// "CombineRgn(2,1,1,RGN_COPY)". Handles count up from 1. The creation numbered
// `failCreation` (1 = the first) returns 0.
class RecordingRegions : public platform::RegionApi {
public:
    platform::RegionHandle CreateRectRgn(int x1, int y1, int x2, int y2) override {
        return create("CreateRectRgn(" + list({x1, y1, x2, y2}) + ")");
    }
    platform::RegionHandle CreateEllipticRgn(int x1, int y1, int x2, int y2) override {
        return create("CreateEllipticRgn(" + list({x1, y1, x2, y2}) + ")");
    }
    platform::RegionHandle CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) override {
        return create("CreateRoundRectRgn(" + list({x1, y1, x2, y2, w, h}) + ")");
    }
    int CombineRgn(platform::RegionHandle dst, platform::RegionHandle src1, platform::RegionHandle src2,
                   int mode) override {
        const std::string name = mode == platform::RGN_COPY ? "RGN_COPY"
                                 : mode == platform::RGN_OR ? "RGN_OR"
                                                            : std::to_string(mode);
        calls.push_back("CombineRgn(" + std::to_string(dst) + "," + std::to_string(src1) + "," +
                        std::to_string(src2) + "," + name + ")");
        if (!live.count(dst) || !live.count(src1)) ++misuses;
        return platform::COMPLEXREGION;
    }
    bool DeleteObject(platform::RegionHandle region) override {
        calls.push_back("DeleteObject(" + std::to_string(region) + ")");
        if (live.erase(region) == 1) return true;
        ++misuses;
        return false;
    }

    std::vector<std::string> calls;
    std::set<platform::RegionHandle> live;
    int misuses = 0;  // calls on handles that were not alive
    int failCreation = 0;

private:
    static std::string list(std::initializer_list<int> values) {
        std::string out;
        for (int v : values) {
            if (!out.empty()) out += ',';
            out += std::to_string(v);
        }
        return out;
    }
    platform::RegionHandle create(const std::string& call) {
        ++creations_;
        if (creations_ == failCreation) {
            calls.push_back(call + " -> 0");
            return 0;
        }
        const platform::RegionHandle handle = next_++;
        live.insert(handle);
        calls.push_back(call + " -> " + std::to_string(handle));
        return handle;
    }
    int creations_ = 0;
    platform::RegionHandle next_ = 1;
};

}  // namespace shelltest
