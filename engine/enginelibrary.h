// One loaded instance of an engine library together with its resolved entries.
#pragma once
#include <string>
#include <windows.h>

#include "engineexports.h"

class EngineLibrary {
public:
    EngineLibrary() = default;
    ~EngineLibrary() { Free(); }
    EngineLibrary(const EngineLibrary&) = delete;
    EngineLibrary& operator=(const EngineLibrary&) = delete;

    // Loads the library at this full path, resolves every export and hands it the drawing mode
    // (setlayeredmode with LayeredMode) before anything else is called. Frees whatever this
    // instance held before. False, with every entry empty, when the file cannot be loaded.
    bool Load(const std::string& fullpath);
    // destroyall, then the library is freed and every entry emptied. Nothing when not loaded.
    void Free();

    bool Loaded() const { return module_ != nullptr; }
    HMODULE Module() const { return module_; }
    const EngineEntries& Entries() const { return entries_; }

private:
    HMODULE module_ = nullptr;
    EngineEntries entries_;
};
