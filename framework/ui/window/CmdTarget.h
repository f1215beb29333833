// CCmdTarget and message maps: static tables of handlers, each chained to its base class's table,
// that route window messages, commands and notifications to member functions.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/Types.h"
#include "framework/core/WinConstants.h"
#include "framework/ui/window/WndTypes.h"

class CCmdTarget;
class CCmdUI;

// Notification codes of command routing that are not control notifications.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// What a map entry's handler is called with. Window messages fill the first three fields;
// command routing fills nID and pExtra (a CCmdUI* in update passes, an AFX_NOTIFY* for WM_NOTIFY).
struct AFX_MSGCALL
{
	UINT nMessage;
	WPARAM wParam;
	LPARAM lParam;
	UINT nID;
	void* pExtra;
};

// Unpacks the message for one handler and calls it. For window messages the result is the
// message's result; in command routing, nonzero means the command was handled.
typedef LRESULT (*AFX_PMSGHANDLER)(CCmdTarget* pTarget, const AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
	UINT nMessage;	// 0 with pnRegisteredMessage set for a registered message
	UINT nCode;	// control notification or WM_NOTIFY code; CN_ codes in command routing
	UINT nID;	// first control or command id
	UINT nLastID;	// last id of a range, nID otherwise
	const UINT* pnRegisteredMessage;
	AFX_PMSGHANDLER pfnHandler;	// null ends the table
};

struct AFX_MSGMAP
{
	const AFX_MSGMAP* (*pfnGetBaseMap)();	// null for the root of the chain
	const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_CMDHANDLERINFO
{
	CCmdTarget* pTarget;
	const AFX_MSGMAP_ENTRY* pEntry;
};

struct AFX_NOTIFY
{
	LRESULT* pResult;
	NMHDR* pNMHDR;
};

class CCmdTarget : public CObject
{
	DECLARE_DYNAMIC(CCmdTarget)

public:
	CCmdTarget();
	~CCmdTarget() override;

	// Routes a command (nCode CN_COMMAND or a control notification), a WM_NOTIFY notification
	// (nCode MAKELONG(code, WM_NOTIFY)) or an update pass (CN_UPDATE_COMMAND_UI) through the
	// message map. With pHandlerInfo it only reports the handler it would call.
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

	// The first entry for a window message in this object's map or its base maps, or null.
	const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage) const;

	void BeginWaitCursor();
	void EndWaitCursor();
	void RestoreWaitCursor();

protected:
	static const AFX_MSGMAP* GetThisMessageMap();
	virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP() \
protected: \
	static const AFX_MSGMAP* GetThisMessageMap(); \
	const AFX_MSGMAP* GetMessageMap() const override;

// The entries live in a function-local constant table, so each map is built at compile time and
// ThisClass names the class inside the entry macros.
#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
	const AFX_MSGMAP* theClass::GetMessageMap() const \
	{ \
		return GetThisMessageMap(); \
	} \
	const AFX_MSGMAP* theClass::GetThisMessageMap() \
	{ \
		[[maybe_unused]] typedef theClass ThisClass; \
		typedef baseClass TheBaseClass; \
		static const AFX_MSGMAP_ENTRY s_messageEntries[] = \
		{

#define END_MESSAGE_MAP() \
			{ 0, 0, 0, 0, nullptr, nullptr } \
		}; \
		static const AFX_MSGMAP s_messageMap = { &TheBaseClass::GetThisMessageMap, &s_messageEntries[0] }; \
		return &s_messageMap; \
	}

// One entry whose handler must have exactly the member-pointer type pfnDecl declares: a handler
// with another signature fails to compile at the entry.
#define AFX_MAP_ENTRY(message, code, id, lastId, pnRegistered, pfnDecl, memberFxn, result) \
	{ message, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(lastId), pnRegistered, \
		[](CCmdTarget* pTarget, [[maybe_unused]] const AFX_MSGCALL& msg) -> LRESULT \
		{ \
			pfnDecl = &ThisClass::memberFxn; \
			ThisClass* p = static_cast<ThisClass*>(pTarget); \
			return result; \
		} },

#define ON_COMMAND(id, memberFxn) \
	AFX_MAP_ENTRY(WM_COMMAND, CN_COMMAND, id, id, nullptr, void (ThisClass::*pfn)(), memberFxn, \
		((p->*pfn)(), TRUE))

#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
	AFX_MAP_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, nullptr, void (ThisClass::*pfn)(UINT), memberFxn, \
		((p->*pfn)(msg.nID), TRUE))

#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
	AFX_MAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, nullptr, void (ThisClass::*pfn)(CCmdUI*), \
		memberFxn, ((p->*pfn)(static_cast<CCmdUI*>(msg.pExtra)), TRUE))

#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
	AFX_MAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, nullptr, void (ThisClass::*pfn)(CCmdUI*), \
		memberFxn, ((p->*pfn)(static_cast<CCmdUI*>(msg.pExtra)), TRUE))

#define ON_CONTROL(wNotifyCode, id, memberFxn) \
	AFX_MAP_ENTRY(WM_COMMAND, wNotifyCode, id, id, nullptr, void (ThisClass::*pfn)(), memberFxn, \
		((p->*pfn)(), TRUE))

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)

// A control's own notification, reflected back to the control's object (see CWnd::OnChildNotify);
// the parent no longer sees it. The _EX handler returns FALSE to let the parent have it as well.
constexpr UINT WM_REFLECT_BASE = 0xBC00;
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
	AFX_MAP_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, nullptr, void (ThisClass::*pfn)(), memberFxn, \
		((p->*pfn)(), TRUE))
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
	AFX_MAP_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, nullptr, BOOL (ThisClass::*pfn)(), memberFxn, \
		(p->*pfn)())

#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
	AFX_MAP_ENTRY(WM_NOTIFY, wNotifyCode, id, id, nullptr, void (ThisClass::*pfn)(NMHDR*, LRESULT*), memberFxn, \
		((p->*pfn)(static_cast<AFX_NOTIFY*>(msg.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(msg.pExtra)->pResult), \
			TRUE))

// An _EX handler returns FALSE to let routing go on to later entries and base maps.
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) ON_NOTIFY_EX_RANGE(wNotifyCode, id, id, memberFxn)

#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
	AFX_MAP_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, nullptr, BOOL (ThisClass::*pfn)(UINT, NMHDR*, LRESULT*), \
		memberFxn, \
		(p->*pfn)(msg.nID, static_cast<AFX_NOTIFY*>(msg.pExtra)->pNMHDR, \
			static_cast<AFX_NOTIFY*>(msg.pExtra)->pResult))

#define ON_MESSAGE(message, memberFxn) \
	AFX_MAP_ENTRY(message, 0, 0, 0, nullptr, LRESULT (ThisClass::*pfn)(WPARAM, LPARAM), memberFxn, \
		(p->*pfn)(msg.wParam, msg.lParam))

// nMessageVariable holds the value RegisterWindowMessage returned.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
	AFX_MAP_ENTRY(0, 0, 0, 0, &nMessageVariable, LRESULT (ThisClass::*pfn)(WPARAM, LPARAM), memberFxn, \
		(p->*pfn)(msg.wParam, msg.lParam))
