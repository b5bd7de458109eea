// sequate-pass: a numbering pass over a schematic state file, or over the hosts on the session
// bus, without a display.

#include "busrunner.h"

#include <clocale>
#include <iostream>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    return sequate::tools::runnerMain(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                      std::cerr, sequate::tools::runOnBus);
}
