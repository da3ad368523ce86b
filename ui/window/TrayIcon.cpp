#include "ui/window/TrayIcon.h"

#include "ui/common/MessageBoxes.h"
#include "ui/window/SystemTraySurface.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace varnel {

namespace {

TTrayIcon::SurfaceFactory& Factory() {
    static TTrayIcon::SurfaceFactory factory;
    return factory;
}

// Cut by characters: a character outside the first plane must not be split
// into half a surrogate pair.
QString FirstCharacters(const QString& text, int count) {
    const QList<uint> characters = text.toUcs4();
    if (characters.size() <= count)
        return text;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), count);
}

} // namespace

TTrayIcon::TTrayIcon(QWidget* window)
    : QObject(window), window_(window), minimized_(window->isMinimized()) {
    setObjectName("TrayIcon1");
    std::unique_ptr<TTraySurface> surface =
        Factory() ? Factory()() : std::make_unique<TSystemTraySurface>();
    surface_ = surface.release();
    surface_->setParent(this);
    icon_ = window->windowIcon();
    surface_->SetIcon(icon_);
    surface_->SetToolTip(ToolTip());
    connect(surface_, &TTraySurface::Clicked, this, &TTrayIcon::RestoreProgram);
    connect(surface_, &TTraySurface::DoubleClicked, this, &TTrayIcon::RestoreProgram);
    window->installEventFilter(this);
}

TTrayIcon::~TTrayIcon() {
    if (active_)
        RemoveIcon();
}

TTrayIcon::SurfaceFactory TTrayIcon::SetSurfaceFactory(SurfaceFactory factory) {
    return std::exchange(Factory(), std::move(factory));
}

void TTrayIcon::SetActive(bool active) {
    const bool wasInTray = InTray();
    active_ = active;
    if (active_ && minimized_) {
        AddIcon();
        return;
    }
    RemoveIcon();
    // Without the icon a hidden window could not be reached any more.
    if (wasInTray)
        window_->showMinimized();
}

void TTrayIcon::SetHint(const QString& hint) {
    const QString cut = FirstCharacters(hint, MaxHintLength);
    if (cut == hint_)
        return;
    hint_ = cut;
    UpdateIcon();
}

void TTrayIcon::SetIcon(const QIcon& icon) {
    icon_ = icon;
    UpdateIcon();
}

bool TTrayIcon::InTray() const {
    return iconAdded_ && window_->isHidden();
}

QString TTrayIcon::ToolTip() const {
    return hint_.isEmpty() ? FirstCharacters(QCoreApplication::applicationName(), MaxHintLength)
                           : hint_;
}

bool TTrayIcon::AddIcon() {
    if (!active_ || !surface_->Available())
        return false;
    if (iconAdded_)
        return true;
    if (!surface_->Add()) {
        ShowErrorMessage("Cannot create shell notification icon");
        return false;
    }
    iconAdded_ = true;
    return true;
}

void TTrayIcon::RemoveIcon() {
    surface_->Remove();
    iconAdded_ = false;
}

void TTrayIcon::UpdateIcon() {
    surface_->SetIcon(icon_);
    surface_->SetToolTip(ToolTip());
}

// The window is hidden only once the icon shows: on a desktop without a
// notification area it stays an ordinary minimised window.
void TTrayIcon::AppMinimize() {
    minimized_ = true;
    if (!active_ || !AddIcon())
        return;
    // After the event: showMinimized() shows the window once its state
    // changed, which would undo an immediate hide.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (minimized_ && iconAdded_)
                window_->hide();
        },
        Qt::QueuedConnection);
}

void TTrayIcon::AppRestore() {
    minimized_ = false;
    if (active_) {
        window_->show();
        RemoveIcon();
    }
}

void TTrayIcon::RestoreProgram() {
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange) {
        const bool minimized = window_->isMinimized();
        if (minimized && !minimized_)
            AppMinimize();
        else if (!minimized && minimized_)
            AppRestore();
    }
    return false;
}

} // namespace varnel
