// CMainDlg: the main window. It owns the parameter record, the three signals and their scopes,
// runs the modulation commands, and saves the modulated signal.
#pragma once

#include "app/MainLayout.h"
#include "engine/ModulationParams.h"
#include "framework/core/String.h"
#include "sigkit/frames/TBDialog.h"
#include "sigkit/scope/EditScope.h"
#include "sigkit/signal/Signal.h"

class CCmdUI;

class CMainDlg : public CTBDialog
{
public:
	explicit CMainDlg(CWnd* pParent = nullptr);

	BOOL OnInitDialog() override;

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

	CEditScope m_scopeModulating;
	CEditScope m_scopeCarrier;
	CEditScope m_scopeModulated;
	ModulationParams m_params;
	BOOL m_modified;
	CString m_strSignalPath;
	double carrierPeriod;
	CSignal m_sigModulating;
	CSignal m_sigCarrier;
	CSignal m_sigModulated;

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

	MainTemplate m_layoutTemplate;
	HWND m_hLabels[MAIN_SCOPE_COUNT];
	BOOL m_bLayoutKept;
};
