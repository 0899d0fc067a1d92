#pragma once

// Ends the event loop once the watched window has been painted for the first time: the moment a
// user first sees it. The quit is queued so that the paint pass and its flush to the screen
// complete first.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(QObject *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted = false;
};
