#pragma once

#include "units/UpdateCheck.h"

#include <QDialog>
#include <QUrl>

class QPushButton;

namespace varnel {

class TClickLabel;
class TDescriptionFetch;

// The general About box: the program description, the monthly update check
// and the bottom line that announces a newer version. Shown modally as the
// About box, or without modality as the start-up splash.
class TAboutBase : public QDialog {
    Q_OBJECT

public:
    // A top-level window of its own, shown over the owner when modal; the
    // owner deletes it. Takes the fetch; without one the description is
    // fetched over the network, by a fetch made when the first check runs.
    explicit TAboutBase(QWidget* owner = nullptr, TDescriptionFetch* fetch = nullptr);
    ~TAboutBase() override;

    // Modal: true when closed with OK. As the splash: shown, drawn at once,
    // and false.
    bool ShowAbout(bool modal);
    void HideSplash();

    // What the local description knows: true when it already names a newer
    // version. A check due today waits for StartPendingFetch. Never throws.
    bool CheckUpdate() noexcept;

    QString UpdateMessage() const;
    QString UpdateLink() const;
    // The published description, or VARNEL_UPDATE_URL when that is set (an
    // empty value turns the check off).
    QUrl UpdateAddress() const;
    // Null until a check has needed the network fetch.
    TDescriptionFetch* Fetch() const { return fetch_; }
    TUpdateCheck& Check() { return check_; }

    bool ShownModal = false;

public slots:
    // Runs the check that CheckUpdate found due, in the background.
    void StartPendingFetch();
    void sttBottomClick();
    void Panel1Click();
    void btnOKClick();

signals:
    // After a fetch, whatever its outcome: whether a newer version is known.
    void CheckFinished(bool newer);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The network fetch from its module; null when the module is missing.
    virtual TDescriptionFetch* NewFetch();

    TUpdateCheck check_;
    TClickLabel* sttBottom = nullptr;
    QPushButton* OKButton = nullptr;

private:
    void FormShow();
    void ShowBottomLine();
    void FetchArrived(const QByteArray& body);
    void FetchFailed();
    void AdoptFetch(TDescriptionFetch* fetch);
    // The announced change address, when it is a web address.
    QUrl WebUpdateLink() const;
    void CentreOnScreen();

    QWidget* owner_ = nullptr;
    TDescriptionFetch* fetch_ = nullptr;
    bool fetchPending_ = false;
    bool guardingSplash_ = false;
};

} // namespace varnel
