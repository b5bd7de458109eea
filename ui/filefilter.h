#pragma once

// The save dialog's file types as Sequate writes them, read once for both views: the Qt view
// and the Windows one each only put the pairs in their toolkit's form.

#include <string>
#include <vector>

namespace sequate::ui {

struct FileType {
    std::string description; // as written, a trailing blank kept for the Windows dialog
    std::string pattern;     // such as "*.eco"; never empty

    bool operator==(const FileType&) const = default;
};

// From "description|pattern|" pairs, the form of the old program's common dialog, kept as
// written ("ECO files (*.eco) |*.eco|", the blank before the bar included), or from a
// description alone that holds its pattern in brackets ("CSV files (*.csv)"); a description
// with no pattern takes every file ("*.*").
std::vector<FileType> fileTypes(const std::string& filter);

// "ECO files (*.eco)": the description trimmed, with the pattern added in brackets unless it
// shows it.
std::string shownFileType(const FileType& type);

} // namespace sequate::ui
