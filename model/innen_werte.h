// What the internal-gutter sizing stores for the report and the correction window.
#pragma once

#include <array>
#include <string>

namespace dkm {

struct Innen_Werte {
    // Filled by the internal-gutter sizing.
};

}  // namespace dkm
