// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfOutput.h"

#include "OptionArgs.h"

#include "core/files/AtomicFile.h"
#include "core/files/CardDocument.h"
#include "core/files/ColumnDefs.h"

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace {

// Qt's own notes (a missing runtime folder, a refused painter) would only blur the tool's
// one-line messages on stderr; the tool reports every failure itself.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

std::string NotFound(const std::string& fileName) {
    return "Datei " + fileName + " nicht gefunden";
}

} // namespace

OffscreenApp::OffscreenApp() {
    qInstallMessageHandler(QuietQtMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

CardTable ReadCardTable(const std::string& csvFile, const std::string& dtaFile) {
    if (!FileExists(dtaFile)) {
        throw std::runtime_error(NotFound(dtaFile));
    }
    const GridLayout layout = BuildGridLayout(ReadColumnDefinitions(dtaFile));
    TCardDocument doc;
    doc.Cards().SetColCount(static_cast<int>(layout.captions.size()));
    doc.Cards().AppendRow(layout.captions);
    if (!doc.Load(csvFile)) {
        throw std::runtime_error(NotFound(csvFile));
    }
    return std::move(doc.Cards());
}

std::string DefaultDta() {
    return ToUtf8(QCoreApplication::applicationDirPath()) + "/fendro.DTA";
}

std::string DtaOrDefault(const OptionArgs& args) {
    const std::string dta = args.Value("--dta");
    return dta.empty() ? DefaultDta() : dta;
}

bool IsDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool ParseCardNumber(const std::string& text, int cards, int& number) {
    if (!IsDigits(text) || text.size() > 9) {
        return false;
    }
    number = std::stoi(text);
    return number >= 1 && number <= cards;
}
