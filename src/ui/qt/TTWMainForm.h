#pragma once

#include "settings/PlaceableWindow.h"
#include "settings/RAppReg.h"
#include "ui/MainFormSettings.h"
#include "ui/PrecomputedPlane.h"
#include "ui/RColorEditor.h"
#include "ui/RColorEditorView.h"
#include "ui/SamplingSession.h"

#include <QWidget>

#include <future>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class RDesktopCopy;
class TBigScreenDlg;
class TOutputPanes;
struct ROutputCopy;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RPortalColorPicker;
class RShape;
class RSwatchImage;
class RUpDown;

// The main window: one colour shown as a swatch, in RGB and HSL boxes, as a
// name, as hex text in a chosen notation, and in the hue/saturation plane
// and luminance bar. The editing logic is the headless RColorEditor; this
// form gives it the controls; the settings steps and the sampling session
// are the core's too.
class RColorClipboard;
class RSwatchMenu;
enum class RFormCommand;

class TTWMainForm : public QWidget, public RColorEditorView, public RMainFormView, public RPlaceableWindow
{
    Q_OBJECT
public:
    explicit TTWMainForm(QWidget* parent = nullptr);
    ~TTWMainForm() override;

    // The saving steps of a close; run once, by the first of a close, the end
    // of the desktop session or the end of the event loop.
    void SaveSettings();

    // Takes the low three bytes of color and brings every view up to date:
    // the way a sampled pixel enters.
    void ApplyColor(ColorValue color) { TheEditor.ApplyColor(color); }
    const RColor& CurrentColor() const { return TheEditor.Color(); }
    // Starts screen sampling: copies the screen and shows the copy.
    void MouseSelectSBtnClick();
    // Sampling has ended, however the sampling window was hidden.
    void EndMouseSelect();
    // The desktop's picker has answered; explanation, when not empty, tells
    // the user why nothing was picked.
    void EndPortalSelect(const QString& explanation);
    // The panes on every output, while sampling on Wayland.
    const TOutputPanes* OutputPanes() const { return TheOutputPanes.get(); }
    bool IsMouseSelecting() const { return TheSampling.IsSampling(); }
    RSamplingSession& Sampling() { return TheSampling; }

    // Shows the window where it may have been hidden behind others or
    // minimised and brings it forward; with pick, sampling starts too
    // (unless under way). Another start of the program asks this.
    void ComeForward(bool pick, const std::string& startupToken = {});
    // One pick without showing the window: done gets the colour's literal in
    // the saved notation, or nothing when the user cancelled (Escape) or no
    // pick could start. Nothing is saved.
    void PickOnce(RSamplingSession::RDone done);

    // RColorEditorView
    RString GetEditText(REditBox box) const override;
    void SetEditText(REditBox box, const RString& text) override;
    int GetColorNameIndex() const override;
    void SelectColorName(int index) override;
    int GetHexFormatIndex() const override;
    void SetHexText(const RString& text) override;
    void SetSwatchColor(ColorValue color) override;
    void ShowSwatches(const RSwatchPicture& picture) override;
    void ProcessPendingEvents() override;

    // RMainFormView
    void SetHSLSpinRange(int minimum, int maximum) override;
    void SelectHexFormat(int index) override;
    void CreateSamplingWindow() override;
    void FillColorNames(const std::vector<const char*>& names) override;
    void FocusRedEdit() override;

    // How often the window has been painted: passes over its changed parts,
    // each one update of the screen (benchmarks and tests count them).
    int PaintPasses() const { return ThePaintPasses; }
    bool RunColorDialog(ColorValue& color) override;

    // RPlaceableWindow: the outer bounds, frame included, and the state.
    int GetLeft() const override;
    int GetTop() const override;
    int GetWidth() const override;
    int GetHeight() const override;
    int GetWindowState() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void SetWindowState(int state) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // While sampling, the window's own pixel under the pointer.
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    // The window's own keys: F1 and Ctrl+Shift+D.
    void ConnectKeys();
    void RunFormCommand(RFormCommand command);
    void AnnounceSampledColour();
    void NameControls();
    QLineEdit* EditOf(REditBox box) const;

