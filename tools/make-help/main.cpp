// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the help document: German HTML text in, a PDF out. Runs at build time, without a display.

#include <QFile>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace {
// Only real failures belong in the build log, not Qt's notes about the missing session.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "make-help: %s\n", text.toLocal8Bit().constData());
    }
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-help <text.html> <output.pdf>\n");
        return 2;
    }
    // Fonts need a platform; the offscreen one works on a build machine without a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QGuiApplication app(argc, argv);

    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QFile source(input);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make-help: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());

    QPdfWriter writer(output);
    writer.setTitle(QStringLiteral("Fendro \u2013 Hilfe"));
    writer.setCreator(QStringLiteral("Fendro"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));

    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 20pt; color: #1f3b63; } h2 { font-size: 14pt; color: #1f3b63; }"
        "h3 { font-size: 11pt; } td, th { padding: 3px; } th { background-color: #dfebff; }"
        "code { font-family: 'DejaVu Sans Mono'; } .formel { font-family: 'DejaVu Sans Mono'; }"));
    doc.setHtml(html);
    doc.print(&writer);

    // QPdfWriter reports no errors itself; an empty or missing file means the write failed.
    if (QFile(output).size() <= 0) {
        std::fprintf(stderr, "make-help: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
