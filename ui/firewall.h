#pragma once

// The one place where an exception nobody expected ends what it broke, in order: the user is
// told what was under way and what went wrong, and the window goes on. Below it, a pass turns
// every exception into its own stop, with its renames put back (numberingpass.h); what still
// comes out here is a fault, caught once rather than at every layer.

#include "dialogtexts.h"

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>

namespace sequate::ui {

// What was under way when the exception came.
enum class Undertaking { StartUp, OpenedDocument, Pass, Preview };

// The box that tells it, with the exception's own words when it had any.
Message unexpectedProblem(Undertaking undertaking, const std::optional<std::string>& what);

// What `work` returns, or nothing once the exception is told.
template <typename Work>
auto behindFirewall(Undertaking undertaking, const std::function<void(const Message&)>& tell,
                    Work&& work) -> std::optional<std::invoke_result_t<Work>> {
    try {
        return work();
    } catch (const std::exception& problem) {
        tell(unexpectedProblem(undertaking, problem.what()));
    } catch (...) {
        tell(unexpectedProblem(undertaking, std::nullopt));
    }
    return std::nullopt;
}

} // namespace sequate::ui
