// sequate-gensample FILE: writes the sample design as a simulator state file.

#include "host/sim/statefile.h"
#include "samplegenerator.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: sequate-gensample FILE\n"
                     "Writes the sample amplifier design as a simulator state file.\n";
        return 2;
    }
    try {
        sequate::host::sim::saveStateFile(argv[1], sequate::tools::makeSampleState());
    } catch (const sequate::host::sim::StateFileError& error) {
        std::cerr << "sequate-gensample: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
