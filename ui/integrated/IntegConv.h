#pragma once

#include "ui/pages/DomainButtons.h"
#include "units/UnitsData.h"

#include <QFrame>
#include <QString>

#include <memory>

class QLabel;
class QSplitter;
class QTabWidget;
class QToolBar;
class QToolButton;
class QTreeWidgetItem;
class QVBoxLayout;

namespace varnel {

class TConvert;
class TCategoryTree;
class TfmIO;
class TfmSimple;
class TUnitSearchEdit;

// The integrated converter: the simplified single view. The value line at the
// top left, the Simple page's rows below it, and on the right a tree of unit
// categories to build the source units from, beside the Log page. It converts
// nothing itself: the Simple page does, this view wires the pieces together.
class TfmIntegConv : public QFrame {
    Q_OBJECT

public:
    static constexpr double DefaultPageRatio = 0.41;
    static constexpr int MinimumPageWidth = 180;

    explicit TfmIntegConv(QWidget* parent = nullptr);

    // The main window's value line, engines and Simple page, referred to only.
    void SetParts(TfmIO* io, TConvert* sourceEngine, TConvert* targetEngine, TfmSimple* simple);

    // Where the main window places the shared frames in this mode.
    void PlaceValueLine(QWidget* frame);
    void PlaceSimple(QWidget* frame);
    void PlaceLog(QWidget* frame);

    // Listens to the value line's mode and rebuilds the tree from the units
    // data; after every layout in this mode and every reload.
    void SetupView();
    // What the main window passes on while this view shows.
    void SourceChanged(QObject* sender);
    bool ModeChangeBound() const { return static_cast<bool>(modeBinding_); }
    // A category reads with the symbol of its core unit: what picking it adds.
    static QString CategoryText(const TXMLCategoryType& category);
    // Shows text as the source and converts it through the Simple rows.
    void ShowSource(const QString& text);
    // The value line changed its mode, or the log put a new source into it.
    void ModeChanged(TfmIO* sender);

    // The right part's share of the width.
    double PageRatio = DefaultPageRatio;

public slots:
    void DomainClick(QToolButton* button);
    void tbEditModeClick();
    // " Numer.", " Denom." and a double-click on a category: its core unit
    // joins the source (and, in value mode, the target).
    void tbNomerClick(QObject* sender);
    void Tree1SelectShape(QTreeWidgetItem* node);
    // Enter in the search field: the chosen match is added as on a
    // double-click.
    void edSearchEnter();
    void Tree1UnSelectShape();
    // The category under the mouse is described in the status bar.
    void Tree1MouseEnterShape(QTreeWidgetItem* node);
    void FrameResize();
    void Splitter1Moved();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateLeftPanel();
    void CreateRightPanel();
    QToolButton* AddToolButton(const char* name, const QString& caption, const QString& hint);
    void FillTree();
    void EnableComposing(QTreeWidgetItem* node);
    // Adds units (symbols as written in brackets) to the source and, in
    // value mode, to the target, then converts.
    void AddUnits(const std::string& units, int sign);
    std::string SearchedSymbol(const TXMLCategoryType& category) const;
    QTreeWidgetItem* SelectedNode() const;
    // A short guide in place of the Simple page while it has no rows.
    void ShowGuideIfNoRows();
    // Writes the source without telling the Simple page.
    void WriteSourceQuietly(const QString& text);

    TfmIO* IO = nullptr;
    TConvert* iCnv = nullptr;
    TConvert* oCnv = nullptr;
    TfmSimple* Simple = nullptr;

    QSplitter* Splitter1 = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* pnlIO = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* lbGuide = nullptr;
    QVBoxLayout* simpleLayout_ = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* tsCategories = nullptr;
    QWidget* tsILog = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolButton* tbEditMode = nullptr;
    QToolButton* tbNomer = nullptr;
    QToolButton* tbDenomin = nullptr;
    QWidget* tbarDomains = nullptr;
    std::unique_ptr<TDomainButtons> domainButtons_;
    TUnitSearchEdit* edSearch = nullptr;
    TCategoryTree* Tree1 = nullptr;
    bool resizing_ = false;
    QMetaObject::Connection modeBinding_;
};

} // namespace varnel
