// The list search over the word table's 66 headwords, built once, as the
// main window's list holds them.
#pragma once

#include "core/WordTable.h"
#include "platform/ListSearch.h"

namespace testing_support {

inline const platform::ListSearch& HeadwordSearch() {
    static const platform::ListSearch search = [] {
        platform::ListSearch s;
        for (std::size_t p = 0; p < core::EntryCount(); ++p) s.Add(core::Headword(p));
        return s;
    }();
    return search;
}

}  // namespace testing_support
