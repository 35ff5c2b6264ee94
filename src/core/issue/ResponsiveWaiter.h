#pragma once

#include "core/issue/ChequeLife.h"

namespace quillset {

/// Waits on the print server without freezing the windows: a call that may block runs on a thread of
/// its own while the window thread goes on handling events. Every print command checks the program's
/// print gate, so the events handled meanwhile cannot start a second print.
class ResponsiveWaiter final : public Waiter
{
public:
    void run(const std::function<void()> &call) override;
    void pause(int milliseconds) override;
};

} // namespace quillset
