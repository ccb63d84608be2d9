#include "Quivar.h"

using namespace Qt::StringLiterals;

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"WENDARIX vs 13.2"_s);
    setFixedSize(689, 447);
}
