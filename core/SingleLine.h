#pragma once

#include <QString>
#include <QStringView>

// A question is one line of text: it ends up in a label and in one line of the journal file.

// Line breaks and tabs become spaces; other control characters and halves of a character that
// lost their other half are dropped.
QString singleLine(QStringView text);

// At most `maxUnits` UTF-16 units, never ending in the first half of a two-unit character.
QString cutAtCharacter(QStringView text, qsizetype maxUnits);
