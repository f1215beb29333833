// CModParamDlg: the dialog in which the user enters the parameters of one simulation and, for
// amplitude modulation, its variant; on OK it writes the whole parameter record.
#pragma once

#include "engine/ModulationParams.h"
#include "framework/core/String.h"
#include "framework/ui/dialog/Dialog.h"

class CModParamDlg : public CDialog
{
public:
	// The record's kind is the one being edited; values never set show the dialog's defaults.
	CModParamDlg(ModulationParams* pParams, LPCTSTR lpszTitle, CWnd* pParent = nullptr);

	// Reports the first value that is not greater than zero or, when all are, the first one
	// outside its range, and returns FALSE.
	BOOL ValidateFields();

	double m_ampMod;
	double m_freqMod;
	double m_ampCarrier;
	double m_simTime;
	double m_freqCarrier;
	int32_t m_kind;
	CString m_strTitle;
	BOOL m_bAmFamily;
	ModulationParams* m_pParams;

protected:
	void DoDataExchange(CDataExchange* pDX) override;
	BOOL OnInitDialog() override;
	void OnOK() override;

private:
	// The index of the values in the fields, for the kind being edited.
	double EnteredModIndex() const;
	int32_t CheckedVariant() const;
	// Shows the message, selects the field and returns FALSE.
	BOOL RefuseField(UINT nID, UINT nIDMessage);
	// Puts the focus on the field with its whole text selected and the caret in view.
	void SelectField(UINT nID);
};
