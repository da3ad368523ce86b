#pragma once

#include <QFrame>

#include <functional>

class QComboBox;
class QKeyEvent;
class QLabel;
class QToolButton;

namespace varnel {

class TDim;

// One row of the Simple page: a factor of the source with its category, a
// list of source units, a list of target units and its degree. The factor
// belongs to the source engine; the row only refers to it.
class TfmSimpleOne : public QFrame {
    Q_OBJECT

public:
    static constexpr int RowHeight = 45;
    static constexpr int MaxDegree = 9;

    TfmSimpleOne(QWidget* owner, TDim* dim, bool showSI);

    TDim* Dim;
    bool ShowSI() const { return showSI_; }
    std::function<void(TfmSimpleOne* row)> OnSourceUnitChange;
    std::function<void(TfmSimpleOne* row)> OnTargetUnitChange;
    // The user has settled on a unit: a pick from the open list, or the end
    // of stepping through the closed one (Enter, the focus or the mouse
    // leaving it). Each step converts; only the settled unit is recorded.
    std::function<void(TfmSimpleOne* row)> OnUnitSettled;

    // Builds the row's texts and lists from its factor.
    void Fill();
    // The unit number of the entry shown in the list, or -1: below the
    // category's unit count a unit of the category, from there on a unit of
    // its supplemental category.
    int SourceUnitIndex();
    int TargetUnitIndex();
    void SetTargetUnit(int number);
    void SetShowSI(bool on);
    // The "x" towards the next row of the same panel.
    void SetTimesSignVisible(bool on);

public slots:
    void cbInUnitChange();
    void cbOutUnitChange();
    void sbSI_SourceClick();
    void sbSI_TargetClick();
    void sbDegreeUpClick();
    void sbDegreeDownClick();
    void FrameResize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QComboBox* NewUnitList(QWidget* parent, const char* name);
    void FillList(QComboBox* list);
    void ShowCategory();
    int UnitIndexOf(QComboBox* list);
    void SelectUnit(QComboBox* list, int number);
    void StepDegree(int step);
    void UnitChosen();
    void Settle();
    bool ListKeyPress(QComboBox* list, QKeyEvent* key);

    bool showSI_;
    QLabel* pnlCat = nullptr;
    QLabel* sttPlus = nullptr;
    QLabel* sttL2 = nullptr;
    QFrame* pnlSource = nullptr;
    QComboBox* cbInUnit = nullptr;
    QToolButton* sbSI_Source = nullptr;
    QLabel* pnlDoubleArrow = nullptr;
    QFrame* pnlTarget = nullptr;
    QComboBox* cbOutUnit = nullptr;
    QToolButton* sbSI_Target = nullptr;
    QFrame* pnlDegree = nullptr;
    QLabel* lbDegree = nullptr;
    QLabel* lbX = nullptr;
    QWidget* sbDegree = nullptr;
    QToolButton* sbDegreeUp = nullptr;
    QToolButton* sbDegreeDown = nullptr;
    QFrame* Shape1 = nullptr;
    // The category's texts in full; the labels show them cut to their width.
    QString catText_;
    QString plusText_;
    QString l2Text_;
    // Set while a closed list takes an arrow key or a wheel turn.
    bool listStepping_ = false;
    bool unsettled_ = false;
};

} // namespace varnel
