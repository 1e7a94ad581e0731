// CountLiveObjects: what of each kind of handle is alive, for tests that prove nothing leaks.
#include "core/ui_thread.h"
#include "gdi/gdi.h"
#include "win32/internal.h"

#include <standin/hooks.h>

namespace standin {

LiveObjects CountLiveObjects() {
    LiveObjects live;
    LiveGdiCounts gdi = CountLiveGdiObjects();
    live.fonts = gdi.fonts;
    live.brushes = gdi.brushes;
    live.pens = gdi.pens;
    live.dcs = LiveDcCount();
    live.icons = LiveIconCount();
    live.menus = LiveMenuCount();
    live.windows = OnUiThread() ? LiveWindowCount() : 0;
    return live;
}

} // namespace standin
