#include "enginelibrary.h"

#include "probe.h"

namespace {

// GetProcAddress hands out FARPROC; going through void(*)() states that the real type is
// restored by the cast, which is what the compiler's function-cast warning asks for.
template <typename Entry>
void Resolve(HMODULE module, const char* name, Entry& entry) {
    entry = reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace

bool EngineLibrary::Load(const std::string& fullpath) {
    Free();
    // A file that is no loadable library must not bring up the system's error box: every
    // failure to load the engine is silent, the dialogs paint without the picture.
    UINT previousmode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    module_ = LoadLibraryA(fullpath.c_str());
    SetErrorMode(previousmode);
    if (!module_) return false;

#define ENGINE_RESOLVE(entry, name, result, parameters) Resolve(module_, name, entries_.entry);
    ENGINE_EXPORTS(ENGINE_RESOLVE)
#undef ENGINE_RESOLVE

    if (entries_.setlayeredmode) entries_.setlayeredmode(LayeredMode() ? 1 : 0);
    return true;
}

void EngineLibrary::Free() {
    if (!module_) return;
    if (entries_.destroyall) entries_.destroyall();
    // Empty the entries before the library goes: nothing may call into freed code.
    entries_ = EngineEntries();
    FreeLibrary(module_);
    module_ = nullptr;
}
