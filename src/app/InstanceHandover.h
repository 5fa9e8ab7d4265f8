#pragma once

#include "ui/SingleInstance.h"

// One Tintwell per user session on Windows. The first start claims a name
// in the session; a later one finds the running window and hands it the
// request. The system drops the name with the process that held it, so a
// crash leaves nothing behind.
class RInstanceHandover
{
public:
    RInstanceHandover();
    ~RInstanceHandover();
    RInstanceHandover(const RInstanceHandover&) = delete;
    RInstanceHandover& operator=(const RInstanceHandover&) = delete;

    // Whether another start holds the name.
    bool AnotherRuns() const { return Another; }
    // Hands request to the running window, waiting for it to appear while
    // that start is still on its way; true when the window took it.
    bool HandOver(RInstanceRequest request) const;

private:
    void* Name = nullptr;
    bool Another = false;
};
