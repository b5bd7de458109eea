#pragma once

// Part names as the ECO file carries them. Names are UTF-8 in memory; the file is written in
// ISO 8859-1, one byte per character, and PowerPCB splits a rename line at its blank and reads
// a line that begins with "*" as a keyword.

#include <cstddef>
#include <string>

namespace sequate::eco {

enum class NameSide { Old, New };

// The name in ISO 8859-1. Throws EcoError, naming the name, its side and its 1-based rename
// number, for a name that is empty, is not UTF-8, holds a blank, a control character or a
// character beyond U+00FF, or begins with "*".
std::string ecoName(const std::string& utf8, NameSide side, std::size_t renameNumber);

} // namespace sequate::eco
