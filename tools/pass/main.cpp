// sequate-pass: a numbering pass over a schematic state file, without a display.

#include "passrunner.h"

#include <clocale>
#include <iostream>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    return sequate::tools::runnerMain(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                      std::cerr);
}
