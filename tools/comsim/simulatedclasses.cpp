#include "simulatedclasses.h"

#include "host/com/comrunningobjects.h"
#include "hosts.h"

#include <windows.h>

namespace sequate::comsim {

namespace {

std::wstring text(const GUID& id) {
    wchar_t buffer[64];
    ::StringFromGUID2(id, buffer, 64);
    return buffer;
}

} // namespace

std::vector<std::pair<std::wstring, std::wstring>> simulatedClasses() {
    using host::com::Application;
    using host::com::classVariable;
    return {{classVariable(Application::PowerLogic), text(CLSID_SimulatedPowerLogic)},
            {classVariable(Application::PowerPcb), text(CLSID_SimulatedPowerPcb)}};
}

void pointAtTheSimulator() {
    for (const auto& [variable, value] : simulatedClasses())
        ::SetEnvironmentVariableW(variable.c_str(), value.c_str());
}

} // namespace sequate::comsim
