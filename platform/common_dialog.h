// File open/save dialogs as both programs use them, with a seam that lets tests answer them.
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace platform {

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

} // namespace platform
