#include "launch.h"

#include "ui/launch.h"

namespace sequate::app {

Launch launch(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs) {
    host::RunningObjects& running = *objects;
    auto window = std::make_unique<MainWindow>(std::move(objects), dialogs);
    if (const auto status = ui::launch(window->logic(), running, [&] { window->show(); }))
        return {nullptr, *status};
    return {std::move(window), 0};
}

} // namespace sequate::app
