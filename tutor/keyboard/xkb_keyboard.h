#pragma once
// Keyboard maps from XKB layouts, with libxkbcommon: the keymap of a layout named as in
// xkeyboard-config ("es", "latam", "us(intl)", "de"), compiled without a display, or a keymap
// read elsewhere (the X server's). Dead-key sequences come from the locale's compose table.
#include <optional>
#include <string>

#include "core/keyboard/keyboard_map.h"

struct xkb_keymap;

namespace zav {

// The map of the XKB layout `layout` ("name" or "name(variant)"); nothing when xkeyboard-config
// does not know it.
std::optional<CKeyboardMap> BuildKeyboardMap(const std::string& layout);
// The map of layout number `group` of an existing keymap.
std::optional<CKeyboardMap> BuildKeyboardMap(xkb_keymap* keymap, unsigned group);
// The map of the layout that the X server behind `xcbConnection` (an xcb_connection_t) uses
// now; nothing without a server or its keyboard extension.
std::optional<CKeyboardMap> BuildDesktopKeyboardMap(void* xcbConnection);

// The XKB layout of a finger table layout: its name's "[xkb]" suffix ("Deutsch [de]"), else the
// layout of one of the shipped names, else "us". The English layout is the international
// variant, the one English keyboards use to type Spanish.
std::string XkbLayoutForName(const std::string& fingerLayoutName);
// ANSI for the US layouts, ISO for the rest.
KeyShape ShapeForLayout(const std::string& layoutOrDescription);

}  // namespace zav
