#include "ui/common/ProgressMsg.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace varnel {

namespace {

TfrmProgressMsg*& CurrentInstance() {
    static TfrmProgressMsg* instance = nullptr;
    return instance;
}

} // namespace

TfrmProgressMsg::TfrmProgressMsg(QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("frmProgressMsg");
    setWindowTitle(" Validating...");

    Msg = new QLabel("Msg", this);
    Msg->setObjectName("Msg");
    Msg->setAlignment(Qt::AlignCenter);
    Msg->setFrameShape(QFrame::Panel);
    Msg->setFrameShadow(QFrame::Raised);
    Msg->setFixedHeight(40);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setFixedHeight(24);
    ProgressBar1->setTextVisible(false);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TfrmProgressMsg::Timer1Timer);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Msg);
    layout->addWidget(ProgressBar1);
    setFixedSize(301, 64);

    CurrentInstance() = this;
}

TfrmProgressMsg::~TfrmProgressMsg() {
    if (CurrentInstance() == this)
        CurrentInstance() = nullptr;
}

TfrmProgressMsg* TfrmProgressMsg::Instance() {
    return CurrentInstance();
}

void TfrmProgressMsg::ShowText(const QString& text) {
    Msg->setText(text);
    ProcessMessages();
}

void TfrmProgressMsg::Started() {
    show();
}

void TfrmProgressMsg::SetMaximum(int categories) {
    ProgressBar1->setMaximum(categories);
}

void TfrmProgressMsg::ShowCategory(const std::string& name) {
    ShowText(QString::fromStdString(name));
}

void TfrmProgressMsg::ProcessEvents() {
    ProcessMessages();
}

void TfrmProgressMsg::Finished() {
    hide();
}

void TfrmProgressMsg::ProcessMessages() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmProgressMsg::Timer1Timer() {
    if (!isVisible())
        return;
    ProgressBar1->setValue(std::min(counter_, ProgressBar1->maximum()));
    ++counter_;
    ProcessMessages();
}

void TfrmProgressMsg::showEvent(QShowEvent* event) {
    CenterOnOwner();
    counter_ = 0;
    ProgressBar1->setValue(0);
    Timer1->start();
    QDialog::showEvent(event);
}

void TfrmProgressMsg::hideEvent(QHideEvent* event) {
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TfrmProgressMsg::CenterOnOwner() {
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - rect().center());
}

} // namespace varnel
