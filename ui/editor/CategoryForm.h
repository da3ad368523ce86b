#pragma once

#include "units/UnitsData.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace varnel {

// The category form (page tsCaterogy): shows one category element and
// writes the whole form back into it. It keeps no handle on the element.
class TfmCategoryForm : public QWidget {
    Q_OBJECT

public:
    explicit TfmCategoryForm(QWidget* parent = nullptr);

    void ShowCategory(const TXMLCategoryType& category);
    void StoreCategory(const TXMLCategoryType& category);
    bool Loading() const { return loading_; }
    QString CategoryName() const;

signals:
    // A field was changed by the user (never while the form is filled).
    void Changed();
    void SearchRequested();

private:
    void FieldChanged();

    QCheckBox* chkCatEnabled;
    QComboBox* cbCatType;
    QLineEdit* eCatName;
    QToolButton* sbSearch4Cat;
    QLineEdit* eCatComment;
    bool loading_ = false;
};

} // namespace varnel
