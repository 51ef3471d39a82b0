#pragma once

#include <QObject>
#include <exception>
#include <utility>

namespace pf {

// Shows an error that ended a handler in the standard error box.
void reportHandlerError(const std::exception& error);

// Runs a handler; a database error ends it and is shown in the error box.
template <class Fn> void guarded(Fn&& fn)
{
    try {
        std::forward<Fn>(fn)();
    } catch (const std::exception& error) {
        reportHandlerError(error);
    }
}

// Connects a signal to a handler run through guarded().
template <class Sender, class Signal, class Fn>
QMetaObject::Connection on(Sender* sender, Signal signal, QObject* context, Fn fn)
{
    return QObject::connect(sender, signal, context, [fn]() { guarded(fn); });
}

}   // namespace pf
