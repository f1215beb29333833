// The run's texts, numbers in the Italian format with SI prefixes.
#include "app/RunTexts.h"

#include "app/resources/AppResourceIds.h"
#include "engine/TimeBase.h"
#include "sigkit/scope/ScopeScale.h"

namespace
{
	CString AmplitudeVariant(int32_t kind)
	{
		switch (kind)
		{
		case MOD_AM:
			return "A.M.";
		case MOD_DSB_SC:
			return "D.S.B.-S.C.";
		case MOD_SSB_USB:
			return "S.S.B.-U.S.B.";
		case MOD_SSB_LSB:
			return "S.S.B.-L.S.B.";
		case MOD_VSB:
			return "V.S.B.";
		default:
			return CString();
		}
	}

	CString Term(LPCTSTR lpszName, double dValue, LPCTSTR lpszUnit)
	{
		return CString(lpszName) + " = " + FormatMeasure(dValue, lpszUnit);
	}
}

CString ModulationName(const ModulationParams& params)
{
	if (params.kind == MOD_FM)
		return "Modulazione di frequenza";
	if (params.kind == MOD_PM)
		return "Modulazione di fase";
	if (params.kind == MOD_NONE)
		return CString();
	const CString strVariant = AmplitudeVariant(params.kind);
	return strVariant.IsEmpty() ? CString("Modulazione di ampiezza") : "Modulazione di ampiezza " + strVariant;
}

CString ParameterLine(const ModulationParams& params)
{
	const char* const separator = "   ";
	return Term("Ap", params.ampCarrier, "V") + separator + Term("fp", params.freqCarrier, "Hz") + separator
		+ Term("Am", params.ampMod, "V") + separator + Term("fm", params.freqMod, "Hz") + separator
		+ Term("T", params.simTime, "s") + separator + "m = " + FormatNumber(params.modIndex);
}

CString ShownTimeNote(const ModulationParams& params)
{
	if (!IsTimeCapped(params))
		return CString();
	return "mostrati " + FormatMeasure(ShownTime(params), "s") + " di " + FormatMeasure(params.simTime, "s");
}

CString CappedTimeMessage(const ModulationParams& params)
{
	if (!IsTimeCapped(params))
		return CString();
	CString strFormat;
	strFormat.LoadString(IDS_TIME_CAPPED);
	CString strMessage;
	strMessage.Format(strFormat, static_cast<LPCTSTR>(FormatMeasure(ShownTime(params), "s")),
		static_cast<LPCTSTR>(FormatMeasure(params.simTime, "s")));
	if (ShownTime(params) * params.freqMod < 1.0)
	{
		CString strEnvelope;
		strEnvelope.LoadString(IDS_ENVELOPE_HIDDEN);
		strMessage += "\n" + strEnvelope;
	}
	return strMessage;
}
