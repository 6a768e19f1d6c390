// The setup settings: the five choices of the setup dialog, loaded from the base program's
// settings files profile\mainform.txt and profile\zelloc.txt and the language directory, and
// written back. No user interface here.
#pragma once
#include <cstdint>
#include <string>

#include "comparebytewise.h"
#include "stringlist.h"

// The items of the dialog's lists, in index order, next to the stored values they stand for.
// An index into one of these tables is a choice; -1 is no choice.
struct teditionitem {
    const char* caption;
    const char* library;  // torvenfilename
};
inline constexpr teditionitem EditionItems[] = {
    {"Vantor", "torven_v.dll"},  // 0
    {"Lumio", "torven_l.dll"},   // 1
};
// gfxmode and mclmode store the index itself (0 or 1); ownerdrawmenu stores index 1 as true.
inline constexpr const char* GfxModeItems[] = {"region (Legacy)", "ULW"};
inline constexpr const char* MclItems[] = {"Normal", "Slow / Memory Saved"};
inline constexpr const char* OwnerDrawMenuItems[] = {"Classic", "OwnerDraw"};

// The keys that the last LoadSetupChoices read to the end. A load that stops on a file error
// leaves the rest unset, and SaveSetupChoices writes only the keys set here, so such a save never
// puts values that were never loaded over the stored ones. A record that was never loaded saves
// nothing and touches no file.
struct tloadedkeys {
    bool languagefilename = false;
    bool torvenfilename = false;  // and gfxenginefilename, which is written with it
    bool mclmode = false;
    bool gfxmode = false;
    bool ownerdrawmenu = false;

    bool Any() const { return languagefilename || torvenfilename || mclmode || gfxmode || ownerdrawmenu; }
};

// The record of the setup settings; it owns its two lists (and so is not copyable). Before it is
// loaded both lists are empty, every index is -1, gfxmodeenabled is true and environment empty.
struct tsetupchoices {
    // The file name (no directory) of every plain file in "language", in CompareBytewise order.
    tstringlistex languagefiles;
    // The display name of each language file (its key "name", else the file name); entry i
    // belongs to entry i of languagefiles.
    tstringlistex languagenames;
    std::int32_t languageindex = -1;       // into the two language lists
    std::int32_t editionindex = -1;        // into EditionItems; -1 only before loading
    std::int32_t gfxmodeindex = -1;        // into GfxModeItems
    bool gfxmodeenabled = true;            // false: the drawing mode is 0 and stays 0
    std::int32_t mclindex = -1;            // into MclItems
    std::int32_t ownerdrawmenuindex = -1;  // into OwnerDrawMenuItems
    // The environment line of the dialog, for example "Envioment: Windows XP (NTx)".
    std::string environment;

    tloadedkeys loaded;
};

// Fills choices from programdir (ending in a backslash; the program passes GetProgramDir()): its
// settings files and its language directory. Starts from the empty record, so it may be called
// again. Writes no file, but opening the profiles creates a missing directory "profile". A
// settings or language file that exists but cannot be read raises FileError; the choices after
// that point keep their empty values and their keys stay unmarked in choices.loaded.
void LoadSetupChoices(tsetupchoices& choices, const std::string& programdir);

// Writes the loaded keys (choices.loaded) of choices into the two settings files below
// programdir. Each written key's line moves to the top, so after a full save mainform.txt begins
// torvenfilename, languagefilename and zelloc.txt begins ownerdrawmenu, gfxmode, mclmode,
// gfxenginefilename; other lines keep their order, comments are dropped. zelloc.txt is written
// before mainform.txt, and a FileError from it leaves mainform.txt unwritten. Does nothing when
// no key was loaded.
void SaveSetupChoices(const tsetupchoices& choices, const std::string& programdir);
