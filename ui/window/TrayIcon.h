#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace varnel {

class TTraySurface;

// With Active on, minimising the program's window takes it off the taskbar
// and shows an icon in the notification area; a click on the icon brings the
// window back. States: shown; minimised; minimised to the tray (window
// hidden, icon shown).
class TTrayIcon : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxHintLength = 63;

    using SurfaceFactory = std::function<std::unique_ptr<TTraySurface>()>;

    // Follows the minimising and restoring of window, which owns it.
    explicit TTrayIcon(QWidget* window);
    ~TTrayIcon() override;

    bool Active() const { return active_; }
    void SetActive(bool active);
    // The tooltip; the application's name while empty.
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);
    QIcon Icon() const { return icon_; }
    void SetIcon(const QIcon& icon);

    bool Minimized() const { return minimized_; }
    bool IconAdded() const { return iconAdded_; }
    // True while the window is hidden with the icon standing in for it.
    bool InTray() const;

    // Tests stand in for the notification area; an empty factory goes back
    // to the system's. Returns the factory it replaces.
    static SurfaceFactory SetSurfaceFactory(SurfaceFactory factory);

public slots:
    // Back from the tray or from the taskbar, in front of other windows.
    void RestoreProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool AddIcon();
    void RemoveIcon();
    void UpdateIcon();
    void AppMinimize();
    void AppRestore();
    QString ToolTip() const;

    QWidget* window_;
    TTraySurface* surface_;
    bool active_ = false;
    bool minimized_;
    bool iconAdded_ = false;
    QString hint_;
    QIcon icon_;
};

} // namespace varnel
