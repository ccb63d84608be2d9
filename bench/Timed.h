#pragma once

#include <QElapsedTimer>

// Milliseconds since the timer started, to the nanosecond it measures.
inline double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// How long one call of `step` takes, in milliseconds.
template <class Step> double timed(Step &&step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return elapsedMs(timer);
}
