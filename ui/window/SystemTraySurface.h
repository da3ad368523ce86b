#pragma once

#include "ui/window/TraySurface.h"

class QSystemTrayIcon;

namespace varnel {

// The desktop's own notification area.
class TSystemTraySurface : public TTraySurface {
    Q_OBJECT

public:
    explicit TSystemTraySurface(QObject* parent = nullptr);

    bool Available() const override;
    bool Add() override;
    void Remove() override;
    void SetToolTip(const QString& text) override;
    void SetIcon(const QIcon& icon) override;

private:
    QSystemTrayIcon* icon_;
};

} // namespace varnel
