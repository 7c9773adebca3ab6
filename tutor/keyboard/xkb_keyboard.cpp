#include "tutor/keyboard/xkb_keyboard.h"

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <memory>
#include <mutex>

#include "core/course/text_encoding.h"

namespace zav {
namespace {

// The Windows-1252 code of what a key or a compose sequence gives: -1 for nothing (0) and for a
// character the code page lacks.
int CodeOf(char32_t character) {
    return character == 0 ? -1 : Cp1252OfUnicode(character);
}

struct ContextFree {
    void operator()(xkb_context* c) const { xkb_context_unref(c); }
};
struct KeymapFree {
    void operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
};
struct StateFree {
    void operator()(xkb_state* s) const { xkb_state_unref(s); }
};
struct ComposeTableFree {
    void operator()(xkb_compose_table* t) const { xkb_compose_table_unref(t); }
};
struct ComposeStateFree {
    void operator()(xkb_compose_state* s) const { xkb_compose_state_unref(s); }
};
using Context = std::unique_ptr<xkb_context, ContextFree>;
using Keymap = std::unique_ptr<xkb_keymap, KeymapFree>;
using State = std::unique_ptr<xkb_state, StateFree>;
using ComposeTable = std::unique_ptr<xkb_compose_table, ComposeTableFree>;
using ComposeState = std::unique_ptr<xkb_compose_state, ComposeStateFree>;

bool IsDead(xkb_keysym_t sym) {
    return sym >= XKB_KEY_dead_grave && sym <= XKB_KEY_dead_greek;
}

// The locale whose compose table says what dead keys give: the user's, when it is a UTF-8 one.
std::string ComposeLocale() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        const std::string locale = value;
        if (locale.find("UTF-8") != std::string::npos || locale.find("utf8") != std::string::npos)
            return locale;
        break;
    }
    return "C.UTF-8";
}

ComposeTable LoadCompose(xkb_context* context) {
    ComposeTable table(xkb_compose_table_new_from_locale(context, ComposeLocale().c_str(),
                                                         XKB_COMPOSE_COMPILE_NO_FLAGS));
    if (!table)
        table.reset(xkb_compose_table_new_from_locale(context, "en_US.UTF-8",
                                                      XKB_COMPOSE_COMPILE_NO_FLAGS));
    return table;
}

char32_t DecodeOne(const char* utf8) {
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    if (s[0] < 0x80) return s[1] ? 0 : s[0];
    if ((s[0] & 0xE0) == 0xC0 && s[1] && !s[2]) return ((s[0] & 0x1Fu) << 6) | (s[1] & 0x3Fu);
    if ((s[0] & 0xF0) == 0xE0 && s[1] && s[2] && !s[3])
        return ((s[0] & 0x0Fu) << 12) | ((s[1] & 0x3Fu) << 6) | (s[2] & 0x3Fu);
    return 0;
}

std::string Utf8(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// The accent a dead key shows on its cap: the spacing form of its mark.
char32_t DeadKeyAccent(xkb_keysym_t sym) {
    switch (sym) {
        case XKB_KEY_dead_grave:
            return U'`';
        case XKB_KEY_dead_acute:
            return U'\u00B4';
        case XKB_KEY_dead_circumflex:
            return U'^';
        case XKB_KEY_dead_tilde:
            return U'~';
        case XKB_KEY_dead_diaeresis:
            return U'\u00A8';
        case XKB_KEY_dead_cedilla:
            return U'\u00B8';
        case XKB_KEY_dead_abovering:
            return U'\u00B0';
        case XKB_KEY_dead_macron:
            return U'\u00AF';
        case XKB_KEY_dead_caron:
            return U'\u02C7';
        case XKB_KEY_dead_breve:
            return U'\u02D8';
        case XKB_KEY_dead_doubleacute:
            return U'\u02DD';
        case XKB_KEY_dead_abovedot:
            return U'\u02D9';
        case XKB_KEY_dead_ogonek:
            return U'\u02DB';
        default:
            return 0;
    }
}

// What a dead key followed by `base` composes to, as one code point; 0 for nothing.
char32_t Compose(xkb_compose_state* compose, xkb_keysym_t dead, xkb_keysym_t base) {
    if (!compose) return 0;
    xkb_compose_state_reset(compose);
    xkb_compose_state_feed(compose, dead);
    xkb_compose_state_feed(compose, base);
    if (xkb_compose_state_get_status(compose) != XKB_COMPOSE_COMPOSED) return 0;
    char text[16] = {};
    xkb_compose_state_get_utf8(compose, text, sizeof text);
    return DecodeOne(text);
}

// One key at one level: its keystroke and its keysym.
struct LevelSym {
    KeyStroke stroke;
    xkb_keysym_t sym;
    int cost;
};

// The modifier mask that holding `keyName` gives, read from the keymap itself so that AltGr is
// found wherever the layout puts its third level.
xkb_mod_mask_t MaskOfKey(xkb_keymap* keymap, const char* keyName, xkb_keysym_t expect) {
    const xkb_keycode_t code = xkb_keymap_key_by_name(keymap, keyName);
    if (code == XKB_KEYCODE_INVALID) return 0;
    State state(xkb_state_new(keymap));
    if (!state) return 0;
    if (expect && xkb_state_key_get_one_sym(state.get(), code) != expect) return 0;
    xkb_state_update_key(state.get(), code, XKB_KEY_DOWN);
    return xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_EFFECTIVE);
}

