#pragma once
// Finding the program registered to open a file type.

#include <functional>
#include <string>
#include <vector>

// Cuts a registered "open" command down to the program path: from the first "%" on, one leading
// double quote, from the next double quote on, then trailing blanks.
std::string ReduceOpenCommand(std::string command);

// The folders of the desktop's application defaults (freedesktop.org layout), most important
// first: the user's own before the system's.
struct DesktopDirs {
    std::vector<std::string> configDirs; // hold mimeapps.list
    std::vector<std::string> dataDirs;   // hold applications/*.desktop and mimeapps.list
    std::vector<std::string> desktops;   // current desktop names, lower case ("gnome", "kde")
};

// The folders as the environment names them (XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_DATA_HOME,
// XDG_DATA_DIRS, XDG_CURRENT_DESKTOP, HOME), with the usual defaults for unset ones.
DesktopDirs DesktopDirsFromEnvironment(const std::function<std::string(const char*)>& getenv);

// The Exec line of the desktop entry that the desktop opens `mimeType` with: the defaults of the
// mimeapps.list files, then their added associations, then the applications' own cache.
// Entries that are not installed or are hidden are passed over. Empty when none is found.
std::string DesktopDefaultExec(const std::string& mimeType, const DesktopDirs& dirs);

// The reduced command of that entry, or empty.
std::string DesktopAssociatedProgram(const std::string& mimeType, const DesktopDirs& dirs);

// A reduced command as program and leading arguments: a command that names an existing file is
// the program as a whole (its path may hold blanks); otherwise it is split at blanks, so that
// "okular --unique" starts okular with its switch.
std::vector<std::string> SplitViewerCommand(const std::string& reduced,
                                            const std::function<bool(const std::string&)>& isFile);
