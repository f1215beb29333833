// The parameters dialog: defaults or the last accepted values, the order in which the input is
// checked, the range of each value, the modulation index and the two bounds that keep the
// engine's invariants.
#include "app/ModParamDlg.h"

#include "app/resources/AppResourceIds.h"
#include "engine/ParamRanges.h"
#include "framework/ui/dialog/DataExchange.h"
#include "framework/ui/window/ModalSeam.h"

namespace
{
	constexpr double MAX_MOD_INDEX = 60.0;

	// Radio buttons 1001 to 1005 in order, with the kind each one selects.
	struct Variant
	{
		UINT nID;
		int32_t kind;
	};
	const Variant s_variants[] = {
		{IDC_RADIO_AM, MOD_AM},
		{IDC_RADIO_DSB_SC, MOD_DSB_SC},
		{IDC_RADIO_SSB_USB, MOD_SSB_USB},
		{IDC_RADIO_SSB_LSB, MOD_SSB_LSB},
		{IDC_RADIO_VSB, MOD_VSB},
	};

	double ValueOrDefault(double recordValue, double defaultValue)
	{
		return IsParamUnset(recordValue) ? defaultValue : recordValue;
	}
}

CModParamDlg::CModParamDlg(ModulationParams* pParams, LPCTSTR lpszTitle, CWnd* pParent)
	: CDialog(IDD_MODPARAM, pParent)
	, m_ampMod(IsAmplitudeFamily(pParams->kind) ? 0.5 : 5.0)
	, m_freqMod(10000.0)
	, m_ampCarrier(1.0)
	, m_simTime(0.0002)
	, m_freqCarrier(200000.0)
	, m_kind(pParams->kind)
	, m_strTitle(lpszTitle)
	, m_bAmFamily(IsAmplitudeFamily(pParams->kind))
	, m_pParams(pParams)
{
	m_ampMod = ValueOrDefault(pParams->ampMod, m_ampMod);
	m_freqMod = ValueOrDefault(pParams->freqMod, m_freqMod);
	m_ampCarrier = ValueOrDefault(pParams->ampCarrier, m_ampCarrier);
	m_simTime = ValueOrDefault(pParams->simTime, m_simTime);
	m_freqCarrier = ValueOrDefault(pParams->freqCarrier, m_freqCarrier);
}

void CModParamDlg::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
	DDX_Text(pDX, IDC_AMP_MOD, m_ampMod);
	DDX_Text(pDX, IDC_FREQ_MOD, m_freqMod);
	DDX_Text(pDX, IDC_AMP_CARRIER, m_ampCarrier);
	DDX_Text(pDX, IDC_SIM_TIME, m_simTime);
	DDX_Text(pDX, IDC_FREQ_CARRIER, m_freqCarrier);
}

BOOL CModParamDlg::OnInitDialog()
{
	CDialog::OnInitDialog();
	for (const Variant& variant : s_variants)
	{
		if (CWnd* pRadio = GetDlgItem(static_cast<int>(variant.nID)))
			pRadio->ShowWindow(m_bAmFamily ? SW_SHOW : SW_HIDE);
	}
	SetWindowText(m_strTitle);
	if (m_bAmFamily)
	{
		UINT nChecked = IDC_RADIO_AM;
		for (const Variant& variant : s_variants)
		{
			if (variant.kind == m_kind)
				nChecked = variant.nID;
		}
		CheckRadioButton(IDC_RADIO_AM, IDC_RADIO_VSB, static_cast<int>(nChecked));
	}
	return TRUE;
}

BOOL CModParamDlg::ValidateFields()
{
	struct Field
	{
		double value;
		UINT nID;
		UINT nIDMessage;
		ParamRange range;
		UINT nIDRangeMessage;
	};
	const Field fields[] = {
		{m_ampCarrier, IDC_AMP_CARRIER, IDS_BAD_AMP_CARRIER, AMPLITUDE_RANGE, IDS_RANGE_AMP_CARRIER},
		{m_freqCarrier, IDC_FREQ_CARRIER, IDS_BAD_FREQ_CARRIER, FREQUENCY_RANGE, IDS_RANGE_FREQ_CARRIER},
		{m_ampMod, IDC_AMP_MOD, IDS_BAD_AMP_MOD, AMPLITUDE_RANGE, IDS_RANGE_AMP_MOD},
		{m_freqMod, IDC_FREQ_MOD, IDS_BAD_FREQ_MOD, FREQUENCY_RANGE, IDS_RANGE_FREQ_MOD},
		{m_simTime, IDC_SIM_TIME, IDS_BAD_SIM_TIME, SIM_TIME_RANGE, IDS_RANGE_SIM_TIME},
	};
	for (const Field& field : fields)
	{
		if (!(field.value > 0.0))
			return RefuseField(field.nID, field.nIDMessage);
	}
	// Only after every value is known positive, so that a value refused as not positive is
	// still the one reported when another is out of its range.
	for (const Field& field : fields)
	{
		if (!IsInRange(field.value, field.range))
			return RefuseField(field.nID, field.nIDRangeMessage);
	}
	return TRUE;
}

BOOL CModParamDlg::RefuseField(UINT nID, UINT nIDMessage)
{
	AfxMessageBox(nIDMessage, MB_OK | MB_ICONSTOP);
	SelectField(nID);
	return FALSE;
}

void CModParamDlg::OnOK()
{
	if (!UpdateData(TRUE) || !ValidateFields())
		return;
	if (m_bAmFamily)
	{
		const int32_t variant = CheckedVariant();
		if (variant != MOD_NONE)
			m_kind = variant;
	}
	const double modIndex = EnteredModIndex();
	if (modIndex > MAX_MOD_INDEX)
	{
		AfxMessageBox(IDS_INDEX_TOO_HIGH, MB_OK | MB_ICONSTOP);
		return;
	}
	if (1.0 / m_freqMod > m_simTime)
	{
		AfxMessageBox(IDS_SIM_TIME_TOO_LOW, MB_OK | MB_ICONSTOP);
		m_simTime = 1.0 / m_freqMod;
		UpdateData(FALSE);
		SelectField(IDC_SIM_TIME);
		return;
	}
	m_pParams->ampMod = m_ampMod;
	m_pParams->freqMod = m_freqMod;
	m_pParams->ampCarrier = m_ampCarrier;
	m_pParams->simTime = m_simTime;
	m_pParams->freqCarrier = m_freqCarrier;
	m_pParams->modIndex = modIndex;
	m_pParams->kind = m_kind;
	EndDialog(IDOK);
}

double CModParamDlg::EnteredModIndex() const
{
	ModulationParams entered;
	entered.ampMod = m_ampMod;
	entered.freqMod = m_freqMod;
	entered.ampCarrier = m_ampCarrier;
	entered.kind = m_kind;
	return ModulationIndex(entered);
}

int32_t CModParamDlg::CheckedVariant() const
{
	for (const Variant& variant : s_variants)
	{
		if (IsDlgButtonChecked(static_cast<int>(variant.nID)) == BST_CHECKED)
			return variant.kind;
	}
	return MOD_NONE;
}

void CModParamDlg::SelectField(UINT nID)
{
	CWnd* pField = GetDlgItem(static_cast<int>(nID));
	if (pField == nullptr)
		return;
	GotoDlgCtrl(pField);
	pField->SendMessage(EM_SCROLLCARET);
}
