// print-list and print-card: the program's printouts of a card file, into an A4 PDF file.

#include "Commands.h"

#include "files/AtomicFile.h"
#include "files/CardFile.h"
#include "files/CardTable.h"
#include "files/ColumnDefs.h"
#include "platform/TextCodec.h"
#include "printing/PrintLayout.h"
#include "printing/QtPrintCanvas.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

namespace {

const char* const kListUsage = "print-list CSVFILE PDFFILE [--dta COLUMNFILE]";
const char* const kCardUsage = "print-card CSVFILE CARDNUMBER PDFFILE [--dta COLUMNFILE]";

// The card grid's fixed screen widths of the name and street columns.
constexpr int kNameWidth = 130;
constexpr int kStreetWidth = 130;

struct PrintArgs {
    std::vector<std::string> positional;
    std::string dta;
};

std::optional<PrintArgs> ParseArgs(const Args& args) {
    PrintArgs out;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dta") {
            if (i + 1 >= args.size() || !out.dta.empty()) {
                return std::nullopt;
            }
            out.dta = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return std::nullopt;
        } else {
            out.positional.push_back(args[i]);
        }
    }
    return out;
}

// Qt's own notes (a missing runtime folder, a refused painter) would only blur the tool's
// one-line messages on stderr; the tool reports every failure itself.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

// Fonts need a GUI application; the tool never shows a window, so no display is needed.
class OffscreenApp {
public:
    OffscreenApp() {
        qInstallMessageHandler(QuietQtMessages);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[12] = "fendro-tool";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

std::string NotFound(const std::string& fileName) {
    return "Datei " + fileName + " nicht gefunden";
}

// The card table as the program would hold it after opening the file: row 0 the captions of
// the column definition file, one row per line, fields beyond the last column dropped.
CardTable ReadCardTable(const std::string& csvFile, const std::string& dtaFile) {
    if (!FileExists(dtaFile)) {
        throw std::runtime_error(NotFound(dtaFile));
    }
    const GridLayout layout = BuildGridLayout(ReadColumnDefinitions(dtaFile));
    std::string data;
    if (!ReadWholeFile(csvFile, data)) {
        throw std::runtime_error(NotFound(csvFile));
    }
    CardTable table;
    table.SetColCount(static_cast<int>(layout.captions.size()));
    table.AppendRow(layout.captions);
    std::vector<std::string> fields;
    ForEachCardLine(data, [&](std::string_view line) {
        const int n = SplitLine(fields, ",", line);
        CardTable::Row row = table.EmptyRow();
        for (int j = 0; j < n && j < table.ColCount(); ++j) {
            row[static_cast<size_t>(j)] = fields[static_cast<size_t>(j)];
        }
        table.AppendRow(std::move(row));
    });
    return table;
}

template <typename Print> int PrintIntoPdf(const std::string& pdfFile, Print&& print) {
    const QString fileName = FromUtf8(pdfFile);
    QPdfWriter writer(fileName);
    writer.setCreator(QStringLiteral("Fendro"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    // A PDF page has no unprintable edge: the printable area is the whole sheet.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QtPrintCanvas canvas(writer, fileName);
    print(canvas);
    return 0;
}

std::string DefaultDta() {
    return ToUtf8(QCoreApplication::applicationDirPath()) + "/fendro.DTA";
}

bool IsDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A number of digits, 1 to `cards`.
bool ParseCardNumber(const std::string& text, int cards, int& number) {
    if (text.size() > 9) {
        return false;
    }
    number = std::stoi(text);
    return number >= 1 && number <= cards;
}

} // namespace

int CmdPrintList(const Args& args) {
    const std::optional<PrintArgs> parsed = ParseArgs(args);
    if (!parsed || parsed->positional.size() != 2) {
        return UsageError(kListUsage);
    }
    try {
        OffscreenApp app;
        const std::string& csv = parsed->positional[0];
        const CardTable table =
            ReadCardTable(csv, parsed->dta.empty() ? DefaultDta() : parsed->dta);
        return PrintIntoPdf(parsed->positional[1], [&](PrintCanvas& canvas) {
            PrintList(canvas, table, ListPrintTitle(csv), poPortrait, kNameWidth, kStreetWidth);
        });
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}

int CmdPrintCard(const Args& args) {
    const std::optional<PrintArgs> parsed = ParseArgs(args);
    // A card number that is no number is a wrong call, like a missing argument.
    if (!parsed || parsed->positional.size() != 3 || !IsDigits(parsed->positional[1])) {
        return UsageError(kCardUsage);
    }
    try {
        OffscreenApp app;
        const CardTable table =
            ReadCardTable(parsed->positional[0], parsed->dta.empty() ? DefaultDta() : parsed->dta);
        const int cards = table.RowCount() - 1;
        int number = 0;
        if (!ParseCardNumber(parsed->positional[1], cards, number)) {
            return Failure("Karte \"" + parsed->positional[1] + "\" gibt es nicht: die Datei hat " +
                           std::to_string(cards) + " Karten");
        }
        return PrintIntoPdf(parsed->positional[2], [&](PrintCanvas& canvas) {
            PrintCard(canvas, table, kCardPrintTitle, number, poPortrait);
        });
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}
