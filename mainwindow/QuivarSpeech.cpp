// What a screen reader hears of the line rows: a bare digit or a line text without its line says
// little, so each is read with the line it belongs to.
#include "Quivar.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void TForm1::speakLineRows()
{
    for (int r = 1; r <= 6; ++r) {
        const std::size_t row = std::size_t(r - 1);
        const int line = 7 - r;
        lbl_Uitk_A[row]->setAccessibleName(spokenLine(line, m_session.state().lines[std::size_t(line - 1)]));
        const QString text = lbl_Lijnb[row]->text();
        lbl_Lijnb[row]->setAccessibleName(text.isEmpty() ? QString() : u"Lijn %1: %2"_s.arg(line).arg(text));
    }
}
