#pragma once

#include <QValidator>

class QLineEdit;

// Keeps an edit field to one line of at most `maxUnits` UTF-16 units: whatever is typed or
// pasted, a line break or tab becomes a space, other control characters are dropped, and the
// length limit never cuts a character in two.
class SingleLineValidator final : public QValidator
{
    Q_OBJECT
public:
    SingleLineValidator(qsizetype maxUnits, QObject *parent);
    State validate(QString &input, int &pos) const override;

    // Sets the field's length limit and this validator on it.
    static void apply(QLineEdit &field, int maxUnits);

private:
    qsizetype m_maxUnits;
};
