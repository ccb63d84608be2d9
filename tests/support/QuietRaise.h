#pragma once

// The offscreen platform cannot restack windows and warns at every raise(); windows that raise
// themselves when shown would fill the test log with it. Every other message passes on.

#include <QString>
#include <QtGlobal>

inline void quietenRaiseWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (message == QLatin1String("This plugin does not support raise()"))
                return;
            if (previous)
                previous(type, context, message);
        });
}
