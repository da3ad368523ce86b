#pragma once

#include <QObject>

class QIcon;
class QString;

namespace varnel {

// What the tray icon needs of the desktop's notification area. The program
// uses the system tray; tests stand in for it.
class TTraySurface : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // False on a desktop without a notification area.
    virtual bool Available() const = 0;
    // Puts the icon into the notification area; true once it is showing.
    virtual bool Add() = 0;
    virtual void Remove() = 0;
    virtual void SetToolTip(const QString& text) = 0;
    virtual void SetIcon(const QIcon& icon) = 0;

signals:
    void Clicked();
    void DoubleClicked();
};

} // namespace varnel
