#include "setupchoices.h"

#include <iterator>

#include "paths.h"
#include "probe.h"
#include "profiler.h"

namespace {

const char MainFormFile[] = "profile\\mainform.txt";
const char ZellocFile[] = "profile\\zelloc.txt";
const char LanguageDir[] = "language";
const char DefaultLanguageFile[] = "japan.lcl";
const char* const VantorLibrary = EditionItems[0].library;

const std::int32_t EditionCount = static_cast<std::int32_t>(std::size(EditionItems));

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal when only the case of ASCII letters differs; every other byte, and the length, must
// match. A double-byte character must match exactly: its trail byte may have the code of a
// letter (0x83 0x41 and 0x83 0x61 are two different characters in code page 932), and taking it
// for one could choose another language file than the stored one.
bool SameTextAscii(const std::string& a, const std::string& b, const tleadbytes& leadbytes) {
    if (a.size() != b.size()) return false;
    for (std::string::size_type i = 0; i < a.size(); ++i) {
        if (leadbytes.lead[static_cast<unsigned char>(a[i])] && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// A stored 0 or 1 is the index itself; anything else is no choice.
std::int32_t BinaryIndex(std::int32_t value) { return value == 0 || value == 1 ? value : -1; }

void LoadLanguages(tsetupchoices& choices, const std::string& programdir) {
    tstringlistex paths;
    ListFiles(programdir + LanguageDir, paths);
    // One directory, so the order of the paths is the order of the names.
    paths.Sort(CompareBytewise);
    for (std::int32_t i = 0; i < paths.Count(); ++i) {
        const std::string file = NamePart(paths.At(i));
        // Read before appending, so that a file error leaves the two lists the same length.
        std::string name = tprofiler(paths.At(i)).ReadString("name", file);
        choices.languagefiles.Add(file);
        choices.languagenames.Add(name);
    }
}

std::int32_t IndexOfLanguage(const tstringlistex& files, const std::string& stored) {
    const tleadbytes leadbytes = LeadBytesOf(0);
    for (std::int32_t i = 0; i < files.Count(); ++i)
        if (SameTextAscii(files.At(i), stored, leadbytes)) return i;
    return -1;
}

void Reset(tsetupchoices& choices) {
    choices.languagefiles.Clear();
    choices.languagenames.Clear();
    choices.languageindex = -1;
    choices.editionindex = -1;
    choices.gfxmodeindex = -1;
    choices.gfxmodeenabled = true;
    choices.mclindex = -1;
    choices.ownerdrawmenuindex = -1;
    choices.environment.clear();
    choices.loaded = tloadedkeys();
}

} // namespace

void LoadSetupChoices(tsetupchoices& choices, const std::string& programdir) {
    Reset(choices);

    const std::string storedlanguage =
        tprofiler(programdir + MainFormFile).ReadString("languagefilename", DefaultLanguageFile);
    LoadLanguages(choices, programdir);
    choices.languageindex = IndexOfLanguage(choices.languagefiles, storedlanguage);
    choices.loaded.languagefilename = true;

    // Only read: neither profile is flushed, so neither file is written.
    tprofiler mainform(programdir + MainFormFile);
    tprofiler zelloc(programdir + ZellocFile);

    // Every value but the Vantor library, the empty one included, chooses Lumio. The library
    // name is ASCII, so no byte of a value that matches it leads a double-byte character.
    const std::string library = mainform.ReadString("torvenfilename", VantorLibrary);
    choices.editionindex = SameTextAscii(library, VantorLibrary, tleadbytes()) ? 0 : 1;
    choices.loaded.torvenfilename = true;

    choices.mclindex = BinaryIndex(zelloc.ReadInteger("mclmode", 0));
    choices.loaded.mclmode = true;

    const bool layered = LayeredApiPresent();
    choices.environment = "Envioment: Windows " + GetOSName() + (layered ? " (NTx)" : " (Legacy)");

    // Without the layered API the drawing mode is fixed to region, whatever is stored.
    choices.gfxmodeindex = layered ? BinaryIndex(zelloc.ReadInteger("gfxmode", 1)) : 0;
    choices.gfxmodeenabled = layered;
    choices.loaded.gfxmode = true;

    choices.ownerdrawmenuindex = zelloc.ReadBool("ownerdrawmenu", true) ? 1 : 0;
    choices.loaded.ownerdrawmenu = true;
}

void SaveSetupChoices(const tsetupchoices& choices, const std::string& programdir) {
    const tloadedkeys& loaded = choices.loaded;
    if (!loaded.Any()) return;

    // Both profiles load their files as they are now; the writes decide the order of the lines.
    tprofiler mainform(programdir + MainFormFile);
    tprofiler zelloc(programdir + ZellocFile);

    // Get gives "" for -1 or an index outside the list.
    if (loaded.languagefilename)
        mainform.WriteString("languagefilename", choices.languagefiles.Get(choices.languageindex));
    if (loaded.torvenfilename && choices.editionindex >= 0 && choices.editionindex < EditionCount) {
        mainform.WriteString("torvenfilename", EditionItems[choices.editionindex].library);
        // The base program's own engine stays the Vantor library for either edition.
        zelloc.WriteString("gfxenginefilename", VantorLibrary);
    }
    if (loaded.mclmode) zelloc.WriteInteger("mclmode", choices.mclindex);
    if (loaded.gfxmode) zelloc.WriteInteger("gfxmode", choices.gfxmodeindex);
    if (loaded.ownerdrawmenu) zelloc.WriteBool("ownerdrawmenu", choices.ownerdrawmenuindex == 1);

    // zelloc.txt first: when it cannot be written, mainform.txt is not written either.
    zelloc.Flush();
    mainform.Flush();
}
