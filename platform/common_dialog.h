// File open/save dialogs and the printer choice as both programs use them, with seams that let tests
// answer them.
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace platform {

class Printer;

enum class FileDialogMode { Open, Save };

struct FileDialogRequest
{
    FileDialogMode mode;
    QString proposedName; // may be empty
    QString filter;       // "Description (*.ext)|*.ext" pairs as the programs write them
};

// Shows the dialog; std::nullopt when the user cancels.
std::optional<QString> ShowFileDialog(const FileDialogRequest &request);

// Converts "Desc (*.a)|*.a|Other|*.b" into Qt's "Desc (*.a);;Other (*.b)".
QString QtFilterFrom(const QString &filter);

// Test seam: while set, no dialog is shown and the answerer gives the chosen path (or nullopt).
using FileDialogAnswerer = std::function<std::optional<QString>(const FileDialogRequest &)>;
void SetFileDialogAnswerer(FileDialogAnswerer answerer);

// Lets the user choose the printer (one the system knows, or a PDF file) that `printer` prints
// on; false when the user cancels, with the printer left as it was.
bool ShowPrinterDialog(Printer &printer);

// Test seam: while set, no dialog is shown; the answerer gives the PDF file to print to, or
// nullopt for Cancel.
using PrinterDialogAnswerer = std::function<std::optional<QString>()>;
void SetPrinterDialogAnswerer(PrinterDialogAnswerer answerer);

} // namespace platform
