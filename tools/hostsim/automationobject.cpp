#include "automationobject.h"

namespace sequate::hostsim {

namespace {

const char* kindName(const host::LogicApplication*) {
    return "LogicApplication";
}
const char* kindName(const host::LogicDocument*) {
    return "LogicDocument";
}
const char* kindName(const host::LogicComponentSet*) {
    return "LogicComponentSet";
}
const char* kindName(const host::LogicSelection*) {
    return "LogicSelection";
}
const char* kindName(const host::LogicObjects*) {
    return "LogicObjects";
}
const char* kindName(const host::LogicComponent*) {
    return "LogicComponent";
}
const char* kindName(const host::LogicPlacements*) {
    return "LogicPlacements";
}
const char* kindName(const host::LogicPlacement*) {
    return "LogicPlacement";
}
const char* kindName(const host::PcbApplication*) {
    return "PcbApplication";
}
const char* kindName(const host::PcbDocument*) {
    return "PcbDocument";
}

} // namespace

QString kindOf(const AutomationObject& object) {
    return QString::fromLatin1(
        std::visit([](const auto& pointer) { return kindName(pointer.get()); }, object));
}

} // namespace sequate::hostsim
