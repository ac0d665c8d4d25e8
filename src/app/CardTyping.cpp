#include "app/CardTyping.h"

#include "files/Ansi.h"

int TypingLimit(int col) {
    switch (col) {
    case 0:
    case 1:
        return 20;
    case 2:
        return 16;
    default:
        return 0;
    }
}

size_t TrimmedLength(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ') {
        --n;
    }
    return n;
}

namespace {
bool IsSeparator(char32_t c) {
    return c == U',' || c == U';';
}
} // namespace

bool AcceptsTypedKey(int col, std::string_view cellText, char32_t key) {
    if (IsSeparator(key)) {
        return false;
    }
    if (key == kBackspace) {
        return true;
    }
    if (key >= 0x20 && CodePointToAnsi(key) < 0) {
        return false;
    }
    return TrimmedLength(cellText) < static_cast<size_t>(TypingLimit(col));
}

std::string FilterPastedText(int col, std::string_view remainingText, std::u32string_view pasted) {
    const size_t limit = static_cast<size_t>(TypingLimit(col));
    const size_t used = TrimmedLength(remainingText);
    std::string out;
    if (used >= limit) {
        return out;
    }
    const size_t room = limit - used;
    for (const char32_t c : pasted) {
        if (out.size() >= room) {
            break;
        }
        if (IsSeparator(c) || c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
            continue;
        }
        const int b = CodePointToAnsi(c);
        if (b < 0) {
            continue;
        }
        out.push_back(static_cast<char>(b));
    }
    return out;
}
