#include "counttext.h"

namespace sequate::ui {

std::string withThousands(long long n) {
    std::string digits = std::to_string(n);
    for (std::size_t at = digits.size(); at > 3 && digits[at - 4] != '-'; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

std::string counted(long long n, const char* one, const char* many) {
    return withThousands(n) + " " + (n == 1 ? one : many);
}

std::string progressLine(engine::ProgressPhase phase, long long done, long long total) {
    const std::string ofTotal = withThousands(done) + " of " + withThousands(total);
    switch (phase) {
    case engine::ProgressPhase::Reading:
        return "Reading " + ofTotal + " components";
    case engine::ProgressPhase::Renaming:
        return "Renaming " + ofTotal;
    case engine::ProgressPhase::PuttingBack:
        break;
    }
    return "Putting back " + ofTotal;
}

} // namespace sequate::ui