    void FormShow();
    // Lays the window out again at the scale of the monitor it is now on.
    void FitToScreen();
    void SetSelectButtonsEnabled(bool enabled);
    // Sampling on Wayland: the compositor's copy of each output, else the
    // portal's copy of the desktop, else the desktop's own picker.
    void StartOutputSampling();
    void OutputsCopied(bool offered, std::optional<std::vector<ROutputCopy>> copies);
    void ScreenshotTaken(const QString& fileName);
    bool ShowOutputCopies(std::vector<ROutputCopy> copies);
    // No copy could be had: the desktop's picker takes the colour, and the
    // user learns why the loupe is missing (once a run).
    void FallBackToPortalPicker();
    void ApplyOwnPixel(QPointF at);
    void CloseBtnClick();
    void QLImageClick();
    void AboutBtnClick();
    void HelpBtnClick();

    // Controls, named as the window's layout names them.
    QFrame* SidePanel = nullptr;
    QLabel* KeyIconImage = nullptr;
    QFrame* QuenlarLogoPanel = nullptr;
    QLabel* SidebarImage = nullptr;
    QFrame* MainPanel = nullptr;
    QLabel* Label2 = nullptr;
    RShape* TheShape = nullptr;
    QLabel* Label9 = nullptr;
    QComboBox* ColorNameCB = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* RGBHexEdit = nullptr;
    QComboBox* HexFormatCB = nullptr;
    QGroupBox* RGBGroup = nullptr;
    QLineEdit* RedEdit = nullptr;
    QLineEdit* GrnEdit = nullptr;
    QLineEdit* BluEdit = nullptr;
    RUpDown* RedUpDown = nullptr;
    RUpDown* GrnUpDown = nullptr;
    RUpDown* BluUpDown = nullptr;
    QGroupBox* HSLEditGroup = nullptr;
    QLineEdit* HueEdit = nullptr;
    QLineEdit* SatEdit = nullptr;
    QLineEdit* LumEdit = nullptr;
    RUpDown* HueUpDown = nullptr;
    RUpDown* SatUpDown = nullptr;
    RUpDown* LumUpDown = nullptr;
    QFrame* SwatchPanel = nullptr;
    RSwatchImage* HueSatImage = nullptr;
    RSwatchImage* LumImage = nullptr;
    RSwatchImage* LumArrowImage = nullptr;
    QPushButton* ColorDlgSelectSBtn = nullptr;
    QPushButton* MouseSelectSBtn = nullptr;
    QFrame* BtnPanel = nullptr;
    QPushButton* AboutBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QPushButton* CloseBtn = nullptr;

    std::unique_ptr<RAppReg> TheAppReg;
    std::unique_ptr<RDesktopCopy> TheScreenBitmap;
    std::unique_ptr<TBigScreenDlg> TheBigScreen;
    // The colour under the pointer waits to be told to a screen reader.
    bool TheAnnouncementPending = false;
    // On Wayland: the copy of each output, a pane on each.
    std::unique_ptr<TOutputPanes> TheOutputPanes;
    // The portal's copy of the desktop is awaited.
    bool TheAwaitingScreenshot = false;
    std::future<void> TheOutputCopying;
    bool TheScreenshotArrived = false;
    // Where the screen cannot be copied, the desktop's picker samples it.
    RPortalColorPicker* ThePortalPicker = nullptr;
    // The clipboard's keys, and the swatch's menu.
    RColorClipboard* TheClipboard = nullptr;
    RSwatchMenu* TheSwatchMenu = nullptr;
    int ThePaintPasses = 0;
    // One more than the event loop level whose pending events a change is
    // letting through, where painting waits; 0 outside.
    int ThePaintWaitLoop = 0;
    RColorEditor TheEditor{*this, RSwatchLayout{}, &BuiltPlane()};
    RSamplingSession TheSampling{TheEditor};
    bool TheFirstShowing = true;
};
