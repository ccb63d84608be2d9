#include "History.h"

using namespace Qt::StringLiterals;

TVerleden::TVerleden(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"Verleden"_s);
    setWindowTitle(u"WENDARIX"_s);
}
