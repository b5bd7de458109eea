#pragma once

namespace sequate::engine {

// The window's progress bar as the pass drives it. It must accept a maximum at or below its
// minimum (a working list of one component, or none).
class ProgressBar {
public:
    virtual ~ProgressBar() = default;
    virtual long long minimum() const = 0;
    virtual long long maximum() const = 0;
    virtual long long value() const = 0;
    virtual void setMinimum(long long value) = 0;
    virtual void setMaximum(long long value) = 0;
    virtual void setValue(long long value) = 0;
};

} // namespace sequate::engine
