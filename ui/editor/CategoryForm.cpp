#include "ui/editor/CategoryForm.h"

#include "common/TextUtil.h"
#include "ui/common/Hints.h"
#include "ui/common/StdText.h"
#include "ui/editor/EditorLook.h"
#include "units/UnitsDataOps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace varnel {

TfmCategoryForm::TfmCategoryForm(QWidget* parent) : QWidget(parent) {
    setObjectName("tsCaterogy");
    chkCatEnabled = new QCheckBox("Enabled", this);
    chkCatEnabled->setObjectName("chkCatEnabled");
    cbCatType = new QComboBox(this);
    cbCatType->setObjectName("cbCatType");
    cbCatType->addItems({"root dimension", "supplemental dimension", "compound dimension"});
    cbCatType->setCurrentIndex(-1);
    eCatName = new QLineEdit(this);
    eCatName->setObjectName("eCatName");
    sbSearch4Cat = SearchButton(this, "sbSearch4Cat");
    eCatComment = new QLineEdit(this);
    eCatComment->setObjectName("eCatComment");

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(eCatName, 1);
    nameRow->addWidget(sbSearch4Cat);
    auto* fields = new QFormLayout;
    fields->addRow(chkCatEnabled);
    fields->addRow("Type", cbCatType);
    fields->addRow("Category Name", nameRow);
    fields->addRow("Comment", eCatComment);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading(this, "C a t e g o r y"));
    layout->addLayout(fields);
    layout->addStretch();

    connect(chkCatEnabled, &QCheckBox::toggled, this, &TfmCategoryForm::FieldChanged);
    connect(cbCatType, &QComboBox::currentIndexChanged, this, &TfmCategoryForm::FieldChanged);
    connect(eCatName, &QLineEdit::textEdited, this, &TfmCategoryForm::FieldChanged);
    connect(eCatComment, &QLineEdit::textEdited, this, &TfmCategoryForm::FieldChanged);
    connect(sbSearch4Cat, &QToolButton::clicked, this, &TfmCategoryForm::SearchRequested);
}

void TfmCategoryForm::FieldChanged() {
    if (!loading_)
        emit Changed();
}

QString TfmCategoryForm::CategoryName() const {
    return eCatName->text();
}

void TfmCategoryForm::ShowCategory(const TXMLCategoryType& category) {
    loading_ = true;
    cbCatType->setCurrentIndex(IndexOfText(category.Type(), CatTypes));
    chkCatEnabled->setChecked(category.Enabled() == 1);
    eCatName->setText(Text(category.Name()));
    eCatComment->setText(Text(XmlUnescape(category.Comment())));
    loading_ = false;
}

void TfmCategoryForm::StoreCategory(const TXMLCategoryType& category) {
    const int type = std::clamp(cbCatType->currentIndex(), 0, 2);
    loading_ = true;
    cbCatType->setCurrentIndex(type);
    loading_ = false;
    category.SetEnabled(chkCatEnabled->isChecked() ? 1 : 0);
    category.SetType(CatTypes[static_cast<size_t>(type)]);
    category.SetName(StdText(eCatName->text()));
    category.SetComment(XmlEscape(StdText(eCatComment->text())));
}

} // namespace varnel
