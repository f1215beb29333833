// The face substitution table and the making of Qt fonts from logical fonts.
#include "framework/ui/backend/qt/gdi/FontMapping.h"

#include "framework/ui/backend/qt/QtText.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <strings.h>

namespace
{
	// The Liberation families keep the advance widths of Arial, Times New Roman and Courier New, so
	// texts take the room the dialog templates were laid out for.
	const char* const kSans = "Liberation Sans";
	const char* const kMono = "Liberation Mono";
	const char* const kSerif = "Liberation Serif";
	// Verdana's widths are those of the wider DejaVu Sans.
	const char* const kWideSans = "DejaVu Sans";

	struct FaceSubstitute
	{
		const char* lpszFace;
		const char* lpszFamily;
	};

	// Faces the Windows platform offers, onto fonts with the same role and widths. Liberation Sans at
	// 11 pixels gives the 6-pixel average width of an 8-point dialog font and fits its labels.
	const FaceSubstitute kSubstitutes[] = {
		{ "MS Sans Serif", kSans },
		{ "MS Shell Dlg", kSans },
		{ "MS Shell Dlg 2", kSans },
		{ "Microsoft Sans Serif", kSans },
		{ "Tahoma", kSans },
		{ "Arial", kSans },
		{ "Helv", kSans },
		{ "Verdana", kWideSans },
		{ "Segoe UI", kSans },
		{ "System", kSans },
		{ "Courier New", kMono },
		{ "Courier", kMono },
		{ "Lucida Console", kMono },
		{ "Terminal", kMono },
		{ "Fixedsys", kMono },
		{ "Times New Roman", kSerif },
		{ "Times", kSerif },
		{ "MS Serif", kSerif },
		{ "Tms Rmn", kSerif },
		{ "Liberation Sans", kSans },
		{ "Liberation Mono", kMono },
		{ "Liberation Serif", kSerif },
		{ "DejaVu Sans", "DejaVu Sans" },
		{ "DejaVu Sans Mono", "DejaVu Sans Mono" },
		{ "DejaVu Serif", "DejaVu Serif" },
	};

	const BYTE kFamilyMask = 0xF0;
	const BYTE kPitchMask = 0x03;

	// A positive height asks for the cell (ascent plus descent) rather than the character height.
	int PixelSize(const QFont& font, LONG lfHeight)
	{
		if (lfHeight < 0)
			return static_cast<int>(-lfHeight);
		if (lfHeight == 0)
			return 11;
		QFont probe(font);
		probe.setPixelSize(100);
		QFontMetrics metrics(probe);
		int nCell = metrics.ascent() + metrics.descent();
		return std::max(1, static_cast<int>(std::lround(lfHeight * 100.0 / nCell)));
	}
}

const char* GdiSubstituteFace(const LOGFONT& logFont)
{
	for (const FaceSubstitute& substitute : kSubstitutes)
	{
		if (strcasecmp(substitute.lpszFace, logFont.lfFaceName) == 0)
			return substitute.lpszFamily;
	}
	BYTE nFamily = logFont.lfPitchAndFamily & kFamilyMask;
	if (nFamily == FF_ROMAN)
		return kSerif;
	if (nFamily == FF_MODERN || (logFont.lfPitchAndFamily & kPitchMask) == FIXED_PITCH)
		return kMono;
	return kSans;
}

QFont GdiMakeQFont(const LOGFONT& logFont)
{
	QFont font(ToQString(GdiSubstituteFace(logFont)));
	// Hinting left to the machine's configuration would change advance widths from one to another.
	font.setHintingPreference(QFont::PreferNoHinting);
	font.setPixelSize(PixelSize(font, logFont.lfHeight));
	int nWeight = logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp(static_cast<int>(logFont.lfWeight), 100, 900);
	font.setWeight(static_cast<QFont::Weight>(nWeight));
	font.setItalic(logFont.lfItalic != 0);
	font.setUnderline(logFont.lfUnderline != 0);
	font.setStrikeOut(logFont.lfStrikeOut != 0);
	if (logFont.lfWidth > 0)
	{
		int nNatural = QFontMetrics(font).averageCharWidth();
		if (nNatural > 0)
			font.setStretch(std::clamp(static_cast<int>(logFont.lfWidth * 100 / nNatural), 1, 4000));
	}
	return font;
}
