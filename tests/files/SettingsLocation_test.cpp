// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/AtomicFile.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/IniFile.h"
#include "core/files/SettingsLocation.h"
#include "core/files/uGlobal.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
const char* const kNoReadOnlyFolders = "only access rights keep new files out of a Windows folder, "
                                       "not its read-only flag, and Wine does not enforce them";
#endif

// A program folder whose write permission is taken away for the test, and given back after.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string& dir) : dir_(dir) {
        fs::permissions(dir_,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    ~ReadOnlyFolder() {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add, ec);
    }

private:
    std::string dir_;
};

size_t EntryCount(const std::string& dir) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(fs::u8path(dir))) {
        ++n;
    }
    return n;
}

} // namespace

TEST(SettingsLocation, WritableProgramFolderKeepsTheFileBesideTheProgram) {
    TempDir tmp;
    // A name outside every single-byte code page, as a program folder may have on Windows.
    const std::string prog = tmp.File("Fendro \xC5\x81\xC3\xB3"
                                      "d\xC5\xBA");
    fs::create_directory(fs::u8path(prog));
    const std::string beside = prog + "/fendro.ini";
    const std::string user = tmp.File("config") + "/fendro/fendro.ini";

    EXPECT_TRUE(FolderWritable(prog));
    EXPECT_EQ(ChooseSettingsFile(beside, user), beside);
    // Neither the probe nor the user's folder is left behind.
    EXPECT_EQ(EntryCount(prog), 0u);
    EXPECT_FALSE(fs::exists(tmp.File("config")));

    // A read-only settings file in a writable folder stays the user's choice: its write fails.
    WriteBytes(beside, "[Main]\r\n");
    fs::permissions(fs::u8path(beside), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(ChooseSettingsFile(beside, user), beside);
    fs::permissions(fs::u8path(beside), fs::perms::owner_write, fs::perm_options::add);
}

TEST(SettingsLocation, ReadOnlyOrMissingProgramFolderUsesTheUserFolder) {
    TempDir tmp;
    fs::create_directory(tmp.File("prog"));
    const std::string beside = tmp.File("prog") + "/fendro.ini";
    const std::string user = tmp.File("config") + "/fendro/fendro.ini";
    EXPECT_FALSE(FolderWritable(tmp.File("missing")));
    // A file is not a folder.
    WriteBytes(tmp.File("plain"), "x");
    EXPECT_FALSE(FolderWritable(tmp.File("plain")));
    EXPECT_EQ(ChooseSettingsFile(tmp.File("missing") + "/fendro.ini", user), user);
    EXPECT_TRUE(fs::is_directory(tmp.File("config") + "/fendro"));
    fs::remove_all(tmp.File("config"));
#ifdef _WIN32
    GTEST_SKIP() << kNoReadOnlyFolders;
#endif
    {
        ReadOnlyFolder ro(tmp.File("prog"));
        EXPECT_FALSE(FolderWritable(tmp.File("prog")));
        EXPECT_EQ(ChooseSettingsFile(beside, user), user);
        EXPECT_TRUE(fs::is_directory(tmp.File("config") + "/fendro"));
    }
    // Without a user folder there is nowhere else to go.
    ReadOnlyFolder ro(tmp.File("prog"));
    EXPECT_EQ(ChooseSettingsFile(beside, ""), beside);
}

TEST(SettingsLocation, InstalledProgramKeepsItsSettingsInTheUserFolder) {
#ifdef _WIN32
    GTEST_SKIP() << kNoReadOnlyFolders;
#endif
    TempDir tmp;
    fs::create_directory(tmp.File("prog"));
    WriteBytes(tmp.File("prog") + "/fendro.DTA", "[CSVGER]\r\nK0=Name,Page1,20\r\n");
    const std::string user = tmp.File("config") + "/fendro/fendro.ini";
    SetProgramFileName(tmp.File("prog") + "/fendro");
    {
        ReadOnlyFolder ro(tmp.File("prog"));
        SetSettingsFileName(ChooseSettingsFile(ProgramFileWithExtension(".ini"), user));
        EXPECT_EQ(SettingsFileName(), user);
        ConnectionSettings connection;
        std::string cardFile;
        LoadSettings(connection, cardFile);
        connection.ComPort = 3;
        SaveSettings(connection, cardFile);
    }
    SetSettingsFileName("");
    SetProgramFileName("fendro");

    // The whole settings file lives in the user's folder; the program folder is untouched.
    const IniFile ini(user);
    EXPECT_EQ(ini.ReadString("0", "Name", ""), "Heiz\xF6l");
    EXPECT_EQ(ini.ReadInteger("Main", "COMPort", 0), 3);
    EXPECT_EQ(EntryCount(tmp.File("prog")), 1u);
}

TEST(SettingsLocation, SystemFoldersAreInstalledPlacesEvenForRoot) {
#ifdef _WIN32
    const std::string programs = std::getenv("ProgramFiles");
    EXPECT_TRUE(InSystemFolder(programs + "\\Fendro"));
    EXPECT_TRUE(InSystemFolder(std::string(std::getenv("SystemRoot")) + "\\System32"));
    EXPECT_FALSE(InSystemFolder(programs + "x\\Fendro"));
    std::string lower = programs;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_TRUE(InSystemFolder(lower + "\\Fendro"));
    TempDir tmp;
    EXPECT_FALSE(InSystemFolder(tmp.Path()));
    GTEST_SKIP() << "links need a privilege on Windows";
#else
    EXPECT_TRUE(InSystemFolder("/usr/lib/fendro"));
    EXPECT_TRUE(InSystemFolder("/opt/fendro/bin/"));
    EXPECT_TRUE(InSystemFolder("/usr"));
    EXPECT_FALSE(InSystemFolder("/usrlocal/fendro"));
    EXPECT_FALSE(InSystemFolder("/usr/../home/fendro"));
    TempDir tmp;
    EXPECT_FALSE(InSystemFolder(tmp.Path()));

    // A program reached through a link into /usr counts as installed there, however writable
    // the folder is: no settings file is ever written beside it.
    fs::create_directory_symlink("/usr/share", tmp.File("prog"));
    EXPECT_TRUE(InSystemFolder(tmp.File("prog")));
    const std::string user = tmp.File("config") + "/fendro/fendro.ini";
    EXPECT_EQ(ChooseSettingsFile(tmp.File("prog") + "/fendro-test.ini", user), user);
    EXPECT_FALSE(fs::exists("/usr/share/fendro-test.ini"));
#endif
}

TEST(SettingsLocation, APresetBesideTheProgramStartsTheUsersFile) {
#ifdef _WIN32
    GTEST_SKIP() << kNoReadOnlyFolders;
#endif
    TempDir tmp;
    fs::create_directory(tmp.File("prog"));
    const std::string beside = tmp.File("prog") + "/fendro.ini";
    const std::string user = tmp.File("config") + "/fendro/fendro.ini";
    const std::string preset = "\xEF\xBB\xBF[0]\r\nName=Holz\r\n";
    WriteBytes(beside, preset);
    ReadOnlyFolder ro(tmp.File("prog"));
    EXPECT_EQ(ChooseSettingsFile(beside, user), user);
    EXPECT_EQ(ReadBytes(user), preset);

    // Once the user has a file of their own, the preset no longer touches it.
    WriteBytes(user, "[0]\r\nName=Eigen\r\n");
    EXPECT_EQ(ChooseSettingsFile(beside, user), user);
    EXPECT_EQ(ReadBytes(user), "[0]\r\nName=Eigen\r\n");
    EXPECT_EQ(ReadBytes(beside), preset);
}
