#pragma once

// The pieces of the PADS ECO text. Every line ends with CR LF.

#include <string>

namespace sequate::eco {

// The four header lines that open a section.
void ecoAloitus(std::string& file);

// Closes the section, leaves one empty line and opens the next.
void ecoSectionChange(std::string& file);

// The line that closes the last section: nothing follows it.
void ecoEnd(std::string& file);

} // namespace sequate::eco
