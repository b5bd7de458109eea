#pragma once

#include "host/powerlogic.h"
#include "opendocumentlistener.h"
#include "remoteobject.h"

namespace sequate::host::dbus {

class DbusLogicApplication : public LogicApplication, private RemoteObject {
public:
    explicit DbusLogicApplication(std::shared_ptr<HostConnection> host);

    std::shared_ptr<LogicDocument> CurrentDocument() override;
    void BeginPass() override;
    void EndPass() override;
    void advise(LogicApplicationEvents* sink) override;
    void unadvise(LogicApplicationEvents* sink) override;

private:
    OpenDocumentListener mListener;
};

} // namespace sequate::host::dbus
