#include "ui/options/OptGeneral.h"

#include <QLabel>
#include <QVBoxLayout>

namespace varnel {

TfmOptGeneral::TfmOptGeneral(QWidget* parent) : QFrame(parent) {
    stCaption = new QLabel("Options", this);
    stCaption->setObjectName("stCaption");
    stCaption->setAutoFillBackground(true);
    stCaption->setBackgroundRole(QPalette::Dark);
    stCaption->setForegroundRole(QPalette::BrightText);
    stCaption->setContentsMargins(6, 3, 6, 3);
    QFont bold = stCaption->font();
    bold.setBold(true);
    stCaption->setFont(bold);

    content_ = new QVBoxLayout(this);
    content_->setContentsMargins(8, 8, 8, 8);
    content_->addWidget(stCaption);
}

} // namespace varnel
