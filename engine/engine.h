// The binding to the graphics engine library (torven_v.dll, edition "Vantor", or torven_l.dll,
// edition "Lumio"): the program's only way into it. One library is bound at a time and holds the
// dialogs' picture; the configure button's edition is loaded apart from it (ConfigureEdition).
//
// Every failure here is silent: a library that is missing or cannot be loaded, a missing export
// or a missing resource leaves the binding without a picture, and the dialogs paint without it.
// No call ever goes through an empty entry or into a library that has been freed.
#pragma once
#include <string>
#include <windows.h>

// Module start and end. programdir is the program's directory, ending in a backslash: engine
// libraries are loaded from there by full path only, never through the system's search (which
// would also try the current directory and PATH). Init also restarts the surface ids at 8700.
void InitEngineBinding(const std::string& programdir);
// Unloads the bound library if it is still loaded.
void FinalEngineBinding();

// The next surface id: 8700, 8701, ..., 8799, then 8700 again. Nothing tracks ids in use.
int NewSurfaceId();

// Binds the library programdir + filename (a bare file name such as "torven_l.dll"). A library
// that is still bound is unloaded first, so none stays loaded out of the binding's reach.
// When the file cannot be loaded, nothing is bound.
void LoadEngine(const std::string& filename);
// Destroys the bound library's surfaces (destroyall) and frees it. Nothing when none is bound.
void UnloadEngine();
bool EngineLoaded();

// Hands the resource "#resourcenumber" of this type, from the running program's own module, to
// the bound library's loadpngmemory, which decodes it into surface surfaceid. Calls nothing when
// the resource does not exist or no library with loadpngmemory is bound.
void LoadPngResource(int surfaceid, int resourcenumber, const char* type, bool flag1, bool flag2);

// Copies surface surfaceid of the bound library to target at 0, 0 (asking hdc, height and width,
// in this order, then BitBlt with SRCCOPY). False, with nothing drawn, when there is no picture
// to copy: no library bound, an export missing, or no surface of that id.
bool PaintEngineSurface(HDC target, int surfaceid);

// The configure button: loads programdir + filename as an instance of its own, apart from the
// bound library, hands it the drawing mode, shows its settings window owned by owner (configure,
// when the library has it; returns once the window is closed), then destroys its surfaces and
// frees it. When that was the bound library itself (the loader hands out the same module for the
// same file), its destroyall has also destroyed the picture: the pictures handed over since the
// bound library was loaded are handed over again, so painting goes on showing them.
void ConfigureEdition(const std::string& filename, HWND owner);

// Whether the bound library exports this name (one of the names in engineexports.h).
bool EngineExportResolved(const std::string& exportname);
