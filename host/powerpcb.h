#pragma once

// The two automation objects of the running PowerPCB layout editor that Sequate uses.
// Same conventions as powerlogic.h: one method is one synchronous call, failures throw
// HostFailure.

#include <memory>
#include <string>

namespace sequate::host {

class PcbDocument {
public:
    virtual ~PcbDocument() = default;
    // Returns once PowerPCB has read the whole file.
    virtual void ReadEcoFile(const std::string& path) = 0;
};

class PcbApplication {
public:
    virtual ~PcbApplication() = default;
    virtual std::shared_ptr<PcbDocument> CurrentDocument() = 0;
};

} // namespace sequate::host
