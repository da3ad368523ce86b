#pragma once

#include "units/NodeClipboard.h"
#include "units/UnitsData.h"
#include "units/Validation.h"

#include <QDialog>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;
class QTreeWidgetItem;

namespace varnel {

class TEditorTree;
class TXmlDocument;
class TXmlTextEdit;
class TfmCategoryForm;
class TfmUnitForm;

// The units data editor: a tree of domains, categories and units with a form
// for the selected item, and the XML text of the file. It edits its own
// parsed copy of a units data file and writes the file on Done or Save As.
class TfrmUnitEdit : public QDialog {
    Q_OBJECT

public:
    explicit TfrmUnitEdit(QWidget* parent = nullptr);
    ~TfrmUnitEdit() override;

    // Opens a file and, unless the window is already shown, shows it
    // modally: true exactly when the user ended it with Done. A missing file
    // raises Exception "No unit file. " + path.
    bool OpenUnitsFile(const std::filesystem::path& path);

    std::filesystem::path FileName;

    // The document as edited; a binding without element before the first
    // file was opened.
    TXMLUnitsDataType EditRoot() const { return editRoot_; }
    const TValidationErrors& Errors() const { return errors_; }
    bool Modified() const { return modified_; }
    bool TreePageActive() const;
    TEditorTree* Tree() const { return Tree1; }

public slots:
    void tbOpenClick();
    void tbSaveClick();
    void tbValidationClick();
    void tbDoneClick();
    void tbCancelClick();
    void tbHelpClick();
    void tbAddClick();
    void tbDeleteClick();
    void tbUpClick(bool down);
    void tbCutClick();
    void tbCopyClick();
    void tbPasteClick();
    void tbExpandClick(bool expand);
    void lbErrorsDblClick(int index);

protected:
    void reject() override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    QToolBar* CreateMainToolBar();
    QWidget* CreateTreePage();
    QToolBar* CreateNodeToolBar();
    QToolButton* ToolButton(QToolBar* bar, const char* name, const QString& caption,
                            const QString& hint);

    // Parses, binds and builds the tree for a text into a new document; only
    // when all of it succeeded does the editor take it. False, with the
    // message shown, when the text is refused.
    bool LoadTree(const std::string& text);
    void ClearForms();
    void SelectFirstCategory();
    bool AskDiscardChanges();
    void SetModified();

    void PageControl1Change(int index);
    bool LeaveTextPage();
    void ShowTextOfDocument();
    // When the text page is active, its text becomes the document first;
    // false when it is refused.
    bool TakeTextPage();
    bool ValidForSaving();
    void WriteUnitsFile(const std::filesystem::path& file);
    void SetCaption(const QString& caption);
    void SetInitialSize();

    void Tree1SelectShape(QTreeWidgetItem* node);
    void Tree1UnSelectShape();
    void Tree1SelectionChanged();
    void Tree1MouseEnterShape(QTreeWidgetItem* node);
    void SetNodeButtons(QTreeWidgetItem* node);
    void chkCatEnabledClick();
    void chkUnitEnabledClick();
    void cbUnitTypeChange();
    void ShowErrors();
    bool IsMarked(const TXMLElement& element) const;
    const std::string* ErrorOf(const TXMLElement& element) const;
    void RestyleNode(QTreeWidgetItem* node);
    // Drops everything that refers into the element before it is removed.
    void ForgetElement(const TXMLElement& element);
    void RemoveNode(QTreeWidgetItem* node);
    void SelectNode(QTreeWidgetItem* node);
    QTreeWidgetItem* SelectedNode() const;

    std::unique_ptr<TXmlDocument> document_;
    TXMLUnitsDataType editRoot_;
    TValidationErrors errors_;
    TNodeClipboard clip_;
    TXMLCategoryType currentCategory_;
    TXMLUnitType currentUnit_;
    bool modified_ = false;
    bool switchingPage_ = false;
    int activePage_ = 0;
    std::set<std::filesystem::path> backedUp_;

    QToolBar* ToolBar1;
    QToolButton* tbOpen;
    QToolButton* tbSave;
    QToolButton* tbFilter;
    QToolButton* tbValidation;
    QToolButton* tbDone;
    QToolButton* tbCancel;
    QToolButton* tbHelp;
    QTabWidget* PageControl1;
    QWidget* tsEditor;
    QWidget* tsXML;
    QToolBar* ToolBar2;
    QToolButton* tbAdd;
    QToolButton* tbDelete;
    QToolButton* tbUp;
    QToolButton* tbDown;
    QToolButton* tbCut;
    QToolButton* tbCopy;
    QToolButton* tbPaste;
    QToolButton* tbExpand;
    QToolButton* tbCollapse;
    TEditorTree* Tree1;
    QWidget* pnlErrors;
    QListWidget* lbErrors;
    QStackedWidget* pcSubEditor;
    TfmCategoryForm* tsCaterogy;
    TfmUnitForm* tsUnit;
    QWidget* tsFilter;
    QWidget* tsNone;
    TXmlTextEdit* SynEdit1;
    QStatusBar* StatusBar1;
    QSplitter* treeSplit_;
};

} // namespace varnel
