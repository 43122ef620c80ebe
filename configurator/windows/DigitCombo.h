// A digit of an access code: an editable combo of "0" to "9" that takes back its last accepted digit
// whenever its text becomes anything but one digit.
#pragma once

#include <QComboBox>

namespace configurator {

class DigitCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit DigitCombo(QWidget *parent = nullptr);

    // The last digit accepted.
    QString Chiffre_Valide = QStringLiteral("0");

    // Shows `chiffre` as the program's own choice: no change handler runs.
    void Fixer(const QString &chiffre);

signals:
    // The text changed and was accepted or taken back: the window moves the focus on.
    void Change();

protected:
    // Arriving in a digit selects it, so that a typed digit replaces it.
    void focusInEvent(QFocusEvent *event) override;

private:
    void Texte_Change(const QString &texte);
    bool m_retour = false;
};

} // namespace configurator
