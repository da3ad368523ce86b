#pragma once

#include "units/UnitsData.h"

#include <QStringList>
#include <QWidget>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;
class QToolButton;

namespace varnel {

// The unit form (page tsUnit): shows one unit element of a category and
// writes the whole form back into it. It keeps no handle on the elements.
class TfmUnitForm : public QWidget {
    Q_OBJECT

public:
    // Pages of pcUnitType in UnitTypes order; NoPage when none is shown.
    enum TPage { CorePage = 0, FactorPage = 1, RulePage = 2, NoPage = 3 };

    explicit TfmUnitForm(QWidget* parent = nullptr);

    // The `description` keywords, offered as check marks.
    void SetKeywords(const QStringList& keywords);
    void ShowUnit(const TXMLUnitType& unit, const TXMLCategoryType& category);
    void StoreUnit(const TXMLUnitType& unit);
    bool Loading() const { return loading_; }
    int ShownPage() const;
    QString UnitName() const;

signals:
    // A field other than the type was changed by the user.
    void Changed();
    // The user chose another type.
    void TypeChanged();
    void SearchRequested();

private:
    void CreateConversionPages();
    void cbUnitTypeChange();
    void ApplyType();
    void FieldChanged();
    void ClearConversionFields();
    void LayOutKeywords();

    QCheckBox* chkUnitEnabled;
    QComboBox* cbUnitType;
    QLineEdit* eUnitName;
    QToolButton* sbSearch4Unit;
    QLabel* lbUnitSymbol;
    QLineEdit* eUnitSymbol;
    QListWidget* chkKeywords;
    QLineEdit* eUnitComment;
    QStackedWidget* pcUnitType;
    QLineEdit* eInBaseUnits;
    QLineEdit* meFactor;
    QLineEdit* eRule_From;
    QLineEdit* eRule_To;
    std::string categoryType_;
    bool loading_ = false;
};

} // namespace varnel
