// The dialog resource of this library, as data. It is registered with the module's resources when
// the library loads (component/DllEntry.cpp), so MFC finds it through the extension-library chain.
#pragma once

#include <windows.h>

namespace brio::ui::measure::resources {

// Template 436, "累計ダイアログ".
extern const DLGTEMPLATEW kMeasureTotalTemplate;

} // namespace brio::ui::measure::resources
