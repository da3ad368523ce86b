#include "ui/converter/FrameIO.h"

#include "ui/common/ErrorGuard.h"
#include "ui/common/Hints.h"
#include "ui/converter/UnitModule.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace varnel {

TfmIO::TfmIO(QWidget* parent) : QFrame(parent) {
    setObjectName("fmIO");
}

void TfmIO::Setup() {
    QFont lineFont = font();
    lineFont.setPixelSize(17);

    reSource = new QLineEdit(this);
    reSource->setObjectName("reSource");
    reSource->setFont(lineFont);
    reSource->setText(" ");
    SetHint(reSource, "Value in source units");
    connect(reSource, &QLineEdit::textChanged, this, ShowingErrors([this] { SourceEdited(); }));

    lbSign = new QLabel(" =", this);
    lbSign->setObjectName("lbSign");
    lbSign->setFont(lineFont);
    lbSwapMark = new QLabel(this);
    lbSwapMark->setObjectName("lbSwapMark");
    lbSwapMark->setAlignment(Qt::AlignCenter);
    auto* sourceHeader = new QLabel(" Source", this);
    auto* targetHeader = new QLabel(" Target", this);

    eTarget = new QLineEdit(this);
    eTarget->setObjectName("eTarget");
    eTarget->setFont(lineFont);
    eTarget->setReadOnly(true);
    eTarget->setFocusPolicy(Qt::ClickFocus);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->setVerticalSpacing(0);
    layout->addWidget(sourceHeader, 0, 0);
    layout->addWidget(lbSwapMark, 0, 1);
    layout->addWidget(targetHeader, 0, 2);
    layout->addWidget(reSource, 1, 0);
    layout->addWidget(lbSign, 1, 1);
    layout->addWidget(eTarget, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->setColumnMinimumWidth(1, 26);
    setFixedHeight(70);
}

QString TfmIO::GetSource() const {
    return reSource->text();
}

void TfmIO::SetSource(const QString& text) {
    reSource->setText(text);
}

QString TfmIO::GetTarget() const {
    return eTarget->text();
}

void TfmIO::SetTarget(const QString& text) {
    eTarget->setText(text.trimmed() == "[]" ? QString() : text);
    eTarget->setCursorPosition(0);
}

bool TfmIO::TargetEmpty() const {
    const QString target = GetTarget().trimmed();
    return target.isEmpty() || target == "[]";
}

void TfmIO::GetDim(int side, TDimRec& dim) const {
    StrToDimRec((side == 0 ? GetSource() : GetTarget()).toStdString(), dim);
}

void TfmIO::SetDim(int side, const TDimRec& dim) {
    const QString text = QString::fromStdString(DimRecToText(dim));
    if (side == 0)
        SetSource(text);
    else
        SetTarget(text);
}

void TfmIO::SetEditMode(bool on) {
    if (ModeLocked || on == editMode_)
        return;
    Switching = true;
    editMode_ = on;
    Switching = false;
    FrameResize();
    if (OnModeChange)
        OnModeChange(this);
}

void TfmIO::SetSwapMark(bool on) {
    swapMark_ = on;
    lbSwapMark->setText(on ? "<-" : "");
}

void TfmIO::LogConversion() {
    if (log_)
        log_->Refresh();
}

void TfmIO::FrameResize() {
    updateGeometry();
}

QWidget* TfmIO::InputLine() const {
    return reSource;
}

void TfmIO::ClearInputSelection() {
    if (reSource->hasSelectedText())
        reSource->deselect();
}

void TfmIO::SourceEdited() {
    FrameResize();
    if (Switching)
        return;
    if (OnSourceChange)
        OnSourceChange(reSource);
}

} // namespace varnel
