#include "instance/InstanceChannel.h"

bool BecomeTheInstance(RInstanceChannel& channel, RInstanceRequest request)
{
    // Two starts at once: the one that loses the channel asks the other.
    // FIXME: a running instance that is frozen answers nobody, and every
    // later start waits for it in full twice before it runs on its own.
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        if (channel.HandOver(request))
            return false;
        if (channel.Listen())
            return true;
    }
    return true; // alone, without a channel
}
