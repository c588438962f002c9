#pragma once

namespace ostrel {

// Sleep and display power of the computer. The requests return at once; an implementation that
// cannot carry one out traces why and goes on.
class PowerControl {
public:
    virtual ~PowerControl() = default;
    // Stand-by (suspend to memory).
    virtual void Suspend() = 0;
    // Suspend to disk.
    virtual void Hibernate() = 0;
    // Switches the monitors off. False when the display cannot do it.
    virtual bool MonitorOff() = 0;
};

}  // namespace ostrel
