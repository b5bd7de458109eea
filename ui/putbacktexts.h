#pragma once

// The words of Pass > Put back the last pass: the preview it asks with and the box it ends
// with. The engine says what it would do and what came of it as values.

#include "dialogtexts.h"
#include "engine/putbacklastpass.h"

#include <optional>
#include <string>

namespace sequate::ui {

// What the put-back will do, as the question before it shows it.
std::string putBackPreviewText(const engine::PutBackPreview& preview);

// The box the put-back ends with; nothing when the user said no.
std::optional<Message> putBackMessage(const engine::PutBackOutcome& outcome);

} // namespace sequate::ui
