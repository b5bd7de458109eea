#pragma once

#include <QString>
#include <string>

namespace sequate::app {

// A file-type filter in the "description|pattern|" form, such as "ECO files (*.eco) |*.eco|",
// in the form Qt's file dialog reads: "ECO files (*.eco)". Several pairs become ";;"-separated
// entries; a description that does not show its pattern gets it added in brackets.
QString toQtFilter(const std::string& filter);

} // namespace sequate::app
