#include "instance/InstanceChannel.h"

bool BecomeTheInstance(RInstanceChannel& channel, RInstanceRequest request)
{
    // Two starts at once: the one that loses the channel asks the other.
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        if (channel.HandOver(request))
            return false;
        if (channel.Listen())
            return true;
    }
    return true; // alone, without a channel
}
