#pragma once

#include <QString>
#include <string>

namespace sequate::app {

// A file-type filter as Sequate writes it (ui::fileTypes), in the form Qt's file dialog reads:
// "ECO files (*.eco)", several entries ";;"-separated.
QString toQtFilter(const std::string& filter);

} // namespace sequate::app
