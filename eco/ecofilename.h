#pragma once

// The name of the ECO file handed to PowerPCB, taken from the schematic's file name.

#include <string>

namespace sequate::eco {

// The file-name part of the schematic's name (anything up to the last "/" or "\" dropped, so
// the ECO file stays in its folder), "untitled.sch" when that is empty, cut after its first "."
// and followed by "eco": amp.rev2.sch gives amp.eco. Characters a Windows file name cannot hold
// become "_", and a name that would pass 255 bytes is cut before its ".eco".
std::string ecoFileNameFor(const std::string& schematicName);

// The name up to and including its first "."; a name without "." gets one appended.
// Old program: ChangeFileName.
std::string fileStemWithDot(const std::string& name);

} // namespace sequate::eco
