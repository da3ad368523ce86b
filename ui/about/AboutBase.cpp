#include "ui/about/AboutBase.h"

#include "ui/about/ClickLabel.h"
#include "ui/about/DescriptionFetch.h"
#include "ui/about/FetchModule.h"
#include "ui/about/WebLinks.h"
#include "ui/common/ThemeColours.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace varnel {

namespace {

constexpr const char* UpdateAddressVariable = "VARNEL_UPDATE_URL";

// Blue as a link is blue, unless the tip colour of a dark palette needs a
// lighter one to be read.
QColor LinkColour(const QPalette& palette) {
    return ReadableText(QColor(Qt::blue), palette.color(QPalette::ToolTipBase));
}

} // namespace

TAboutBase::TAboutBase(QWidget* owner, TDescriptionFetch* fetch) : owner_(owner) {
    if (fetch)
        AdoptFetch(fetch);

    sttBottom = new TClickLabel(this);
    sttBottom->setObjectName("sttBottom");
    sttBottom->setTextFormat(Qt::PlainText);
    sttBottom->setAlignment(Qt::AlignCenter);
    sttBottom->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sttBottom->setAutoFillBackground(true);
    // A line's height also while it is blank, so the box keeps its size when
    // an update is announced.
    sttBottom->setMargin(sttBottom->fontMetrics().height() / 4);
    connect(sttBottom, &TClickLabel::Clicked, this, &TAboutBase::sttBottomClick);
}

TAboutBase::~TAboutBase() {
    if (fetch_)
        fetch_->Abort();
}

void TAboutBase::AdoptFetch(TDescriptionFetch* fetch) {
    fetch_ = fetch;
    fetch_->setParent(this);
    connect(fetch_, &TDescriptionFetch::Fetched, this, &TAboutBase::FetchArrived);
    connect(fetch_, &TDescriptionFetch::Failed, this, &TAboutBase::FetchFailed);
}

TDescriptionFetch* TAboutBase::NewFetch() {
    return TFetchModule().NewFetch(this);
}

bool TAboutBase::ShowAbout(bool modal) {
    ShownModal = modal;
    ShowBottomLine();
    const Qt::WindowFlags frame =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (modal) {
        setParent(owner_, Qt::Dialog | frame);
        setAttribute(Qt::WA_ShowWithoutActivating, false);
        const bool ok = exec() == QDialog::Accepted;
        setParent(nullptr, Qt::Dialog | frame);
        return ok;
    }
    // The splash stands alone and leaves the keyboard to the window that is
    // starting: as the owner's child it would keep the owner from taking the
    // focus back once it is hidden.
    setParent(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus | frame);
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    repaint();
    // Drawn now, while the start-up goes on without the event loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return false;
}

void TAboutBase::HideSplash() {
    if (!ShownModal)
        hide();
}

bool TAboutBase::CheckUpdate() noexcept {
    try {
        switch (check_.BeginCheck(Today())) {
        case TUpdateCheck::TStart::NewerKnown:
            ShowBottomLine();
            return true;
        case TUpdateCheck::TStart::FetchDue:
            fetchPending_ = true;
            break;
        case TUpdateCheck::TStart::NotDue:
            break;
        }
    } catch (...) {
        // The check is never worth a failed start.
    }
    return false;
}

void TAboutBase::StartPendingFetch() {
    if (!fetchPending_)
        return;
    fetchPending_ = false;
    const QUrl address = UpdateAddress();
    if (!IsFetchableUrl(address))
        return;
    if (!fetch_) {
        if (TDescriptionFetch* fetch = NewFetch())
            AdoptFetch(fetch);
    }
    if (fetch_)
        fetch_->Start(address);
    else // as a download that failed, and as it, from the event loop
        QTimer::singleShot(0, this, &TAboutBase::FetchFailed);
}

QString TAboutBase::UpdateMessage() const {
    return QString::fromStdString(check_.UpdateMessage());
}

QString TAboutBase::UpdateLink() const {
    return QString::fromStdString(check_.UpdateLink());
}

QUrl TAboutBase::UpdateAddress() const {
    const QString address = qEnvironmentVariableIsSet(UpdateAddressVariable)
                                ? qEnvironmentVariable(UpdateAddressVariable)
                                : QString::fromStdString(check_.FetchAddress());
    return QUrl(address.trimmed(), QUrl::StrictMode);
}

void TAboutBase::FetchArrived(const QByteArray& body) {
    const bool newer = check_.FinishCheck(std::string_view(body.constData(), body.size()), Today());
    ShowBottomLine();
    emit CheckFinished(newer);
}

void TAboutBase::FetchFailed() {
    check_.FailCheck(Today());
    emit CheckFinished(false);
}

QUrl TAboutBase::WebUpdateLink() const {
    const QUrl link(UpdateLink().trimmed(), QUrl::StrictMode);
    return IsFetchableUrl(link) ? link : QUrl();
}

void TAboutBase::ShowBottomLine() {
    QPalette palette = QApplication::palette(sttBottom);
    QFont font = QApplication::font(sttBottom);
    sttBottom->setCursor(Qt::ArrowCursor);
    sttBottom->setToolTip(QString());
    sttBottom->setText(" " + UpdateMessage());
    if (!UpdateMessage().trimmed().isEmpty()) {
        palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
        const QUrl link = WebUpdateLink();
        if (!link.isEmpty()) {
            font.setUnderline(true);
            palette.setColor(QPalette::WindowText, LinkColour(palette));
            sttBottom->setCursor(Qt::PointingHandCursor);
            // Encoded, so that no part of it can pass for markup.
            sttBottom->setToolTip(link.toString(QUrl::FullyEncoded));
        }
    }
    sttBottom->setPalette(palette);
    sttBottom->setFont(font);
}

void TAboutBase::sttBottomClick() {
    const QUrl link = WebUpdateLink();
    if (sttBottom->font().underline() && !link.isEmpty())
        OpenURL(link.toString(QUrl::FullyEncoded));
}

void TAboutBase::Panel1Click() {
    if (ShownModal)
        accept();
    else
        hide();
}

void TAboutBase::btnOKClick() {
    accept();
}

void TAboutBase::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
    if (!ShownModal && !guardingSplash_) {
        guardingSplash_ = true;
        qApp->installEventFilter(this);
    }
}

void TAboutBase::hideEvent(QHideEvent* event) {
    if (guardingSplash_) {
        guardingSplash_ = false;
        qApp->removeEventFilter(this);
    }
    QDialog::hideEvent(event);
}

void TAboutBase::FormShow() {
    if (OKButton)
        OKButton->setVisible(ShownModal);
    setWindowTitle(ShownModal ? " About" : " Welcome to");
    adjustSize();
    CentreOnScreen();
}

// A message box that opens while the splash stays on top would hide behind
// it: the splash makes way.
bool TAboutBase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched != this && qobject_cast<QDialog*>(watched) &&
        static_cast<QWidget*>(watched)->isWindow())
        hide();
    return QDialog::eventFilter(watched, event);
}

void TAboutBase::CentreOnScreen() {
    const QScreen* screen = owner_ ? owner_->screen() : this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace varnel
