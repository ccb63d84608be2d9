#pragma once

// A window's control found by its objectName(), as the class the test expects. A missing one
// fails the test and ends the run, since every step after it would use it.

#include <QAnyStringView>
#include <QTest>

template <class T> T *control(const QObject &window, QAnyStringView name)
{
    T *found = window.findChild<T *>(name.toString());
    if (!QTest::qVerify(found != nullptr, "control", qPrintable(name.toString()), __FILE__, __LINE__))
        qFatal("no control named %s", qPrintable(name.toString()));
    return found;
}

// Row r (1 = top) of a row of six, whose names carry the row where the pattern has %1.
template <class T> T *control(const QObject &window, const char16_t *pattern, int row)
{
    return control<T>(window, QString::fromUtf16(pattern).arg(row));
}

// The same, with the class taken from the pointer it initialises: QLabel *x = Named { w, u"x" }.
struct Named
{
    const QObject &window;
    QAnyStringView name;
    template <class T> operator T *() const { return control<T>(window, name); }
};
