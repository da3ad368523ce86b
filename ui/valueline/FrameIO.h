#pragma once

#include "convert/DimRec.h"

#include "units/UnitNotation.h"

#include <QFrame>
#include <QString>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QTableWidget;

namespace varnel {

class TConvert;
class TSingleRichEdit;

// The value line: the one place where the user types the source and reads
// the target, shared by every page. In value mode the user types only the
// number and the pages choose the source units, shown beside it; in edit
// mode the whole quantity is typed in the coloured input line.
class TfmIO : public QFrame {
    Q_OBJECT

public:
    static constexpr int FrameHeight = 70;
    static constexpr int BandHeight = 57;
    static constexpr int SideMargin = 10;
    static constexpr int SignColumnWidth = 26;
    static const QColor EditModeColour;

    explicit TfmIO(QWidget* parent = nullptr);

    // Called once by the main window.
    void Setup();

    QString GetSource() const;
    void SetSource(const QString& text);
    QString GetTarget() const;
    void SetTarget(const QString& text);
    // The target's number at full precision, given after SetTarget by the
    // page that converted it.
    void SetTargetValue(double value);
    // The target's number alone, for a spreadsheet: full precision when the
    // page gave it, otherwise as shown.
    QString TargetNumber() const;
    // True when the target is blank or "[]".
    bool TargetEmpty() const;
    // The source (side 0) or the target (side 1) as a quantity record.
    void GetDim(int side, TDimRec& dim) const;
    void SetDim(int side, const TDimRec& dim);

    bool EditMode() const { return editMode_; }
    // Does nothing while ModeLocked.
    void SetEditMode(bool on);
    bool SwapMark() const { return swapMark_; }
    void SetSwapMark(bool on);

    // The engine whose units the typed quantity is checked against.
    void SetCheckEngine(const TConvert* engine) { checkEngine_ = engine; }
    // Why the typed source cannot be converted, empty when it can. While
    // there is a reason no target is shown and the pages are not told.
    QString InputProblem() const { return problem_; }
    // Shows a reason beside the line; an empty text hides it.
    void ShowProblem(const QString& text);
    // The units typed after "=" in edit mode, handed once to the page that
    // builds the rows after the mode switch.
    QString TakeTypedTarget();
    // Empties the units and keeps the value, so that the next unit picked
    // starts a new quantity.
    void ClearUnits();

    // Asks the log to record the conversion shown (ConversionToLog).
    void LogConversion();

    void FrameResize();
    // The input line, which takes the focus when the window opens.
    QWidget* InputLine() const;
    TSingleRichEdit* SourceLine() const { return reSource; }
    void ClearInputSelection();
    // The text of the grid cell at column col, row row.
    QString Cells(int col, int row) const;

    // The key filter of the input line; true when the key is dropped.
    bool SourceKeyPress(QKeyEvent* event);
    void sgIOMouseUp(Qt::MouseButton button, const QPoint& position);

    bool ModeLocked = false;
    // Set while the frame or the integrated converter rewrites the input
    // line: the change is then not passed on.
    bool Switching = false;

signals:
    // The user changed the source; sender is the input line.
    void SourceChanged(QObject* sender);
    void ModeChanged(TfmIO* frame);
    // A click on the sign cell in value mode.
    void MarkClicked(TfmIO* frame);
    void ConversionToLog();

public slots:
    void piCutClick();
    void piCopyClick();
    void piPasteClick();
    void piCopySourceClick();
    void piCopyTargetClick();
    void piCopyBothClick();
    void piCopyNumberClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateGrid();
    void CreateMenus();
    void SourceEdited();
    void SetCell(int col, int row, const QString& text);
    void ShowSign();
    // The line's background tells a value that is not a number.
    void ShowValueState();
    void SelectUnitsForTyping();
    bool SourceValueBlank() const;
    void UpdateEditMenu();
    // The input line, a decimal comma of the user's locale read as a point.
    QString TypedLine() const;
    // The source as typed, before an expression is worked out.
    QString TypedSource() const;
    void CheckInput();
    // Why the value mode's source cannot be read: the number, else the units.
    std::string ValueModeProblem(const std::string& source) const;
    // The value mode's source as the pages read it, from the typed line and
    // the units cell; the cell is parsed only when it changes.
    std::string ValueModeSource(const QString& line) const;
    void ApplyColours();
    void Copied(const QString& text);

    TSingleRichEdit* reSource = nullptr;
    QTableWidget* sgIO = nullptr;
    QMenu* pmIOEdit = nullptr;
    QAction* piCut = nullptr;
    QAction* piCopy = nullptr;
    QAction* piPaste = nullptr;
    QMenu* pmIOTable = nullptr;
    QAction* piCopySource = nullptr;
    QAction* piCopyTarget = nullptr;
    QAction* piCopyBoth = nullptr;
    QAction* piCopyNumber = nullptr;
    QLabel* lbProblem = nullptr;
    // The value mode's units cell, parsed once per change of the cell rather
    // than at every key of the number: its factors with the abbreviations
    // reverted, and what the checks read in them.
    struct TCellUnits {
        QString Cell;
        int AbbrevGeneration = 0;
        bool Parsed = false;
        std::vector<TUnitRec> Factors;
        TUnitEntries Entries;
        bool EntriesRead = false;
        std::string Problem;
    };
    const TCellUnits& CellUnits() const;
    // The typed line can be read with the parsed cell: it holds no bracket
    // of its own.
    bool UsesCellUnits() const;

    mutable TCellUnits cellUnits_;
    const TConvert* checkEngine_ = nullptr;
    QString problem_;
    QString typedTarget_;
    double targetValue_ = 0;
    bool hasTargetValue_ = false;
    bool editMode_ = false;
    bool swapMark_ = false;
};

} // namespace varnel
