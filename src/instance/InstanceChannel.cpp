#include "instance/InstanceChannel.h"

bool BecomeTheInstance(RInstanceChannel& channel, const RInstanceCall& call, std::string& notice)
{
    notice = channel.Problem();
    if (!notice.empty())
        return true;
    // Two starts at once: the one that loses the channel asks the other.
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        switch (channel.HandOver(call))
        {
        case RHandOver::Taken:
            return false;
        case RHandOver::NoAnswer:
            // Waiting longer would only make every later start hang too.
            notice = InstanceNoAnswerNotice;
            return true;
        case RHandOver::NoneRunning:
            if (channel.Listen())
                return true;
            break;
        }
    }
    return true; // alone, without a channel
}
