// The library's image surfaces: each a 32-bit top-down DIB section selected into a memory DC,
// named by the caller's surface id.
#pragma once
#include <windows.h>

// Decodes PNG bytes (read, never kept) into the surface of this id, replacing one that exists.
// False when the bytes are no picture the system's imaging component can decode.
bool LoadSurfaceFromPng(int surfaceid, const void* bytes, int length);
// 0 for an id that has no surface.
HDC SurfaceDC(int surfaceid);
int SurfaceWidth(int surfaceid);
int SurfaceHeight(int surfaceid);
void DestroyAllSurfaces();
