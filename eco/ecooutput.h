#pragma once

// The ECO step at the end of a pass: the PADS ECO text of the rename records, writing it where
// the user chose ("Write only"), and the hand-off to the running PowerPCB ("Write and force
// read in PCB"). The window's dialogs and message boxes are reached through EcoUi.

#include "host/ecodelivery.h"
#include "host/powerlogic.h"
#include "host/runningobjects.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sequate::eco {

class EcoUi {
public:
    virtual ~EcoUi() = default;
    // The save form of the file dialog with the given filter; empty on Cancel.
    virtual std::optional<std::string> chooseSaveFile(const std::string& filter) = 0;
};

// A name the ECO format cannot carry, or a file that cannot be written; what() says which.
class EcoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole file, byte for byte: ISO 8859-1, CR LF line ends, a new section before each row
// that renames a part twice, gives a name twice or takes away a name just given. Throws
// EcoError for a name the format cannot carry.
std::string ecoText(const std::vector<std::string>& oldNames,
                    const std::vector<std::string>& newNames);

// Writes the file whole or not at all. Throws EcoError naming the path and the reason.
void WriteEco(const std::string& path, const std::vector<std::string>& oldNames,
              const std::vector<std::string>& newNames);

// The name up to and including its first "."; a name without "." gets one appended.
std::string ChangeFileName(const std::string& name);

// "Write only": checks the names, asks for the file and writes it. Delivered, Cancelled, or
// NotDelivered with the path and the reason.
host::EcoDelivery ShowFileDialog(const std::vector<std::string>& oldNames,
                                 const std::vector<std::string>& newNames, EcoUi& ui);

// Why PowerPCB cannot take an ECO file now (it is not running, or has no layout open); empty
// when it can. Asked before a pass renames anything.
std::string layoutUnreachable(host::RunningObjects& objects);

// "Write and force read in PCB": the file goes to a private folder in the temporary folder,
// PowerPCB reads it, and it is deleted with its folder. Never throws; the outcome says what
// the layout got: NotDelivered when it got nothing (PowerPCB unreachable, the file not written,
// or refused whole by PowerPCB), FileLeftOver when it read the file that could then not be
// deleted, Unknown when PowerPCB stopped answering while it read (the file is kept for the
// user to read in by hand).
host::EcoDelivery AlsoInPCB(host::LogicApplication& powerLogicApp, host::RunningObjects& objects,
                            const std::vector<std::string>& oldNames,
                            const std::vector<std::string>& newNames);

} // namespace sequate::eco
