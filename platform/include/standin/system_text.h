// Text in the fonts the stand-in's window manager draws with, for what the platform paints outside any
// window's device context: the live display's message boxes and menus. Their layouts go through the
// same font map, alias file and LOGFONT mapping as a window's caption and controls, so a box's title
// reads in the face the dialog's caption does. Exists only in the stand-in; Windows draws its own boxes.
#pragma once

#ifndef _WIN32
#include <standin/hooks.h>

typedef struct _cairo cairo_t;
typedef struct _PangoLayout PangoLayout;

namespace standin {

enum class SystemFont {
    Caption, // the bold face of every window's caption
    Message, // the face of a message box's text and buttons (also the menus': the stand-in has one)
};

// A new pango layout (the caller unrefs it) that draws on `cairo` in `font` as GDI would: the same
// rendering options, face mapping and pixel size. Null `cairo` gives a layout for measuring alone.
STANDIN_API PangoLayout* NewSystemTextLayout(cairo_t* cairo, SystemFont font);

} // namespace standin
#endif
