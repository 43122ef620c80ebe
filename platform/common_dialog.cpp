#include "platform/common_dialog.h"

#include "platform/printer.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QStringList>

namespace platform {
namespace {

FileDialogAnswerer &answerer()
{
    static FileDialogAnswerer a;
    return a;
}

PrinterDialogAnswerer &printerAnswerer()
{
    static PrinterDialogAnswerer a;
    return a;
}

} // namespace

QString QtFilterFrom(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (%1)").arg(patterns);
        entries << description;
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> ShowFileDialog(const FileDialogRequest &request)
{
    if (answerer())
        return answerer()(request);
    const QString filter = QtFilterFrom(request.filter);
    const QString name = request.mode == FileDialogMode::Open
                             ? QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                            request.proposedName, filter)
                             : QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                            request.proposedName, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

void SetFileDialogAnswerer(FileDialogAnswerer a)
{
    answerer() = std::move(a);
}

bool ShowPrinterDialog(Printer &printer)
{
    if (printerAnswerer()) {
        const std::optional<QString> pdf = printerAnswerer()();
        if (!pdf)
            return false;
        printer.Device().setOutputFormat(QPrinter::PdfFormat);
        printer.Device().setOutputFileName(*pdf);
        return true;
    }
    QPrintDialog dialog(&printer.Device(), QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

void SetPrinterDialogAnswerer(PrinterDialogAnswerer a)
{
    printerAnswerer() = std::move(a);
}

} // namespace platform
