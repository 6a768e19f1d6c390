// Faults injected into real runs of the program. Whatever fails, no stored setting is lost, the
// error box names the file and the system's reason, and the program ends in order.
#include <cstdlib>
#include <memory>
#include <ostream>
#include <gtest/gtest.h>

#include "setuprun.h"
#include "testfiles.h"

namespace {

using faults::SetupRun;
using testfiles::HeldFile;
using testfiles::TempDir;

const char kMainForm[] = "profile\\mainform.txt";
const char kZelloc[] = "profile\\zelloc.txt";

// Stored settings that any save changes: the comment goes and the written keys move up.
const std::string kMainFormStored =
    "// kept by the base program\r\nwindowleft,120\r\nlanguagefilename,english.lcl\r\ntorvenfilename,torven_v.dll\r\n";
const std::string kZellocStored =
    "balloon,on\r\ngfxenginefilename,torven_v.dll\r\nmclmode,1\r\ngfxmode,0\r\nownerdrawmenu,1\r\n";
const std::string kMainFormSaved = "torvenfilename,torven_v.dll\r\nlanguagefilename,english.lcl\r\nwindowleft,120\r\n";
const std::string kZellocSaved =
    "ownerdrawmenu,1\r\ngfxmode,0\r\nmclmode,1\r\ngfxenginefilename,torven_v.dll\r\nballoon,on\r\n";

const char kOk[] = "OK";

// The program with two languages and both settings files.
void InstallSetup(const std::string& programdir) {
    faults::InstallProgram(programdir);
    testfiles::WriteBytes(programdir + "language\\english.lcl", "name,English\r\n");
    testfiles::WriteBytes(programdir + "language\\japan.lcl", "name,Japanese\r\n");
    testfiles::WriteBytes(programdir + kMainForm, kMainFormStored);
    testfiles::WriteBytes(programdir + kZelloc, kZellocStored);
}

bool IsDirectory(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A file in place of a directory, and the other way round.
void MakeDirectoryOf(const std::string& path) {
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
}

// Bytes that are no program of any kind, the same in every run.
std::string NoiseBytes(std::size_t size) {
    std::string bytes(size, '\0');
    unsigned state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 16);
    }
    return bytes;
}

// Expects exactly one error box, naming the file and giving the system's reason for code.
void ExpectOneBox(const SetupRun& run, const std::string& file, DWORD code) {
    ASSERT_EQ(run.Boxes().size(), 1u) << "expected one error box about " << file;
    const std::string& text = run.Boxes().front();
    EXPECT_NE(text.find("\"" + file + "\""), std::string::npos) << text;
    EXPECT_NE(text.find(faults::SystemReason(code)), std::string::npos)
        << "the reason for error " << code << " (" << faults::SystemReason(code) << ") is missing: " << text;
}

// A run in which nothing fails: the dialog opens, OK closes it, no box, exit code 0.
void RunWithoutError(const std::string& programdir) {
    SetupRun run(programdir);
    HWND dialog = run.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    run.PressButton(dialog, kOk);
    EXPECT_EQ(run.WaitForExit(), 0u);
    EXPECT_TRUE(run.Boxes().empty()) << run.Boxes().front();
}

class Faults : public ::testing::Test {
protected:
    void SetUp() override { InstallSetup(dir.path()); }
    std::string Read(const char* relative) { return testfiles::ReadBytes(dir / relative); }

    TempDir dir;
};

// --- the settings files at start-up

TEST_F(Faults, ZellocHeldAtStartIsReportedAndEndsTheProgramWithExitCode1) {
    HeldFile held(dir / kZelloc);
    ASSERT_TRUE(held.Held());
    SetupRun run(dir.path());
    EXPECT_EQ(run.WaitForExit(), 1u);
    ExpectOneBox(run, dir / kZelloc, ERROR_SHARING_VIOLATION);
    held.Release();
    EXPECT_EQ(Read(kZelloc), kZellocStored);
    EXPECT_EQ(Read(kMainForm), kMainFormStored);
}

TEST_F(Faults, MainFormHeldAtStartIsReportedAndTheDialogStillOpensAndWritesNothing) {
    HeldFile held(dir / kMainForm);
    ASSERT_TRUE(held.Held());
    SetupRun run(dir.path());
    HWND dialog = run.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    ExpectOneBox(run, dir / kMainForm, ERROR_SHARING_VIOLATION);
    // Nothing was read, so nothing is written: not even once the file is free again.
    held.Release();
    run.PressButton(dialog, kOk);
    EXPECT_EQ(run.WaitForExit(), 0u);
    EXPECT_EQ(run.Boxes().size(), 1u);
    EXPECT_EQ(Read(kMainForm), kMainFormStored);
    EXPECT_EQ(Read(kZelloc), kZellocStored);
}

