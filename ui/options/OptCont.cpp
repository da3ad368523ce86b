#include "ui/options/OptCont.h"

#include "common/HelpTopics.h"
#include "ui/common/HelpViewer.h"
#include "ui/options/OptGeneral.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace varnel {

TfrmOptCont::TfrmOptCont(QWidget* parent) : QDialog(parent) {
    setObjectName("frmOptCont");
    setWindowTitle("Varnel Units Converter Options");
    // Window-modal, so that the help window stays usable beside it.
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);

    pnlAttached = new QWidget(this);
    pnlAttached->setObjectName("pnlAttached");
    btnOK = new QPushButton(" OK", pnlAttached);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton("Cancel", pnlAttached);
    btnCancel->setObjectName("btnCancel");
    btnHelp = new QPushButton("Help", pnlAttached);
    btnHelp->setObjectName("btnHelp");
    connect(btnOK, &QPushButton::clicked, this, &TfrmOptCont::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmOptCont::btnCancelClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmOptCont::btnHelpClick);

    auto* buttons = new QHBoxLayout(pnlAttached);
    buttons->setContentsMargins(8, 4, 8, 8);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);

    frameArea_ = new QVBoxLayout;
    frameArea_->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(frameArea_, 1);
    layout->addWidget(pnlAttached);
}

void TfrmOptCont::PlaceFrame(TfmOptGeneral* frame) {
    if (frame->parentWidget() != this) {
        frame->setParent(this);
        frameArea_->addWidget(frame);
    }
    frame->show();
    adjustSize();
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - rect().center());
}

bool TfrmOptCont::ShowOptions(TfmOptGeneral* frame) {
    PlaceFrame(frame);
    frame->LoadOptions();
    const bool confirmed = exec() == QDialog::Accepted;
    if (confirmed)
        frame->SaveOptions();
    else
        frame->LoadOptions();
    return confirmed;
}

void TfrmOptCont::btnOKClick() {
    accept();
}

void TfrmOptCont::btnCancelClick() {
    reject();
}

void TfrmOptCont::btnHelpClick() {
    ShowHelpTopic(HelpTopic::Options);
}

} // namespace varnel
