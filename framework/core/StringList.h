// CStringList: a doubly linked list of strings walked with POSITION values.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CStringList : public CObject
{
	DECLARE_DYNAMIC(CStringList)

public:
	CStringList();
	~CStringList() override;

	CStringList(const CStringList&) = delete;
	CStringList& operator=(const CStringList&) = delete;

	int GetCount() const;
	BOOL IsEmpty() const;

	CString& GetHead();
	const CString& GetHead() const;
	CString& GetTail();
	const CString& GetTail() const;

	POSITION AddHead(const CString& newElement);
	POSITION AddTail(const CString& newElement);
	CString RemoveHead();
	CString RemoveTail();
	void RemoveAll();

	POSITION GetHeadPosition() const;
	POSITION GetTailPosition() const;
	// Return the element at rPosition and move rPosition on; nullptr past either end.
	CString& GetNext(POSITION& rPosition);
	const CString& GetNext(POSITION& rPosition) const;
	CString& GetPrev(POSITION& rPosition);
	const CString& GetPrev(POSITION& rPosition) const;

	CString& GetAt(POSITION position);
	const CString& GetAt(POSITION position) const;
	void SetAt(POSITION position, const CString& newElement);
	void RemoveAt(POSITION position);
	// A null position inserts at the head (InsertBefore) or at the tail (InsertAfter).
	POSITION InsertBefore(POSITION position, const CString& newElement);
	POSITION InsertAfter(POSITION position, const CString& newElement);

	// Searches after startAfter, or from the head when it is null.
	POSITION Find(LPCTSTR searchValue, POSITION startAfter = nullptr) const;
	POSITION FindIndex(int nIndex) const;

private:
	struct CNode;

	POSITION Link(CNode* pPrev, CNode* pNext, const CString& newElement);
	static CNode* NodeAt(POSITION position);
	static POSITION PositionOf(CNode* pNode);

	CNode* m_pNodeHead;
	CNode* m_pNodeTail;
	int m_nCount;
};
