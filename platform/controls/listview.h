// The SysListView32 window class (report view) and its SysHeader32 header row.
#pragma once

namespace controls {

void RegisterListViewClasses();

} // namespace controls
