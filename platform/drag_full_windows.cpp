#include "platform/drag_full_windows.h"

namespace stocks::platform {
namespace {
bool fullWindows = false;
}

void setDragFullWindows(bool on)
{
    fullWindows = on;
}

bool dragFullWindows()
{
    return fullWindows;
}

} // namespace stocks::platform
