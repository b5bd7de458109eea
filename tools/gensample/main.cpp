// sequate-gensample: writes a sample design as a simulator state file. Without options it is
// the bundled sample; with a size or a seed, a design like it in PowerLogic's list order.

#include "host/sim/statefile.h"
#include "samplegenerator.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using sequate::tools::SampleOptions;

constexpr const char* usage =
    "usage: sequate-gensample [--components N] [--seed S] [--selected FRACTION] [FILE]\n"
    "Writes a sample design as a simulator state file, to standard output without FILE.\n"
    "Without options it is the bundled amplifier sample. --components and --seed make a\n"
    "design like it, of N parts (at most 32767), listed as PowerLogic lists them; --selected\n"
    "selects that share of its parts (0 to 1) instead of one.\n";

template <typename Number>
Number numberAfter(const std::vector<std::string>& arguments, std::size_t& i, Number lowest) {
    if (i + 1 == arguments.size())
        throw std::invalid_argument(arguments[i] + " needs a value");
    const std::string& text = arguments[++i];
    Number value{};
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc() || end != text.data() + text.size() || value < lowest)
        throw std::invalid_argument(arguments[i - 1] + ": not a usable value: " + text);
    return value;
}

struct Command {
    SampleOptions options;
    std::optional<std::string> file;
    bool help = false;
};

Command parse(const std::vector<std::string>& arguments) {
    Command command;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--components") {
            command.options.components = numberAfter(arguments, i, 0);
            // PowerLogic counts and numbers parts with 16 bits: a bigger design cannot exist.
            if (command.options.components > 32767)
                throw std::invalid_argument("--components: at most 32767 parts, as PowerLogic "
                                            "counts them with 16 bits, not " +
                                            arguments[i]);
            command.options.shuffled = true;
        } else if (argument == "--seed") {
            command.options.seed = numberAfter(arguments, i, std::uint32_t{0});
            command.options.shuffled = true;
        } else if (argument == "--selected") {
            const double fraction = numberAfter(arguments, i, 0.0);
            if (fraction > 1)
                throw std::invalid_argument("--selected: a share from 0 to 1, not " + arguments[i]);
            command.options.selectedFraction = fraction;
        } else if (argument == "--help" || argument == "-h") {
            command.help = true;
        } else if (argument.starts_with("-") || command.file) {
            throw std::invalid_argument("unexpected argument " + argument);
        } else {
            command.file = argument;
        }
    }
    return command;
}

} // namespace

int main(int argc, char** argv) {
    Command command;
    try {
        command = parse(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::cerr << "sequate-gensample: " << error.what() << "\n" << usage;
        return 2;
    }
    if (command.help) {
        std::cout << usage;
        return 0;
    }
    const auto state = sequate::tools::makeSampleState(command.options);
    if (!command.file) {
        std::cout << sequate::host::sim::serializeState(state);
        return 0;
    }
    try {
        sequate::host::sim::saveStateFile(*command.file, state);
    } catch (const sequate::host::sim::StateFileError& error) {
        std::cerr << "sequate-gensample: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
