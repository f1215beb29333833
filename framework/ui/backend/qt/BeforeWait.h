// Work the backend does each time the event loop is about to wait for events.
#pragma once

#include <QMetaObject>

class QObject;

// Once the application exists: makes pContext, an object that lives as long as the application
// (null again after it), and connects pfnBeforeWait to the event dispatcher's "about to block"
// through it. Later calls change nothing.
void ConnectBeforeWait(QObject*& pContext, QMetaObject::Connection& connection, void (*pfnBeforeWait)());
