#include "headlesswindow.h"

namespace sequate::engine {

void HeadlessProgressBar::setValue(long long value) {
    mValue = value;
    mHistory.push_back(value);
}

Controls Controls::allComponents(const std::string& start) {
    Controls controls;
    controls.optStart = true;
    controls.startText = start;
    return controls;
}

Controls Controls::selectedComponents(const std::string& start, bool renameDuplicates) {
    Controls controls;
    controls.optSelected = true;
    controls.optAssign = !renameDuplicates;
    controls.optDuplicate = renameDuplicates;
    controls.startText = start;
    return controls;
}

host::EcoDelivery HeadlessWindow::writeEcoFile(const engine::EcoRows&) {
    ++fileDialogs;
    return delivery;
}

host::EcoDelivery HeadlessWindow::sendEcoToLayout(host::LogicApplication&, const engine::EcoRows&) {
    ++pcbHandOffs;
    return delivery;
}

void HeadlessWindow::showMessage(engine::MessageStyle style, const std::string& title,
                                 const std::string& text) {
    messages.push_back({style, title, text});
}

} // namespace sequate::engine
