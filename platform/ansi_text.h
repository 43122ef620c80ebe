// Single-byte text in the ANSI code page of the desktops that files come from and go to: Windows-1252.
// It is Latin-1 but for 0x80..0x9F, which hold typographic signs ("€", "’", "œ", "…") instead of controls.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// A character that the code page lacks becomes '?'.
QByteArray ToAnsi(const QString &text);
// Every byte reads as a character; the five bytes the code page leaves unassigned read as the control
// character of their number, so that text read and written again keeps its bytes.
QString FromAnsi(const QByteArray &bytes);

} // namespace platform
