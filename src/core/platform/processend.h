#pragma once

#include "core/platform/services.h"

namespace tavrisk {

// Ends the process the ordinary way: the lock goes at once, so a new copy
// may start, then the event loop ends and main returns 0, running every
// destructor and exit handler on the way out.
class EventLoopEnd : public ProcessEnd
{
public:
    explicit EventLoopEnd(InstanceLock &lock) : m_lock(lock) {}
    void endProcess() override;
    // Asked for before the event loop runs, the end is main's to make.
    bool ended() const { return m_ended; }

private:
    InstanceLock &m_lock;
    bool m_ended = false;
};

} // namespace tavrisk
