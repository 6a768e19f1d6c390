#include "engine.h"

#include <vector>

#include "enginelibrary.h"

namespace {

const int FirstSurfaceId = 8700;
const int SurfaceIdCount = 100;

// One LoadPngResource that reached the bound library: kept so that the picture can be made
// again when the configure button's destroyall has destroyed it.
struct PictureRequest {
    int surfaceid;
    int resourcenumber;
    std::string type;
    bool flag1;
    bool flag2;
};

std::string programdir;
EngineLibrary bound;
std::vector<PictureRequest> picturerequests;
int nextsurfaceid = FirstSurfaceId;

// Only ever a full path below the program's directory. Without a program directory there is
// no safe place to load from, so nothing is loaded.
bool LoadByFullPath(EngineLibrary& library, const std::string& filename) {
    if (programdir.empty() || filename.empty()) return false;
    return library.Load(programdir + filename);
}

// True when the library's loadpngmemory was called.
bool HandToEngine(const PictureRequest& request) {
    if (!bound.Loaded() || !bound.Entries().loadpngmemory) return false;
    HMODULE program = GetModuleHandleA(nullptr);
    // "#101" names the integer resource 101.
    std::string name = "#" + std::to_string(request.resourcenumber);
    HRSRC found = FindResourceA(program, name.c_str(), request.type.c_str());
    if (!found) return false;
    HGLOBAL loaded = LoadResource(program, found);
    DWORD length = SizeofResource(program, found);
    // The bytes belong to the program's image: they are neither copied nor freed.
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || length == 0) return false;
    bound.Entries().loadpngmemory(request.surfaceid, bytes, static_cast<int>(length),
                                  request.flag1 ? 1 : 0, request.flag2 ? 1 : 0);
    return true;
}

} // namespace

void InitEngineBinding(const std::string& dir) {
    programdir = dir;
    nextsurfaceid = FirstSurfaceId;
}

void FinalEngineBinding() {
    UnloadEngine();
    programdir.clear();
}

int NewSurfaceId() {
    int id = nextsurfaceid;
    if (++nextsurfaceid == FirstSurfaceId + SurfaceIdCount) nextsurfaceid = FirstSurfaceId;
    return id;
}

void LoadEngine(const std::string& filename) {
    UnloadEngine();
    LoadByFullPath(bound, filename);
}

void UnloadEngine() {
    bound.Free();
    picturerequests.clear();
}

bool EngineLoaded() { return bound.Loaded(); }

void LoadPngResource(int surfaceid, int resourcenumber, const char* type, bool flag1, bool flag2) {
    if (!type) return;
    PictureRequest request{surfaceid, resourcenumber, type, flag1, flag2};
    if (HandToEngine(request)) picturerequests.push_back(request);
}

bool PaintEngineSurface(HDC target, int surfaceid) {
    const EngineEntries& entries = bound.Entries();
    if (!entries.hdc || !entries.height || !entries.width) return false;
    HDC source = entries.hdc(surfaceid);
    int height = entries.height(surfaceid);
    int width = entries.width(surfaceid);
    if (!source || width <= 0 || height <= 0) return false;
    return BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
}

void ConfigureEdition(const std::string& filename, HWND owner) {
    EngineLibrary edition;
    if (!LoadByFullPath(edition, filename)) return;
    if (edition.Entries().configure) edition.Entries().configure(owner);
    bool sharesthepicture = edition.Module() == bound.Module();
    // The bound instance keeps its own reference, so the module stays loaded here even when it
    // is the same one; only its surfaces are gone.
    edition.Free();
    if (sharesthepicture) {
        for (const PictureRequest& request : picturerequests) HandToEngine(request);
    }
}

bool EngineExportResolved(const std::string& exportname) {
    const EngineEntries& entries = bound.Entries();
#define ENGINE_CHECK(entry, name, result, parameters) \
    if (exportname == name) return entries.entry != nullptr;
    ENGINE_EXPORTS(ENGINE_CHECK)
#undef ENGINE_CHECK
    return false;
}
