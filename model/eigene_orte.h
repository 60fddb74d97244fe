// The user's five own rainfall places (Regeneig.dat).
#pragma once

#include <array>
#include <string>

namespace dkm {

struct Eigener_Ort {
    std::string name;
    float r5_5 = 0;
    float r5_100 = 0;
};
using Eigene_Orte = std::array<Eigener_Ort, 5>;

}  // namespace dkm
