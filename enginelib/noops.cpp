// The exports that the program resolves but never calls. The caller removes the arguments
// (__cdecl), so a function taking none is harmless whatever it is passed.
#include "calllog.h"

#define TORVEN_NO_OPERATION(name) \
    extern "C" int __cdecl name() { LogCall(#name); return 0; }

TORVEN_NO_OPERATION(overlay2)
TORVEN_NO_OPERATION(drawline)
TORVEN_NO_OPERATION(drawtext)
TORVEN_NO_OPERATION(blt)
TORVEN_NO_OPERATION(drawrect)
TORVEN_NO_OPERATION(fillrect)
TORVEN_NO_OPERATION(selectpen)
TORVEN_NO_OPERATION(deselectpen)
TORVEN_NO_OPERATION(selectbrush)
TORVEN_NO_OPERATION(deselectbrush)
TORVEN_NO_OPERATION(selectfont)
TORVEN_NO_OPERATION(deselectfont)
TORVEN_NO_OPERATION(overlay)
TORVEN_NO_OPERATION(rectangle)
TORVEN_NO_OPERATION(destroy)
TORVEN_NO_OPERATION(setrgn)
TORVEN_NO_OPERATION(create)
TORVEN_NO_OPERATION(copy)
TORVEN_NO_OPERATION(pixels)
TORVEN_NO_OPERATION(allclear)
TORVEN_NO_OPERATION(rgn)
TORVEN_NO_OPERATION(valid)
TORVEN_NO_OPERATION(privateloadpngfile)
TORVEN_NO_OPERATION(privatesavepngfile)
TORVEN_NO_OPERATION(getversion)
TORVEN_NO_OPERATION(replace)
TORVEN_NO_OPERATION(loadpngfile)
TORVEN_NO_OPERATION(loadjpegfile)
TORVEN_NO_OPERATION(savebmpfile)
TORVEN_NO_OPERATION(loadpngfileforalpha)
TORVEN_NO_OPERATION(getpnginfo)