// One context serves every build, one build at a time.
std::mutex buildMutex;

xkb_context* SharedContext() {
    static Context context = [] {
        Context made(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
        // A layout name that xkeyboard-config does not know is an answer here, not an error.
        if (made) xkb_context_set_log_level(made.get(), XKB_LOG_LEVEL_CRITICAL);
        return made;
    }();
    return context.get();
}

}  // namespace

// Labels and sequences of every key of `map` from layout `group` of `keymap`.
static bool FillKeyboardMap(CKeyboardMap& map, xkb_keymap* keymap, unsigned group) {
    const xkb_mod_mask_t shiftMask = MaskOfKey(keymap, "LFSH", 0);
    const xkb_mod_mask_t altGrMask = MaskOfKey(keymap, "RALT", XKB_KEY_ISO_Level3_Shift);
    map.SetHasAltGr(altGrMask != 0);

    State state(xkb_state_new(keymap));
    if (!state) return false;
    // The compose table is read for each build and not kept: it is a hundred kilobytes, and a
    // build is rare.
    const ComposeTable table = SharedContext() ? LoadCompose(SharedContext()) : nullptr;
    ComposeState compose(table ? xkb_compose_state_new(table.get(), XKB_COMPOSE_STATE_NO_FLAGS)
                               : nullptr);

    std::vector<LevelSym> levels;
    const auto& keys = map.Keys();
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const xkb_keycode_t code = xkb_keymap_key_by_name(keymap, keys[k].name.c_str());
        if (code == XKB_KEYCODE_INVALID) continue;
        map.SetKeycode(static_cast<int>(k), code);
        if (keys[k].role != KeyRole::Character && keys[k].role != KeyRole::Space) continue;
        KeyLabels& labels = map.Labels(static_cast<int>(k));
        xkb_keysym_t seen[4] = {};
        for (int level = 0; level < 4; ++level) {
            const bool shift = level & 1, altGr = level & 2;
            if (altGr && !altGrMask) continue;
            const xkb_mod_mask_t mods = (shift ? shiftMask : 0) | (altGr ? altGrMask : 0);
            xkb_state_update_mask(state.get(), mods, 0, 0, 0, 0, group);
            const xkb_keysym_t sym = xkb_state_key_get_one_sym(state.get(), code);
            seen[level] = sym;
            if (sym == XKB_KEY_NoSymbol) continue;
            // A level that repeats a lower one types nothing new.
            bool repeated = false;
            for (int lower = 0; lower < level; ++lower) repeated |= seen[lower] == sym;
            if (repeated) continue;
            levels.push_back({{static_cast<int>(k), shift, altGr}, sym, shift + 2 * altGr});
            const bool dead = IsDead(sym);
            char32_t shown = dead ? DeadKeyAccent(sym) : xkb_keysym_to_utf32(sym);
            if (dead && !shown) shown = Compose(compose.get(), sym, XKB_KEY_space);
            if (shown >= 0x20 && shown != 0x7F) {
                labels.text[level] = Utf8(shown);
                // A dead key takes the finger of the accent it shows.
                labels.code[level] = CodeOf(shown);
                labels.dead[level] = dead;
            }
        }
    }

    // Characters of a single key press, cheapest level first (plain, Shift, AltGr, both).
    std::array<int, 256> cost;
    cost.fill(1000);
    for (const LevelSym& level : levels) {
        if (IsDead(level.sym)) continue;
        const int c = CodeOf(xkb_keysym_to_utf32(level.sym));
        if (c < 32 || level.cost >= cost[c]) continue;
        cost[c] = level.cost;
        map.SetSequence(static_cast<unsigned char>(c), {level.stroke});
    }
    // Characters of a dead key and a base key, for what no single key types.
    for (const LevelSym& dead : levels) {
        if (!IsDead(dead.sym)) continue;
        for (const LevelSym& base : levels) {
            if (IsDead(base.sym) && base.sym != dead.sym) continue;
            const int c = CodeOf(Compose(compose.get(), dead.sym, base.sym));
            const int total = 100 + dead.cost + base.cost;
            if (c < 32 || total >= cost[c]) continue;
            cost[c] = total;
            map.SetSequence(static_cast<unsigned char>(c), {dead.stroke, base.stroke});
        }
    }
    return true;
}

