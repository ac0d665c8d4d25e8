#include "platform/LocaleCollation.h"

#include "files/Ansi.h"

#include <QCollator>

#include <memory>
#include <optional>

namespace {

std::optional<QLocale> gCollationLocale;

// Holds the collator and two conversion buffers, so that a comparison allocates nothing.
struct CollatingCompare {
    explicit CollatingCompare(const QLocale& locale) : collator(locale) {
        collator.setCaseSensitivity(Qt::CaseSensitive);
    }
    static void Fill(QString& buffer, const std::string& ansi) {
        buffer.resize(static_cast<qsizetype>(ansi.size()));
        QChar* out = buffer.data();
        for (const char c : ansi) {
            *out++ = QChar(static_cast<char16_t>(AnsiToCodePoint(static_cast<unsigned char>(c))));
        }
    }
    int operator()(const std::string& a, const std::string& b) {
        Fill(left, a);
        Fill(right, b);
        return collator.compare(QStringView(left), QStringView(right));
    }
    QCollator collator;
    QString left;
    QString right;
};

} // namespace

TextCompare LocaleCompare(const QLocale& locale) {
    auto state = std::make_shared<CollatingCompare>(locale);
    return [state](const std::string& a, const std::string& b) { return (*state)(a, b); };
}

QLocale CollationLocale() {
    return gCollationLocale ? *gCollationLocale : QLocale::system();
}

void SetCollationLocale(const QLocale& locale) {
    gCollationLocale = locale;
}

void ResetCollationLocale() {
    gCollationLocale.reset();
}