// --- a save that cannot be done

// How a settings file is made unwritable: held open by another process from the moment the
// dialog is up, or read-only or a directory from before the start.
enum class Fault { Held, ReadOnly, Directory };

struct SaveFault {
    const char* name;
    Fault fault;
    const char* file;    // the settings file that cannot be written
    DWORD code;          // the system's error code the box gives the reason for
    bool zellocwritten;  // zelloc.txt goes first, so only a fault in mainform.txt lets it be written
};

// The save reads both files before it writes either: a held file stops it before anything is
// written.
const SaveFault SaveFaults[] = {
    {"zelloc_held_at_save", Fault::Held, kZelloc, ERROR_SHARING_VIOLATION, false},
    {"mainform_held_at_save", Fault::Held, kMainForm, ERROR_SHARING_VIOLATION, false},
    {"zelloc_read_only", Fault::ReadOnly, kZelloc, ERROR_ACCESS_DENIED, false},
    {"mainform_read_only", Fault::ReadOnly, kMainForm, ERROR_ACCESS_DENIED, true},
    {"zelloc_is_a_directory", Fault::Directory, kZelloc, ERROR_ACCESS_DENIED, false},
    {"mainform_is_a_directory", Fault::Directory, kMainForm, ERROR_ACCESS_DENIED, true},
};

void PrintTo(const SaveFault& c, std::ostream* out) { *out << c.name; }

class FailedSave : public Faults, public ::testing::WithParamInterface<SaveFault> {};

TEST_P(FailedSave, IsReportedWithFileAndReasonAndKeepsWhatWasStored) {
    const SaveFault& c = GetParam();
    const std::string path = dir / c.file;
    if (c.fault == Fault::ReadOnly) {
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    if (c.fault == Fault::Directory) MakeDirectoryOf(path);
    const DWORD attributes = GetFileAttributesA(path.c_str());

    SetupRun run(dir.path());
    HWND dialog = run.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(run.Boxes().empty()) << run.Boxes().front();
    std::unique_ptr<HeldFile> held;
    if (c.fault == Fault::Held) {
        held = std::make_unique<HeldFile>(path);
        ASSERT_TRUE(held->Held());
    }
    run.PressButton(dialog, kOk);
    EXPECT_EQ(run.WaitForExit(), 0u);
    held.reset();

    ExpectOneBox(run, path, c.code);
    const bool zellocfailed = std::string(c.file) == kZelloc;
    const bool mainformfailed = !zellocfailed;
    if (c.fault == Fault::Directory) {
        EXPECT_TRUE(IsDirectory(path)) << "the directory is still there";
        EXPECT_EQ(testfiles::ListNames(path), "") << "and still empty";
    } else {
        EXPECT_EQ(Read(c.file), zellocfailed ? kZellocStored : kMainFormStored);
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()), attributes);
    if (c.zellocwritten) {
        EXPECT_EQ(Read(kZelloc), kZellocSaved);
    } else if (!zellocfailed) {
        EXPECT_EQ(Read(kZelloc), kZellocStored);
    }
    if (!mainformfailed) {
        EXPECT_EQ(Read(kMainForm), kMainFormStored);
    }
    EXPECT_EQ(testfiles::ListNames(dir / "profile"), "mainform.txt,zelloc.txt") << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedSave, ::testing::ValuesIn(SaveFaults),
                         [](const ::testing::TestParamInfo<SaveFault>& info) { return std::string(info.param.name); });

// --- the engine library

struct EngineCase {
    const char* name;
    const char* builtfrom;  // copied as torven_l.dll from beside the tests; null: noise bytes
};

const EngineCase EngineCases[] = {
    {"sound_library", "torven_l.dll"},
    {"not_a_library", nullptr},
    {"library_without_exports", "engine_noexports.dll"},
};

void PrintTo(const EngineCase& c, std::ostream* out) { *out << c.name; }

class EngineFault : public Faults, public ::testing::WithParamInterface<EngineCase> {};

// A library that does not load, or loads without its exports, only costs the picture: no box of
// the system's or ours, and the settings are saved as usual.
TEST_P(EngineFault, LeavesNoBoxAndTheSettingsAreSavedAsUsual) {
    const std::string library = dir / "torven_l.dll";
    if (GetParam().builtfrom) {
        ASSERT_TRUE(CopyFileA((testfiles::ExeDir() + GetParam().builtfrom).c_str(), library.c_str(), FALSE));
    } else {
        testfiles::WriteBytes(library, NoiseBytes(65536));
    }

    RunWithoutError(dir.path());
    EXPECT_EQ(Read(kMainForm), kMainFormSaved);
    EXPECT_EQ(Read(kZelloc), kZellocSaved);
}

