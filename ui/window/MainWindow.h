#pragma once

#include "ui/pages/PageKind.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QWidget;

namespace varnel {

class TAboutUC;
class TClickLabel;
class TConvert;
class TfmAllUnits;
class TfmBase;
class TfmIO;
class TfmIntegConv;
class TfmSimple;
class TfmUnitLog;
class TfmUnitModule;
class TfmUnitOptions;
class TfrmOptCont;
class TfrmProgressMsg;
class TfrmUnitEdit;
class TTrayIcon;
class TXmlDocument;

// When the All Units and Base pages are made: with the window, or when first
// entered, which spares a start-up the pages it does not show.
enum class TPageBuilding { WithWindow, WhenEntered };

// The converter's main window: the value line above five pages (or, in the
// integrated mode, one combined view), the button strip and the status bar.
// It owns the two conversion engines that every page refers to.
class TfrmUnitsConvert : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int MinimumWidth = 410;
    static constexpr int MinimumHeight = 250;

    explicit TfrmUnitsConvert(QWidget* parent = nullptr,
                              TPageBuilding building = TPageBuilding::WithWindow);
    ~TfrmUnitsConvert() override;

    // False when the units data could not be loaded: the program then ends.
    bool UnitsLoaded() const { return unitsLoaded_; }

    std::string UnitsDataPath();
    // Reloads both engines from a file; a missing or empty file fails with
    // "Wrong filename - " + path and leaves the engines as they were.
    void ReloadUnits(const std::string& path);
    bool IsMultiTab();
    void ApplyMode();
    // Validates the loaded units data for every "-vld" among the arguments.
    void ValidateOnRequest(const QStringList& arguments);

    TfmIO* IO() const { return fmIO; }
    TfmIntegConv* IntegConv() const { return fmIntegConv; }
    TConvert* SourceEngine() const { return iCnv.get(); }
    TConvert* TargetEngine() const { return oCnv.get(); }
    // The page at index, made now if it waited for its first entry.
    TfmUnitModule* Pages(int index);
    TfmUnitOptions* Options() const { return fmUnitOptions; }
    TfrmOptCont* OptionsWindow() const { return frmOptCont; }
    // Made when first needed: most sessions never open it.
    TfrmUnitEdit* UnitEditor();
    TAboutUC* AboutBox() const { return AboutUC; }
    TTrayIcon* TrayIcon() const { return TrayIcon1; }
    int PrevPageIndex = 0;

public slots:
    void PageControl1Changing();
    void PageControl1Change(QObject* sender);
    void btnCopyClick();
    void btnHideClick();
    void btnOptAloneClick();
    void btnHelp2Click();
    void imgAbout1Click();
    // A second start of the program: restored and brought to the front.
    void WakeUp();

signals:
    // Emitted once, after the window was first shown.
    void FirstShown();
    // The window was closed and has written its size.
    void Closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void FormCreate();
    void CreateAboutBox();
    void CreatePages();
    void PlacePage(int index, TfmUnitModule* page, const char* name);
    void CreateDeferredPage(int index);
    void CreateButtonStrip();
    void SetupConverter();
    void FillUnitSymbols();
    void LoadPages();
    void LoadPage(TfmUnitModule* page);
    void LoadPageOnEntry(int index);
    void LoadEngines(const std::string& text);
    std::string LoadUnitsAtStart(const std::string& path);
    void SetActivePage(int index);
    // The one receiver of the value line's source changes; empty for none.
    void BindSource(std::function<void(QObject* sender)> receiver);
    void UpdateTabOrder();
    QList<QWidget*> TabChain() const;

public:
    bool SourceBound() const { return static_cast<bool>(sourceBinding_); }

private:
    void LayOutMultiTab();
    void LayOutIntegrated();
    void ShowStatusHint(const QString& longHint);
    bool FormKeyDown(int key);
    bool FormKeyUp(int key);
    void FormClose();
    void RestoreWindowSize();
    void FitToScreen();

    std::unique_ptr<TConvert> iCnv;
    std::unique_ptr<TConvert> oCnv;
    // What the engines read; kept to go back to when another file fails.
    std::shared_ptr<TXmlDocument> loadedDocument_;
    bool unitsLoaded_ = false;
    TPageBuilding pageBuilding_;
    bool shown_ = false;
    bool closing_ = false;
    int activePage_ = 0;
    QMetaObject::Connection sourceBinding_;

    TfmIO* fmIO = nullptr;
    TfmIntegConv* fmIntegConv = nullptr;
    QTabWidget* PageControl1 = nullptr;
    std::array<QWidget*, PageCount> tabSheets_{};
    TfmSimple* fmSimple = nullptr;
    TfmAllUnits* fmAllUnits1 = nullptr;
    TfmBase* fmBase = nullptr;
    TfmAllUnits* fmCompose1 = nullptr;
    TfmUnitLog* fmUnitLog = nullptr;
    std::array<TfmUnitModule*, PageCount> pages_{};
    // Filled when first entered rather than at start.
    bool allUnitsPending_ = false;
    QWidget* pnlApplication = nullptr;
    TClickLabel* imgAbout2 = nullptr;
    QPushButton* btnOptAlone = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnHide = nullptr;
    QPushButton* btnHelp1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    TfmUnitOptions* fmUnitOptions = nullptr;
    TfrmOptCont* frmOptCont = nullptr;
    TfrmProgressMsg* frmProgressMsg = nullptr;
    TfrmUnitEdit* frmUnitEdit = nullptr;
    TAboutUC* AboutUC = nullptr;
    TTrayIcon* TrayIcon1 = nullptr;
};

} // namespace varnel
