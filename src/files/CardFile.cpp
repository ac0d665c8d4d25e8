#include "files/CardFile.h"

#include "files/AtomicFile.h"

int SplitLine(std::vector<std::string>& fields, std::string_view separator, std::string_view line) {
    size_t count = 0;
    auto put = [&](std::string_view piece) {
        if (fields.size() <= count) {
            fields.emplace_back(piece);
        } else {
            fields[count].assign(piece.data(), piece.size());
        }
        ++count;
    };
    if (separator.empty()) {
        put(line);
        return 1;
    }
    size_t pos = 0;
    for (;;) {
        const size_t hit = line.find(separator, pos);
        if (hit == std::string_view::npos) {
            put(line.substr(pos));
            break;
        }
        put(line.substr(pos, hit - pos));
        pos = hit + separator.size();
    }
    return static_cast<int>(count);
}

std::vector<std::string> SplitCardLines(std::string_view data) {
    std::vector<std::string> lines;
    ForEachCardLine(data, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

int CountLines(const std::string& fileName) {
    std::string data;
    if (!ReadWholeFile(fileName, data)) {
        return 0;
    }
    int n = 0;
    ForEachCardLine(data, [&](std::string_view) { ++n; });
    return n;
}

std::string CardLineText(const std::vector<std::string>& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += cells[i];
    }
    return line;
}
