#include "app/AssociatedProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

// A user folder and a system folder with desktop entries and default lists.
class Desktop {
public:
    Desktop() {
        dirs.configDirs = {Path("home/.config"), Path("etc/xdg")};
        dirs.dataDirs = {Path("home/.local/share"), Path("usr/share")};
    }
    std::string Path(const std::string& rel) const { return dir_.File(rel); }
    void Write(const std::string& rel, const std::string& text) const {
        fs::create_directories(fs::u8path(Path(rel)).parent_path());
        WriteBytes(Path(rel), text);
    }
    void App(const std::string& id, const std::string& exec, const std::string& extra = "") {
        Write("usr/share/applications/" + id, "[Desktop Entry]\nType=Application\nName=V\n"
                                              "Exec=" +
                                                  exec + "\n" + extra);
    }
    std::string Program() const { return DesktopAssociatedProgram("application/pdf", dirs); }

    DesktopDirs dirs;

private:
    TempDir dir_;
};

} // namespace

TEST(AssociatedProgram, CommandReduction) {
    EXPECT_EQ(ReduceOpenCommand("\"C:\\Programme\\Viewer\\view.exe\" \"%1\""),
              "C:\\Programme\\Viewer\\view.exe");
    EXPECT_EQ(ReduceOpenCommand("C:\\VIEW\\VIEW.EXE %1"), "C:\\VIEW\\VIEW.EXE");
    EXPECT_EQ(ReduceOpenCommand("\"C:\\x y\\v.exe\" /s \"%1\""), "C:\\x y\\v.exe");
    EXPECT_EQ(ReduceOpenCommand("evince %U"), "evince");
    EXPECT_EQ(ReduceOpenCommand("\"/opt/x y/v\" %f"), "/opt/x y/v");
    EXPECT_EQ(ReduceOpenCommand("viewer   "), "viewer");
    EXPECT_EQ(ReduceOpenCommand(""), "");
}

TEST(AssociatedProgram, DefaultOfTheUserBeforeTheSystem) {
    Desktop d;
    d.App("sys.desktop", "sysview %f");
    d.App("mine.desktop", "myview --single %U");
    d.Write("etc/xdg/mimeapps.list", "[Default Applications]\napplication/pdf=sys.desktop\n");
    EXPECT_EQ(d.Program(), "sysview");
    d.Write("home/.config/mimeapps.list", "[Added Associations]\napplication/pdf=other.desktop\n"
                                          "[Default Applications]\ntext/plain=x.desktop\n"
                                          "application/pdf = missing.desktop;mine.desktop;\n");
    EXPECT_EQ(d.Program(), "myview --single"); // the first entry is not installed
}

TEST(AssociatedProgram, DesktopSpecificListComesFirst) {
    Desktop d;
    d.App("a.desktop", "aview %f");
    d.App("b.desktop", "bview %f");
    d.Write("home/.config/mimeapps.list", "[Default Applications]\napplication/pdf=a.desktop\n");
    d.Write("home/.config/kde-mimeapps.list",
            "[Default Applications]\napplication/pdf=b.desktop\n");
    EXPECT_EQ(d.Program(), "aview");
    d.dirs.desktops = {"kde"};
    EXPECT_EQ(d.Program(), "bview");
}

TEST(AssociatedProgram, AddedAssociationsAndTheCacheWhenNoDefault) {
    Desktop d;
    d.App("cached.desktop", "cacheview %f");
    d.App("added.desktop", "addview %f");
    d.App("hidden.desktop", "hiddenview %f", "Hidden=true\n");
    d.Write("usr/share/applications/mimeinfo.cache",
            "[MIME Cache]\napplication/pdf=hidden.desktop;cached.desktop;\n");
    EXPECT_EQ(d.Program(), "cacheview");
    d.Write("usr/share/applications/mimeapps.list",
            "[Added Associations]\napplication/pdf=added.desktop;\n");
    EXPECT_EQ(d.Program(), "addview");
    // Removed in a list of higher rank: neither the added entry nor the cache offers it.
    d.Write("home/.config/mimeapps.list",
            "[Removed Associations]\napplication/pdf=added.desktop;cached.desktop\n");
    EXPECT_EQ(d.Program(), "");
}

TEST(AssociatedProgram, EntriesInSubfoldersQuotedPathsAndNothingFound) {
    Desktop d;
    EXPECT_EQ(d.Program(), ""); // no lists, no entries
    d.Write("usr/share/applications/kde4/okular.desktop",
            "# comment\n[Desktop Entry]\nExec=\"/opt/Mein\\sViewer/bin/v\" %U\n"
            "[Desktop Action New]\nExec=other\n");
    d.Write("home/.local/share/applications/mimeapps.list",
            "[Default Applications]\napplication/pdf=kde4-okular.desktop;../evil.desktop\n");
    EXPECT_EQ(d.Program(), "/opt/Mein Viewer/bin/v");
    EXPECT_EQ(DesktopAssociatedProgram("image/png", d.dirs), "");
}

TEST(AssociatedProgram, FoldersFromTheEnvironment) {
    std::map<std::string, std::string> env{{"HOME", "/home/u"},
                                           {"XDG_DATA_DIRS", "/a:relative::/b"},
                                           {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}};
    auto get = [&](const char* n) { return env.count(n) ? env[n] : std::string(); };
    DesktopDirs dirs = DesktopDirsFromEnvironment(get);
    EXPECT_EQ(dirs.configDirs, (std::vector<std::string>{"/home/u/.config", "/etc/xdg"}));
    EXPECT_EQ(dirs.dataDirs, (std::vector<std::string>{"/home/u/.local/share", "/a", "/b"}));
    EXPECT_EQ(dirs.desktops, (std::vector<std::string>{"ubuntu", "gnome"}));

    env = {{"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d"}};
    dirs = DesktopDirsFromEnvironment(get);
    EXPECT_EQ(dirs.configDirs, (std::vector<std::string>{"/c", "/etc/xdg"}));
    EXPECT_EQ(dirs.dataDirs, (std::vector<std::string>{"/d", "/usr/local/share", "/usr/share"}));
}

TEST(AssociatedProgram, ViewerCommandSplitsOnlyWhatIsNoFile) {
    auto isFile = [](const std::string& f) { return f == "/opt/x y/v"; };
    EXPECT_EQ(SplitViewerCommand("/opt/x y/v", isFile), std::vector<std::string>{"/opt/x y/v"});
    EXPECT_EQ(SplitViewerCommand("okular  --unique", isFile),
              (std::vector<std::string>{"okular", "--unique"}));
    EXPECT_TRUE(SplitViewerCommand("", isFile).empty());
}
