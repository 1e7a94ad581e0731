// The project's font alias file, which maps the Windows face names ("ＭＳ Ｐゴシック", "MS Gothic", ...) to
// the IPA Gothic fonts. It is read at run time from where the library that draws is, so an installed
// or moved tree keeps its faces: the file named by STANDIN_FONTS_CONF, else the one beside the
// library (the build tree's), else the one in the installed tree's data folder (STANDIN_DATA_FROM_LIBRARY,
// relative to the library's own folder).
#pragma once

#include <fontconfig/fontconfig.h>

namespace standin {

// Adds the alias rules to `config`. When no file can be found or read, says so once on standard error
// (the stand-in has no log of its own) and leaves the configuration as it is: text is then drawn in
// fontconfig's default faces.
void LoadFontAliases(FcConfig* config);

} // namespace standin
