#pragma once

// Part names as the ECO file carries them. Names are UTF-8 in memory; the file is written in
// ISO 8859-1, one byte per character, and PowerPCB splits a rename line at its blank and reads
// a line that begins with "*" as a keyword.

#include <cstddef>
#include <string>

namespace sequate::eco {

enum class NameSide { Old, New };

// The name in ISO 8859-1. Throws EcoError with a host::EcoNameRefused (the name, its side, its
// 1-based rename number and the rule) for a name that breaks one of the layout's rules
// (host/partnamerules.h).
std::string ecoName(const std::string& utf8, NameSide side, std::size_t renameNumber);

} // namespace sequate::eco
