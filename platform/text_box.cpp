#include "platform/text_box.h"

#include <QLineEdit>
#include <QValidator>

namespace platform {
namespace {

qsizetype FirstBreak(const QString &text, qsizetype from = 0)
{
    for (qsizetype i = from; i < text.size(); ++i)
        if (text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r'))
            return i;
    return -1;
}

// The box runs its validator on every change, with the cursor just after what was put in, and takes the
// text that it gives back. The box held no line break before, so the first one lies in what was put in.
class OneLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const qsizetype coupure = FirstBreak(input);
        if (coupure < 0)
            return Acceptable;
        const qsizetype fin = pos > coupure ? pos : input.size();
        input.remove(coupure, fin - coupure);
        if (const qsizetype reste = FirstBreak(input, coupure); reste >= 0)
            input.truncate(reste);
        pos = static_cast<int>(coupure);
        return Acceptable;
    }
};

} // namespace

QString FirstLine(const QString &text)
{
    const qsizetype coupure = FirstBreak(text);
    return coupure < 0 ? text : text.left(coupure);
}

void KeepOneLine(QLineEdit *box)
{
    box->setValidator(new OneLineValidator(box));
}

} // namespace platform
