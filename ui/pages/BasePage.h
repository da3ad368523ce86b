#pragma once

#include "convert/DimRec.h"
#include "ui/pages/UnitModule.h"

#include <QStringList>

#include <optional>

class QLabel;
class QSplitter;
class QToolBar;
class QToolButton;

namespace varnel {

class TBasePageGrid;

// The Base page: the source rewritten in base units, with chosen units folded
// back in. Replaced units are source units shown by their decomposition;
// included units stand in the target in place of the base units they are
// made of.
class TfmBase : public TfmUnitModule {
    Q_OBJECT

public:
    explicit TfmBase(QWidget* parent = nullptr);

    void LoadUnits() override;
    void PageSwitch(TPageKind oldKind, TPageKind newKind) override;
    // Brings the source to core units and lists the units it replaces; the
    // included units start empty.
    void Refresh() override;
    void SourceChanged(QObject* sender) override;
    // The page stops answering clicks on the value line's sign cell.
    void ReleaseMarkClick();
    bool MarkClickBound() const { return static_cast<bool>(markClick_); }

    // One "symbol=decomposition" line per core unit with a base-unit
    // decomposition, in load order.
    QStringList BaseList;
    // The left panel's share of the page width.
    double SplitRatio = 0.5;

public slots:
    // " Numerator", " Denominator " and a double-click on the list of all
    // units include the chosen unit, once more or once less.
    void tbNominClick(QObject* sender);
    // Delete on either upper grid.
    void sgIncludedUnitsKeyUp(QObject* sender, int key);
    void Splitter1Moved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreatePanels();
    QWidget* CreateLeftPanel();
    QWidget* CreateRightPanel();
    void FrameResize();
    void FitToolBar();
    std::optional<QString> Decomposition(const QString& symbol) const;
    void ListReplacedUnits();
    TDimRec SourceInBaseUnits(const TDimRec& source) const;
    TDimRec WithIncludedUnits(TDimRec target) const;
    int ReplacedRowOf(const std::string& symbol) const;
    int IncludedRowOf(const QString& symbol) const;
    int FirstFreeIncludedRow() const;

    QSplitter* Splitter1 = nullptr;
    QWidget* Panel5 = nullptr;
    QLabel* StaticText3 = nullptr;
    TBasePageGrid* sgReplacedUnits = nullptr;
    QLabel* sttLeft = nullptr;
    TBasePageGrid* sgIncludedUnits = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton* tbNomin = nullptr;
    QToolButton* tbDenomin = nullptr;
    QLabel* StaticText2 = nullptr;
    TBasePageGrid* sgAllBaseUnits = nullptr;
    int toolBarWidthWithCaptions_ = 0;
    bool toolIconsSet_ = false;
    QMetaObject::Connection markClick_;
};

} // namespace varnel
