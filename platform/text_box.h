// Text boxes of one line, as every text box of the programs is: a line break never gets into one.
#pragma once

#include <QString>

class QLineEdit;

namespace platform {

// The text up to its first line break (CR or LF), as a box of one line shows it.
QString FirstLine(const QString &text);

// Keeps `box` free of line breaks: text put in (a paste, a drop, a setText) keeps what comes before its
// first line break, and what stood after the cursor stays.
void KeepOneLine(QLineEdit *box);

} // namespace platform
