#include "app/AssociatedProgram.h"

#include "files/AtomicFile.h"

#include <set>
#include <utility>

std::string ReduceOpenCommand(std::string command) {
    const size_t percent = command.find('%');
    if (percent != std::string::npos) {
        command.erase(percent);
    }
    if (!command.empty() && command.front() == '"') {
        command.erase(0, 1);
    }
    const size_t quote = command.find('"');
    if (quote != std::string::npos) {
        command.erase(quote);
    }
    while (!command.empty() && command.back() == ' ') {
        command.pop_back();
    }
    return command;
}

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

std::string Trim(const std::string& s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) {
        ++b;
    }
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) {
        --e;
    }
    return s.substr(b, e - b);
}

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= s.size()) {
        size_t end = s.find(sep, start);
        if (end == std::string::npos) {
            end = s.size();
        }
        const std::string part = Trim(s.substr(start, end - start));
        if (!part.empty()) {
            out.push_back(part);
        }
        start = end + 1;
    }
    return out;
}

// The key=value lines of one group of a desktop-format file; keys are case-sensitive there.
Entries ReadGroup(const std::string& fileName, const std::string& group) {
    Entries out;
    std::string text;
    try {
        if (!ReadWholeFile(fileName, text)) {
            return out;
        }
    } catch (...) {
        return out; // an unreadable file counts as missing
    }
    bool inGroup = false;
    for (const std::string& raw : Split(text, '\n')) {
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line[0] == '[') {
            inGroup = line == "[" + group + "]";
            continue;
        }
        const size_t eq = line.find('=');
        if (inGroup && eq != std::string::npos) {
            out.emplace_back(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
        }
    }
    return out;
}

std::string Value(const Entries& entries, const std::string& key) {
    for (const auto& e : entries) {
        if (e.first == key) {
            return e.second;
        }
    }
    return std::string();
}

// The general escapes of desktop-file values.
std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char c = s[++i];
            out += c == 's' ? ' ' : c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::vector<std::string> ApplicationDirs(const DesktopDirs& dirs) {
    std::vector<std::string> out;
    for (const auto& d : dirs.dataDirs) {
        out.push_back(d + "/applications");
    }
    return out;
}

// mimeapps.list files in order of precedence.
std::vector<std::string> MimeAppsLists(const DesktopDirs& dirs) {
    std::vector<std::string> out;
    auto add = [&](const std::string& dir) {
        for (const auto& desktop : dirs.desktops) {
            out.push_back(dir + "/" + desktop + "-mimeapps.list");
        }
        out.push_back(dir + "/mimeapps.list");
    };
    for (const auto& d : dirs.configDirs) {
        add(d);
    }
    for (const auto& d : ApplicationDirs(dirs)) {
        add(d);
    }
    return out;
}

// The Exec line of an installed, visible entry, or empty. A desktop id "a-b.desktop" may also
// stand for the file a/b.desktop.
std::string InstalledExec(const std::string& id, const DesktopDirs& dirs) {
    if (id.find("..") != std::string::npos || id.empty() || id[0] == '/') {
        return std::string();
    }
    std::vector<std::string> names{id};
    for (size_t dash = id.find('-'); dash != std::string::npos; dash = id.find('-', dash + 1)) {
        std::string nested = id;
        for (size_t i = 0; i <= dash; ++i) {
            if (nested[i] == '-') {
                nested[i] = '/';
            }
        }
        names.push_back(nested);
    }
    for (const auto& dir : ApplicationDirs(dirs)) {
        for (const auto& name : names) {
            const std::string file = dir + "/" + name;
            if (!FileExists(file)) {
                continue;
            }
            const Entries entry = ReadGroup(file, "Desktop Entry");
            if (Value(entry, "Hidden") == "true" || Value(entry, "Type") == "Link") {
                return std::string();
            }
            return Unescape(Value(entry, "Exec"));
        }
    }
    return std::string();
}

} // namespace

DesktopDirs DesktopDirsFromEnvironment(const std::function<std::string(const char*)>& getenv) {
    DesktopDirs dirs;
    const std::string home = getenv("HOME");
    auto homeOr = [&](const char* name, const char* below) {
        const std::string v = getenv(name);
        if (!v.empty() && v[0] == '/') {
            return v;
        }
        return home.empty() ? std::string() : home + below;
    };
    auto listOr = [&](const char* name, const char* fallback) {
        std::vector<std::string> out;
        for (const auto& d : Split(getenv(name), ':')) {
            if (d[0] == '/') {
                out.push_back(d);
            }
        }
        return out.empty() ? Split(fallback, ':') : out;
    };
    const std::string configHome = homeOr("XDG_CONFIG_HOME", "/.config");
    if (!configHome.empty()) {
        dirs.configDirs.push_back(configHome);
    }
    for (const auto& d : listOr("XDG_CONFIG_DIRS", "/etc/xdg")) {
        dirs.configDirs.push_back(d);
    }
    const std::string dataHome = homeOr("XDG_DATA_HOME", "/.local/share");
    if (!dataHome.empty()) {
        dirs.dataDirs.push_back(dataHome);
    }
    for (const auto& d : listOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share")) {
        dirs.dataDirs.push_back(d);
    }
    for (std::string desktop : Split(getenv("XDG_CURRENT_DESKTOP"), ':')) {
        for (char& c : desktop) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        if (desktop.find('/') == std::string::npos) {
            dirs.desktops.push_back(desktop);
        }
    }
    return dirs;
}

std::string DesktopDefaultExec(const std::string& mimeType, const DesktopDirs& dirs) {
    const std::vector<std::string> lists = MimeAppsLists(dirs);
    for (const auto& list : lists) {
        for (const auto& id :
             Split(Value(ReadGroup(list, "Default Applications"), mimeType), ';')) {
            const std::string exec = InstalledExec(id, dirs);
            if (!exec.empty()) {
                return exec;
            }
        }
    }
    // Associations removed by a file hold for that file and for those of lower precedence.
    std::set<std::string> removed;
    for (const auto& list : lists) {
        for (const auto& id :
             Split(Value(ReadGroup(list, "Removed Associations"), mimeType), ';')) {
            removed.insert(id);
        }
        for (const auto& id : Split(Value(ReadGroup(list, "Added Associations"), mimeType), ';')) {
            if (removed.count(id) == 0) {
                const std::string exec = InstalledExec(id, dirs);
                if (!exec.empty()) {
                    return exec;
                }
            }
        }
    }
    for (const auto& dir : ApplicationDirs(dirs)) {
        for (const auto& id :
             Split(Value(ReadGroup(dir + "/mimeinfo.cache", "MIME Cache"), mimeType), ';')) {
            if (removed.count(id) == 0) {
                const std::string exec = InstalledExec(id, dirs);
                if (!exec.empty()) {
                    return exec;
                }
            }
        }
    }
    return std::string();
}

std::string DesktopAssociatedProgram(const std::string& mimeType, const DesktopDirs& dirs) {
    return ReduceOpenCommand(DesktopDefaultExec(mimeType, dirs));
}

std::vector<std::string> SplitViewerCommand(const std::string& reduced,
                                            const std::function<bool(const std::string&)>& isFile) {
    if (reduced.empty()) {
        return {};
    }
    if (isFile(reduced)) {
        return {reduced};
    }
    return Split(reduced, ' ');
}
