#include "filefilter.h"

#include "ui/filefilter.h"
#include "widetext.h"

namespace sequate::win {

std::wstring nativeFilter(const std::string& filter) {
    std::wstring native;
    for (const ui::FileType& type : ui::fileTypes(filter)) {
        native += wide(type.description) + L'\0';
        native += wide(type.pattern) + L'\0';
    }
    return native + L'\0';
}

} // namespace sequate::win
