#include "Quivar.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"WENDARIX"_s);
    QApplication::setApplicationDisplayName(u"WENDARIX"_s);
    TForm1 form;
    form.show();
    return QApplication::exec();
}
