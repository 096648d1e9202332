#include "writing/SplitStopRequest.h"

SplitStopRequest& splitStopRequest()
{
    static SplitStopRequest request;
    return request;
}
