#include "ui/window/SystemTraySurface.h"

#include <QSystemTrayIcon>

namespace varnel {

TSystemTraySurface::TSystemTraySurface(QObject* parent)
    : TTraySurface(parent), icon_(new QSystemTrayIcon(this)) {
    icon_->setObjectName("TrayIcon1");
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    emit Clicked();
                else if (reason == QSystemTrayIcon::DoubleClick)
                    emit DoubleClicked();
            });
}

bool TSystemTraySurface::Available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TSystemTraySurface::Add() {
    if (!Available())
        return false;
    icon_->show();
    return icon_->isVisible();
}

void TSystemTraySurface::Remove() {
    icon_->hide();
}

void TSystemTraySurface::SetToolTip(const QString& text) {
    icon_->setToolTip(text);
}

void TSystemTraySurface::SetIcon(const QIcon& icon) {
    icon_->setIcon(icon);
}

} // namespace varnel
