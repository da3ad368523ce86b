#pragma once

#include "ui/pages/DomainButtons.h"
#include "ui/pages/UnitModule.h"

#include <QList>
#include <QString>

#include <memory>

class QFrame;
class QGroupBox;
class QSplitter;
class QToolButton;
class QTreeWidgetItem;

namespace varnel {

class TCat;
class TCategoryTree;
class TUnitGrid;
class TUnitSearchEdit;

// The All Units page (categories in a tree, a unit converted to every unit of
// its category) and, in compose mode, the Edit page (units of the tree added
// to the source's numerator or denominator).
class TfmAllUnits : public TfmUnitModule {
    Q_OBJECT

public:
    // A row argument of ShowConversion that stands for the selected row.
    static constexpr int SelectedRow = -1;

    explicit TfmAllUnits(QWidget* parent = nullptr);

    void LoadUnits() override;
    void PageSwitch(TPageKind oldKind, TPageKind newKind) override;
    void Refresh() override;
    void SourceChanged(QObject* sender) override;

    void SetComposeMode(bool on);
    bool ComposeMode() const { return composeMode_; }
    // Converts the value into the units of the given rows; a row outside a
    // list stands for the row selected there. Nothing in compose mode or
    // while Busy.
    void ShowConversion(int srcRow, int trgRow);

    bool Busy() const { return busy_; }
    double TreeRatio() const { return treeRatio_; }
    const QString& CatName() const { return catName_; }
    const QString& UnitName() const { return unitName_; }

public slots:
    void Tree1SelectShape(QTreeWidgetItem* node);
    void Tree1UnSelectShape();
    void Tree1MouseEnterShape(QTreeWidgetItem* node);
    void tbarDomainsClick(QToolButton* button);
    void sgSourceSelectCell(int row);
    void sgTargetSelectCell(int row);
    void sgSourceDblClick(QObject* sender);
    void sbSearch4CatClick();
    void sbSearch4UnitClick();
    void Splitter1Moved();
    // Enter in the search field: the match is chosen and, on the Edit page,
    // added as on a double-click.
    void edSearchEnter();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateTreePanel();
    void CreateDimentionsPanel();
    QToolButton* AddToolButton(QWidget* bar, const char* name, const QString& caption,
                               const QString& hint);
    void FillTree();
    void FrameResize();
    void pnlDimentionsResize();
    void EditPageSwitch(TPageKind oldKind, TPageKind newKind);
    void SelectNode(QTreeWidgetItem* node);
    // Lists the units of a category node in both grids.
    void ShowCategory(QTreeWidgetItem* node);
    void FilterUnitRows();
    const TCat* EngineCategory(QTreeWidgetItem* node) const;
    void ConvertRows(int srcRow, int trgRow);
    void Compose(int row, int sign);

    QSplitter* Splitter1;
    QWidget* pnlTree;
    QWidget* tbarDomains;
    QToolButton* sbSearch4Cat;
    std::unique_ptr<TDomainButtons> domainButtons_;
    TUnitSearchEdit* edSearch;
    TCategoryTree* Tree1;
    QWidget* pnlDimentions;
    QGroupBox* gbSource;
    QWidget* tbarDegree;
    QToolButton* tbNomer;
    QToolButton* tbDenomin;
    QToolButton* sbSearch4Unit;
    TUnitGrid* sgSource;
    QGroupBox* gbTarget;
    TUnitGrid* sgTarget;

    const TCat* listedCat_ = nullptr;
    double treeRatio_ = 0.5;
    bool composeMode_ = false;
    bool busy_ = false;
    QString catName_;
    QString unitName_;
};

} // namespace varnel
