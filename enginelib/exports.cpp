// The seven exports that the program calls. Each takes 32-bit slots and leaves them to the
// caller to remove (__cdecl); a one-byte flag arrives in a whole slot of which only the low byte
// counts.
#include "calllog.h"
#include "settingswindow.h"
#include "surfaces.h"

namespace {

bool layeredmode = false;

bool LowByte(int slot) { return (slot & 0xFF) != 0; }

#ifdef TORVEN_CALL_LOG
// The first and last eight bytes, in hexadecimal, for the log.
void Hex(const unsigned char* bytes, int count, char* text) {
    static const char digits[] = "0123456789ABCDEF";
    for (int i = 0; i < count; ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 15];
    }
    text[2 * count] = '\0';
}
#endif

} // namespace

extern "C" {

int __cdecl setlayeredmode(int layered) {
    LogCall("setlayeredmode %d", layered);
    layeredmode = LowByte(layered);
    return 0;
}

// The flags are accepted and have no meaning in this library.
int __cdecl loadpngmemory(int surfaceid, const void* bytes, int length, int flag1, int flag2) {
#ifdef TORVEN_CALL_LOG
    char head[17] = "", tail[17] = "";
    if (bytes && length >= 8) {
        Hex(static_cast<const unsigned char*>(bytes), 8, head);
        Hex(static_cast<const unsigned char*>(bytes) + length - 8, 8, tail);
    }
    LogCall("loadpngmemory %d %d %s %s %d %d", surfaceid, length, head, tail, flag1, flag2);
#else
    (void)flag1;
    (void)flag2;
#endif
    return LoadSurfaceFromPng(surfaceid, bytes, length) ? 1 : 0;
}

HDC __cdecl hdc(int surfaceid) {
    LogCall("hdc %d", surfaceid);
    return SurfaceDC(surfaceid);
}

int __cdecl width(int surfaceid) {
    LogCall("width %d", surfaceid);
    return SurfaceWidth(surfaceid);
}

int __cdecl height(int surfaceid) {
    LogCall("height %d", surfaceid);
    return SurfaceHeight(surfaceid);
}

int __cdecl configure(HWND owner) {
    LogCall("configure %s", owner ? "owned" : "unowned");
    ShowSettingsWindow(owner, layeredmode);
    return 0;
}

int __cdecl destroyall() {
    LogCall("destroyall");
    DestroyAllSurfaces();
    return 0;
}

} // extern "C"
