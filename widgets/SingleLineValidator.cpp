#include "SingleLineValidator.h"

#include "SingleLine.h"

#include <QLineEdit>

SingleLineValidator::SingleLineValidator(qsizetype maxUnits, QObject *parent)
    : QValidator(parent)
    , m_maxUnits(maxUnits)
{ }

QValidator::State SingleLineValidator::validate(QString &input, int &pos) const
{
    // The cursor keeps its place in what stays of the text before it.
    const QString before = singleLine(QStringView(input).first(qBound(0, pos, int(input.size()))));
    const QString clean = cutAtCharacter(singleLine(input), m_maxUnits);
    if (clean != input) {
        input = clean;
        pos = int(qMin(before.size(), clean.size()));
    }
    return Acceptable;
}

void SingleLineValidator::apply(QLineEdit &field, int maxUnits)
{
    field.setMaxLength(maxUnits);
    field.setValidator(new SingleLineValidator(maxUnits, &field));
}
