// Modal message boxes as both programs show them, with a seam that lets tests answer them.
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace platform {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

struct ShownMessage
{
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

// Shows a modal box and returns the button pressed.
MsgResult MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title);

// Test seam: while an answerer is set, no box is shown; every box is recorded and the answerer
// picks the button. Clearing the answerer (nullptr) restores real boxes.
using MessageAnswerer = std::function<MsgResult(const ShownMessage &)>;
void SetMessageAnswerer(MessageAnswerer answerer);
const std::vector<ShownMessage> &ShownMessages();
void ClearShownMessages();

} // namespace platform
