#pragma once

// The automation objects of the simulated PowerLogic, over a LogicModel.

#include "host/powerlogic.h"

#include <memory>

namespace sequate::host::sim {

class LogicModel;

std::shared_ptr<LogicApplication> makeLogicApplication(std::shared_ptr<LogicModel> model);
// The document object: it stands for whatever document is open when it is called.
std::shared_ptr<LogicDocument> makeLogicDocument(std::shared_ptr<LogicModel> model);

} // namespace sequate::host::sim
