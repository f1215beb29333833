// Windows of the window tests: a plain one made in one call, and a recorder that writes down the
// messages it gets.
#pragma once

#include "framework/ui/window/Wnd.h"

#include <string>
#include <vector>

// What recorders wrote down, one line per message, in the order the messages came.
typedef std::vector<std::string> MessageLog;

// A window of the framework's plain class, destroyed with the object.
class CTestWindow : public CWnd
{
public:
	BOOL CreatePopup(const CRect& rect, DWORD dwStyle = WS_POPUP | WS_VISIBLE, DWORD dwExStyle = 0,
		LPCTSTR lpszClass = nullptr)
	{
		return CreateEx(dwExStyle, lpszClass, "test", dwStyle, rect, nullptr, 0);
	}

	BOOL CreateChild(CWnd* pParent, const CRect& rect, UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
		DWORD dwExStyle = 0, LPCTSTR lpszClass = nullptr)
	{
		return CreateEx(dwExStyle, lpszClass, "", dwStyle, rect, pParent, nID);
	}
};

// Its handlers Note what they get: into its own log, or into a log shared with other recorders
// so that the order between windows shows, each line then starting with the recorder's name.
class CMessageRecorder : public CTestWindow
{
	MessageLog m_ownLog;	// first, as m_log may refer to it

public:
	CMessageRecorder()
		: m_log(m_ownLog)
	{
	}

	CMessageRecorder(MessageLog& log, const char* pszName)
		: m_log(log), m_strPrefix(std::string(pszName) + " ")
	{
	}

	CMessageRecorder(const CMessageRecorder&) = delete;
	CMessageRecorder& operator=(const CMessageRecorder&) = delete;

	MessageLog& m_log;

protected:
	void Note(const std::string& strWhat) const
	{
		m_log.push_back(m_strPrefix + strWhat);
	}

private:
	std::string m_strPrefix;
};
