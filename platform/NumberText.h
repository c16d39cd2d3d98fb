// A number as error messages write it: up to 12 significant digits, so that
// an odd value (a huge, tiny or non-finite one) reads as what it was.
#pragma once

#include <sstream>
#include <string>

namespace platform {

inline std::string NumberText(double value) {
    std::ostringstream out;
    out.precision(12);
    out << value;
    return out.str();
}

}  // namespace platform
