#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace sequate::eco::test {

// The bytes of a golden ECO file under tests/eco/golden: the ECO tests and the window logic's
// saved plan compare with them.
inline std::string golden(const std::string& name) {
    std::ifstream in(std::string(SEQUATE_ECO_GOLDEN_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace sequate::eco::test