std::optional<CKeyboardMap> BuildKeyboardMap(xkb_keymap* keymap, unsigned group) {
    const std::lock_guard<std::mutex> lock(buildMutex);
    if (!keymap || group >= xkb_keymap_num_layouts(keymap)) return std::nullopt;
    const char* description = xkb_keymap_layout_get_name(keymap, group);
    const std::string name = description ? description : "";
    CKeyboardMap map(ShapeForLayout(name), name);
    if (!FillKeyboardMap(map, keymap, group)) return std::nullopt;
    return map;
}

std::optional<CKeyboardMap> BuildKeyboardMap(const std::string& layout) {
    const std::lock_guard<std::mutex> lock(buildMutex);
    xkb_context* context = SharedContext();
    if (!context || layout.empty()) return std::nullopt;
    std::string name = layout, variant;
    const auto open = layout.find('(');
    if (open != std::string::npos && layout.back() == ')') {
        name = layout.substr(0, open);
        variant = layout.substr(open + 1, layout.size() - open - 2);
    }
    const xkb_rule_names names = {"evdev", "pc105", name.c_str(), variant.c_str(), ""};
    Keymap keymap(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) return std::nullopt;
    CKeyboardMap map(ShapeForLayout(layout), layout);
    if (!FillKeyboardMap(map, keymap.get(), 0)) return std::nullopt;
    return map;
}

std::optional<CKeyboardMap> BuildDesktopKeyboardMap(void* xcbConnection) {
    auto* connection = static_cast<xcb_connection_t*>(xcbConnection);
    if (!connection) return std::nullopt;
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return std::nullopt;
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0) return std::nullopt;
    Keymap keymap;
    unsigned group = 0;
    {
        const std::lock_guard<std::mutex> lock(buildMutex);
        if (!SharedContext()) return std::nullopt;
        keymap.reset(xkb_x11_keymap_new_from_device(SharedContext(), connection, device,
                                                    XKB_KEYMAP_COMPILE_NO_FLAGS));
        if (!keymap) return std::nullopt;
        // The layout the user switched to, of those the server holds.
        State state(xkb_x11_state_new_from_device(keymap.get(), connection, device));
        if (state) group = xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE);
    }
    return BuildKeyboardMap(keymap.get(), group);
}

std::string XkbLayoutForName(const std::string& fingerLayoutName) {
    const auto open = fingerLayoutName.rfind('[');
    if (open != std::string::npos && fingerLayoutName.back() == ']' &&
        fingerLayoutName.size() > open + 2)
        return fingerLayoutName.substr(open + 1, fingerLayoutName.size() - open - 2);
    // The shipped names, in Windows-1252.
    if (fingerLayoutName.rfind("Espa\xF1ol (Espa\xF1"
                               "a)",
                               0) == 0)
        return "es";
    if (fingerLayoutName.rfind("Espa\xF1ol (Latinoam\xE9rica)", 0) == 0) return "latam";
    return "us(intl)";
}

KeyShape ShapeForLayout(const std::string& layout) {
    const bool us = layout.rfind("us", 0) == 0 || layout.find("(US") != std::string::npos;
    return us ? KeyShape::Ansi : KeyShape::Iso;
}

}  // namespace zav
