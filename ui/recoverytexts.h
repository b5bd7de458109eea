#pragma once

// The words of a recovery: the question about a pass cut short and the boxes that say what came
// of it, made from the engine's values. The headless runners word them here too.

#include "dialogtexts.h"
#include "engine/recoverynews.h"

#include <string>

namespace sequate::ui {

std::string unfinishedPassQuestion(const engine::UnfinishedPass& pass);
Message recoveryMessage(const engine::RecoveryMessage& message);

} // namespace sequate::ui
