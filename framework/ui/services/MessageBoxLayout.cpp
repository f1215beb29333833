// The buttons, default and icon of a message box from its MB_ type.
#include "framework/ui/services/MessageBoxLayout.h"

#include "framework/core/WinConstants.h"

std::vector<MessageBoxButton> MessageBoxButtons(UINT nType)
{
	// Every button but OK has a mnemonic; in a message box the letter alone chooses it, as on Windows.
	switch (nType & MB_TYPEMASK)
	{
	case MB_OKCANCEL:
		return { { "OK", IDOK }, { "&Annulla", IDCANCEL } };
	case MB_ABORTRETRYIGNORE:
		return { { "&Interrompi", IDABORT }, { "&Riprova", IDRETRY }, { "I&gnora", IDIGNORE } };
	case MB_YESNOCANCEL:
		return { { "&Sì", IDYES }, { "&No", IDNO }, { "&Annulla", IDCANCEL } };
	case MB_YESNO:
		return { { "&Sì", IDYES }, { "&No", IDNO } };
	case MB_RETRYCANCEL:
		return { { "&Riprova", IDRETRY }, { "&Annulla", IDCANCEL } };
	default:
		return { { "OK", IDOK } };
	}
}

size_t MessageBoxDefaultButton(UINT nType)
{
	size_t nDefault = (nType & MB_DEFMASK) >> 8;
	return nDefault < MessageBoxButtons(nType).size() ? nDefault : 0;
}

MessageBoxIcon MessageBoxIconOf(UINT nType)
{
	switch (nType & MB_ICONMASK)
	{
	case MB_ICONHAND:
		return MessageBoxIcon::Stop;
	case MB_ICONQUESTION:
		return MessageBoxIcon::Question;
	case MB_ICONEXCLAMATION:
		return MessageBoxIcon::Exclamation;
	case MB_ICONASTERISK:
		return MessageBoxIcon::Information;
	default:
		return MessageBoxIcon::None;
	}
}

int MessageBoxEscapeResult(UINT nType)
{
	std::vector<MessageBoxButton> buttons = MessageBoxButtons(nType);
	for (const MessageBoxButton& button : buttons)
	{
		if (button.nResult == IDCANCEL)
		{
			return IDCANCEL;
		}
	}
	return buttons.size() == 1 ? buttons[0].nResult : 0;
}
