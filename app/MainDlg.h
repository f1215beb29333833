// CMainDlg: the main window. It owns the parameter record, the three signals and their scopes,
// runs the modulation commands, and saves the modulated signal.
#pragma once

#include "app/MainLayout.h"
#include "engine/ModulationParams.h"
#include "engine/Synthesis.h"
#include "framework/core/String.h"
#include "sigkit/frames/TBDialog.h"
#include "sigkit/scope/CalibratedScope.h"
#include "sigkit/scope/ScopeGroup.h"
#include "sigkit/signal/Signal.h"

class CBitmap;
class CCmdUI;
class CDC;

class CMainDlg : public CTBDialog
{
public:
	explicit CMainDlg(CWnd* pParent = nullptr);

	BOOL OnInitDialog() override;
	BOOL PreTranslateMessage(MSG* pMsg) override;

	void SetModified(BOOL bModified);
	BOOL IsModified() const;

	// Saving and the hand-off to the desktop's Fourier analyser.
	void SaveSignal();
	void SaveSignalAs();
	// TRUE when the window may close: nothing unsaved, or the user chose.
	BOOL QuerySaveChanges();
	void OfferFourierAnalysis();

	// Synthesis of the three signals from m_params, drawn on the scopes.
	void SimulateAM();
	void SimulateFM();
	void SimulatePM();

	// The size of the three scopes and their titles on screen: that of an exported picture unless
	// the user asks for a larger one.
	CSize PictureSize();
	// Writes that picture, at the size given, as SVG when the path ends in ".svg", else as PNG;
	// FALSE, and no file, when it cannot be written.
	BOOL ExportPicture(const CString& strPath, const CSize& size);

	CCalibratedScope m_scopeModulating;
	CCalibratedScope m_scopeCarrier;
	CCalibratedScope m_scopeModulated;
	// The three share their time axis, cursors and, when asked, their vertical scale.
	CScopeGroup m_scopes;
	ModulationParams m_params;
	BOOL m_modified;
	CString m_strSignalPath;
	double carrierPeriod;
	CSignal m_sigModulating;
	CSignal m_sigCarrier;
	CSignal m_sigModulated;
	// What the modulating and carrier generators leave for the modulated one.
	SamplePhases m_phases;

protected:
	void DoDataExchange(CDataExchange* pDX) override;
	void OnOK() override;
	void OnCancel() override;

	afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
	afx_msg void OnViewToolBar();
	afx_msg void OnViewStatusBar();
	afx_msg void OnPaint();
	afx_msg HCURSOR OnQueryDragIcon();
	afx_msg void OnModAmpiezza();
	afx_msg void OnModFrequenza();
	afx_msg void OnModFase();
	afx_msg void OnSpectrum();
	afx_msg void OnRefresh();
	afx_msg void OnFilePrintSetup();
	afx_msg void OnAbout();
	afx_msg void OnSaveSignal();
	afx_msg void OnSaveSignalAs();
	afx_msg void OnUpdateSaveSignal(CCmdUI* pCmdUI);
	afx_msg void OnUpdateSaveSignalAs(CCmdUI* pCmdUI);
	afx_msg void OnUpdateSpectrum(CCmdUI* pCmdUI);
	afx_msg void OnViewScales();
	afx_msg void OnUpdateViewScales(CCmdUI* pCmdUI);
	afx_msg void OnViewSameScale();
	afx_msg void OnUpdateViewSameScale(CCmdUI* pCmdUI);
	afx_msg void OnViewWhole();
	afx_msg void OnViewZoomIn();
	afx_msg void OnViewZoomOut();
	afx_msg void OnViewClearCursors();
	afx_msg void OnUpdateViewClearCursors(CCmdUI* pCmdUI);
	afx_msg void OnFileExportPicture();
	afx_msg void OnEditCopyPicture();
	afx_msg void OnFilePrintScopes();
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
	afx_msg void OnCaptureChanged(CWnd* pWnd);

	DECLARE_MESSAGE_MAP()

private:
	// Opens the parameters dialog for the kind; TRUE when it was confirmed. A cancelled dialog
	// leaves the kind as it was before.
	BOOL RunParamDialog(int32_t kind, LPCTSTR lpszTitle);

	// The labels and scopes follow the client area between the bars, as the template places
	// them, once the template's places are known (the end of opening).
	void KeepTemplateLayout();
	CRect AreaBetweenBars();
	void LayOutControls();
	// The kept signals given again to their scopes, now of another size, with the scale calls of
	// their run: the X scale follows the client width and the axes the display rectangle.
	void ReplaySignals();

	// After a run: the scopes' whole time shown again and the note of a capped time.
	void ShowNewRun();
	// The first time a run is capped, a message explaining why and what shows the whole time.
	void ExplainCappedTime();
	// The scope under a point of the client area and the point in its own client area.
	CCalibratedScope* ScopeUnder(CPoint ptClient, CPoint& ptScope);
	// The status bar: the readout under the pointer and the cursors' readout, or the idle text.
	void ShowReadout(CCalibratedScope* pScope, CPoint ptScope);

	// The three scopes with their titles as one picture, for a file, the clipboard or paper.
	void PaintScopesPicture(CDC& dc, const CRect& rc, int nTextHeight, BOOL bPaper);
	// Draws the picture into a bitmap of that size; FALSE when it could not be made.
	BOOL RenderPicture(CBitmap& bitmap, const CSize& size);

	// The steps every simulation shares: period, sample count, signals sized, Vm and Vp drawn.
	void BeginSimulation();
	void GenerateModulating();
	void GenerateCarrier();
	void GenerateAMFamily();
	void GenerateAM();
	void GenerateDSBSC();
	void GenerateSSBUSB();
	void GenerateSSBLSB();
	void GenerateVSB();
	void GenerateFM();
	void GeneratePM();

	BOOL m_bCappedExplained;
	// A press on a scope becomes a drag once the pointer moves; released where it was pressed,
	// it places a cursor.
	CCalibratedScope* m_pPressedScope;
	CPoint m_ptPressed;
	CPoint m_ptDragLast;
	BOOL m_bDragging;

	MainTemplate m_layoutTemplate;
	HWND m_hLabels[MAIN_SCOPE_COUNT];
	BOOL m_bLayoutKept;
};
