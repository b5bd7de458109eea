// sequate-pass-com: a numbering pass over the schematic open in the running PowerLogic, through
// COM, without a window.

#include "compassrunner.h"

#include <clocale>
#include <iostream>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    return sequate::tools::comRunnerMain(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                         std::cerr);
}
