#pragma once

#include "host/powerlogic.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusLogicDocument : public LogicDocument, private RemoteObject {
public:
    // owned is false for the document a notification names: the host keeps that one.
    DbusLogicDocument(std::shared_ptr<HostConnection> host, QString path, bool owned = true);

    std::string Name() override;
    std::shared_ptr<LogicComponentSet> ComponentSet() override;
    std::shared_ptr<LogicSelection> Selection() override;
    std::shared_ptr<LogicObjects> SelectedObjects() override;
};

} // namespace sequate::host::dbus
