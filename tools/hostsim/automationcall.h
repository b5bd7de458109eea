#pragma once

// One incoming automation call, read from its D-Bus message: which method, with which
// argument types, and the arguments.

#include <QDBusMessage>
#include <QString>
#include <cstdint>
#include <stdexcept>

namespace sequate::hostsim {

// A call that names no method of the object, or passes the wrong arguments.
class BadCall : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class AutomationCall {
public:
    explicit AutomationCall(const QDBusMessage& message);

    // The method is member and its arguments have exactly these D-Bus types, such as "is".
    bool is(const char* member, const char* signature) const;
    std::int32_t intArg(int index) const;
    QString stringArg(int index) const;
    [[noreturn]] void unknown() const;

private:
    const QDBusMessage& mMessage;
};

} // namespace sequate::hostsim
