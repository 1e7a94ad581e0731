// The window manager, GDI and the clipboard belong to one thread, the UI thread: the first thread that
// uses them. Calls from any other thread find no handles and fail, instead of racing on plain globals.
#pragma once

namespace standin {

bool OnUiThread();

} // namespace standin
