#include "configurator/windows/DigitCombo.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace configurator {

DigitCombo::DigitCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // Enter belongs to the window (its "Ok"), never to the list.
    setInsertPolicy(QComboBox::NoInsert);
    for (int i = 0; i <= 9; ++i)
        addItem(QString::number(i));
    Fixer(QStringLiteral("0"));
    connect(this, &QComboBox::editTextChanged, this, &DigitCombo::Texte_Change);
}

void DigitCombo::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    if (lineEdit())
        lineEdit()->selectAll();
}

void DigitCombo::Fixer(const QString &chiffre)
{
    const QSignalBlocker bloque(this);
    Chiffre_Valide = chiffre;
    const int index = findText(chiffre);
    if (index >= 0)
        setCurrentIndex(index);
    setEditText(chiffre);
}

void DigitCombo::Texte_Change(const QString &texte)
{
    if (m_retour)
        return;
    if (texte.size() == 1 && texte[0] >= QLatin1Char('0') && texte[0] <= QLatin1Char('9')) {
        Chiffre_Valide = texte;
    } else {
        m_retour = true;
        setEditText(Chiffre_Valide);
        m_retour = false;
    }
    emit Change();
}

} // namespace configurator