INSTANTIATE_TEST_SUITE_P(Faults, EngineFault, ::testing::ValuesIn(EngineCases),
                         [](const ::testing::TestParamInfo<EngineCase>& info) { return std::string(info.param.name); });

// --- load

// A settings file of 50 MB: every line survives the save in its order, the chosen keys on top.
TEST_F(Faults, AFiftyMegabyteSettingsFileIsReadAndWrittenWhole) {
    std::string others;
    for (int i = 0; others.size() < 50u * 1024 * 1024; ++i)
        others += "windowkey" + std::to_string(i) + ",a value that the base program keeps here\r\n";
    testfiles::WriteBytes(dir / kMainForm, others + "languagefilename,english.lcl\r\ntorvenfilename,torven_v.dll\r\n");

    RunWithoutError(dir.path());
    const std::string saved = Read(kMainForm);
    const std::string keys = "torvenfilename,torven_v.dll\r\nlanguagefilename,english.lcl\r\n";
    EXPECT_EQ(saved.size(), keys.size() + others.size());
    EXPECT_TRUE(saved == keys + others)
        << "the saved file differs from the stored one with the two keys moved up";
    EXPECT_EQ(Read(kZelloc), kZellocSaved);
}

// --- a full disk

// A tmpfs of a few megabytes, mounted for this suite by faults/tmpfs.sh (only as root).
std::string SmallDiskRoot() {
    const char* unixpath = std::getenv("FAULTS_TMPFS");
    if (!unixpath) return "";
    std::string path = std::string("Z:") + unixpath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return testfiles::FileExists(path + "\\mounted") ? path : "";
}

// Fills the disk: writes until the system says there is no room left.
void FillDisk(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::string chunk(4096, 'x');
    DWORD written = 0;
    while (WriteFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr) && written > 0) {
    }
    const DWORD error = GetLastError();
    CloseHandle(file);
    ASSERT_EQ(error, static_cast<DWORD>(ERROR_DISK_FULL));
}

TEST(FullDisk, ASaveThatFindsNoRoomIsReportedAndKeepsWhatWasStored) {
    const std::string root = SmallDiskRoot();
    if (root.empty()) GTEST_SKIP() << "no small tmpfs is mounted for this test: it needs to run as root";
    TempDir dir(root);
    InstallSetup(dir.path());

    SetupRun run(dir.path());
    HWND dialog = run.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    FillDisk(dir / "filler");
    run.PressButton(dialog, kOk);
    EXPECT_EQ(run.WaitForExit(), 0u);

    ExpectOneBox(run, dir / kZelloc, ERROR_DISK_FULL);
    EXPECT_EQ(testfiles::ReadBytes(dir / kZelloc), kZellocStored);
    EXPECT_EQ(testfiles::ReadBytes(dir / kMainForm), kMainFormStored);
    EXPECT_EQ(testfiles::ListNames(dir / "profile"), "mainform.txt,zelloc.txt") << "no temporary file is left";
}

// --- the end of the user's session

// The system sends WM_ENDSESSION to every top-level window and may end the process once they
// have all answered: the settings must be saved by then, with the add-on dialog open or not.
class SessionEnd : public Faults, public ::testing::WithParamInterface<bool> {};

TEST_P(SessionEnd, SavesTheSettingsBeforeTheSystemMayEndTheProgram) {
    const bool preferenceopen = GetParam();
    SetupRun run(dir.path());
    HWND dialog = run.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    std::vector<HWND> forms{dialog};
    if (preferenceopen) {
        run.PressButton(dialog, "configure", 1);   // the second "configure" opens the add-on dialog
        forms = run.WaitForForms(2);
        ASSERT_EQ(forms.size(), 2u);
    }
    // Here the process is not ended: once the first window has answered, the program ends
    // by itself and the second window may be gone before it is asked.
    for (HWND form : forms) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(form, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 30000, &answer);
    }
    EXPECT_EQ(Read(kMainForm), kMainFormSaved);
    EXPECT_EQ(Read(kZelloc), kZellocSaved);
    EXPECT_EQ(run.WaitForExit(), 0u) << "a session that goes on after all ends the program in order";
    EXPECT_TRUE(run.Boxes().empty()) << run.Boxes().front();
}

INSTANTIATE_TEST_SUITE_P(Faults, SessionEnd, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& info) {
    return std::string(info.param ? "add_on_dialog_open" : "setup_dialog_only");
});

} // namespace
