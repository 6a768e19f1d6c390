// The graphics engine library's exports, declared once: the binding resolves, clears and checks
// its entries by walking this list, in this order.
//
// Every export uses the caller-clean convention (__cdecl): each argument takes one 32-bit stack
// slot and the caller removes them after the call. A one-byte flag travels as a whole int slot;
// the library reads only its low byte, and we pass 0 or 1 so the upper bytes are clean as well.
#pragma once
#include <windows.h>

// The program calls only seven exports. The others are resolved so that the binding knows what
// the library offers, but their arguments are nothing the program relies on: their entries are
// typed as taking nothing, and nothing calls them.
//
// X(entry, exported name, result, parameters). The entry is the name in code; it differs from
// the exported name only where that begins with two underscores, which C++ reserves.
#define ENGINE_EXPORTS(X)                                                                         \
    X(overlay2, "overlay2", int, (void))                                                          \
    X(loadpngmemory, "loadpngmemory", int,                                                        \
      (int surfaceid, const void* bytes, int length, int flag1, int flag2))                      \
    X(drawline, "drawline", int, (void))                                                          \
    X(drawtext, "drawtext", int, (void))                                                          \
    X(blt, "blt", int, (void))                                                                    \
    X(drawrect, "drawrect", int, (void))                                                          \
    X(fillrect, "fillrect", int, (void))                                                          \
    X(selectpen, "selectpen", int, (void))                                                        \
    X(deselectpen, "deselectpen", int, (void))                                                    \
    X(selectbrush, "selectbrush", int, (void))                                                    \
    X(deselectbrush, "deselectbrush", int, (void))                                                \
    X(selectfont, "selectfont", int, (void))                                                      \
    X(deselectfont, "deselectfont", int, (void))                                                  \
    X(hdc, "hdc", HDC, (int surfaceid))                                                           \
    X(width, "width", int, (int surfaceid))                                                       \
    X(height, "height", int, (int surfaceid))                                                     \
    X(overlay, "overlay", int, (void))                                                            \
    X(rectangle, "rectangle", int, (void))                                                        \
    X(destroy, "destroy", int, (void))                                                            \
    X(setrgn, "setrgn", int, (void))                                                              \
    X(create, "create", int, (void))                                                              \
    X(copy, "copy", int, (void))                                                                  \
    X(pixels, "pixels", int, (void))                                                              \
    X(allclear, "allclear", int, (void))                                                          \
    X(rgn, "_rgn", int, (void))                                                                   \
    X(valid, "valid", int, (void))                                                                \
    X(privateloadpngfile, "__loadpngfile", int, (void))                                           \
    X(privatesavepngfile, "__savepngfile", int, (void))                                           \
    X(destroyall, "destroyall", int, (void))                                                      \
    X(configure, "configure", int, (HWND owner))                                                  \
    X(getversion, "getversion", int, (void))                                                      \
    X(replace, "replace", int, (void))                                                            \
    X(loadpngfile, "loadpngfile", int, (void))                                                    \
    X(loadjpegfile, "loadjpegfile", int, (void))                                                  \
    X(savebmpfile, "savebmpfile", int, (void))                                                    \
    X(loadpngfileforalpha, "loadpngfileforalpha", int, (void))                                    \
    X(getpnginfo, "getpnginfo", int, (void))                                                      \
    X(setlayeredmode, "setlayeredmode", int, (int layered))

// One address per export; null where the library does not export it.
struct EngineEntries {
#define ENGINE_ENTRY_FIELD(entry, name, result, parameters) result(__cdecl* entry) parameters = nullptr;
    ENGINE_EXPORTS(ENGINE_ENTRY_FIELD)
#undef ENGINE_ENTRY_FIELD
};
