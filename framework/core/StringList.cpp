// CStringList's nodes and their linking.
#include "framework/core/StringList.h"

IMPLEMENT_DYNAMIC(CStringList, CObject)

struct CStringList::CNode
{
	CNode* pNext;
	CNode* pPrev;
	CString data;
};

CStringList::CStringList()
	: m_pNodeHead(nullptr), m_pNodeTail(nullptr), m_nCount(0)
{
}

CStringList::~CStringList()
{
	RemoveAll();
}

int CStringList::GetCount() const
{
	return m_nCount;
}

BOOL CStringList::IsEmpty() const
{
	return m_nCount == 0;
}

CString& CStringList::GetHead()
{
	ASSERT(m_pNodeHead != nullptr);
	return m_pNodeHead->data;
}

const CString& CStringList::GetHead() const
{
	ASSERT(m_pNodeHead != nullptr);
	return m_pNodeHead->data;
}

CString& CStringList::GetTail()
{
	ASSERT(m_pNodeTail != nullptr);
	return m_pNodeTail->data;
}

const CString& CStringList::GetTail() const
{
	ASSERT(m_pNodeTail != nullptr);
	return m_pNodeTail->data;
}

POSITION CStringList::AddHead(const CString& newElement)
{
	return InsertBefore(GetHeadPosition(), newElement);
}

POSITION CStringList::AddTail(const CString& newElement)
{
	return InsertAfter(GetTailPosition(), newElement);
}

CString CStringList::RemoveHead()
{
	ASSERT(m_pNodeHead != nullptr);
	CString element = m_pNodeHead->data;
	RemoveAt(GetHeadPosition());
	return element;
}

CString CStringList::RemoveTail()
{
	ASSERT(m_pNodeTail != nullptr);
	CString element = m_pNodeTail->data;
	RemoveAt(GetTailPosition());
	return element;
}

void CStringList::RemoveAll()
{
	while (m_pNodeHead != nullptr)
	{
		CNode* pNext = m_pNodeHead->pNext;
		delete m_pNodeHead;
		m_pNodeHead = pNext;
	}
	m_pNodeTail = nullptr;
	m_nCount = 0;
}

POSITION CStringList::GetHeadPosition() const
{
	return PositionOf(m_pNodeHead);
}

POSITION CStringList::GetTailPosition() const
{
	return PositionOf(m_pNodeTail);
}

CString& CStringList::GetNext(POSITION& rPosition)
{
	CNode* pNode = NodeAt(rPosition);
	rPosition = PositionOf(pNode->pNext);
	return pNode->data;
}

const CString& CStringList::GetNext(POSITION& rPosition) const
{
	CNode* pNode = NodeAt(rPosition);
	rPosition = PositionOf(pNode->pNext);
	return pNode->data;
}

CString& CStringList::GetPrev(POSITION& rPosition)
{
	CNode* pNode = NodeAt(rPosition);
	rPosition = PositionOf(pNode->pPrev);
	return pNode->data;
}

const CString& CStringList::GetPrev(POSITION& rPosition) const
{
	CNode* pNode = NodeAt(rPosition);
	rPosition = PositionOf(pNode->pPrev);
	return pNode->data;
}

CString& CStringList::GetAt(POSITION position)
{
	return NodeAt(position)->data;
}

const CString& CStringList::GetAt(POSITION position) const
{
	return NodeAt(position)->data;
}

void CStringList::SetAt(POSITION position, const CString& newElement)
{
	NodeAt(position)->data = newElement;
}

void CStringList::RemoveAt(POSITION position)
{
	CNode* pNode = NodeAt(position);
	if (pNode->pPrev != nullptr)
		pNode->pPrev->pNext = pNode->pNext;
	else
		m_pNodeHead = pNode->pNext;
	if (pNode->pNext != nullptr)
		pNode->pNext->pPrev = pNode->pPrev;
	else
		m_pNodeTail = pNode->pPrev;
	delete pNode;
	--m_nCount;
}

POSITION CStringList::InsertBefore(POSITION position, const CString& newElement)
{
	CNode* pNext = position != nullptr ? NodeAt(position) : m_pNodeHead;
	return Link(pNext != nullptr ? pNext->pPrev : nullptr, pNext, newElement);
}

POSITION CStringList::InsertAfter(POSITION position, const CString& newElement)
{
	CNode* pPrev = position != nullptr ? NodeAt(position) : m_pNodeTail;
	return Link(pPrev, pPrev != nullptr ? pPrev->pNext : nullptr, newElement);
}

POSITION CStringList::Find(LPCTSTR searchValue, POSITION startAfter) const
{
	CNode* pNode = startAfter != nullptr ? NodeAt(startAfter)->pNext : m_pNodeHead;
	for (; pNode != nullptr; pNode = pNode->pNext)
	{
		if (pNode->data == searchValue)
			return PositionOf(pNode);
	}
	return nullptr;
}

POSITION CStringList::FindIndex(int nIndex) const
{
	if (nIndex < 0 || nIndex >= m_nCount)
		return nullptr;
	CNode* pNode = m_pNodeHead;
	while (nIndex-- > 0)
		pNode = pNode->pNext;
	return PositionOf(pNode);
}

POSITION CStringList::Link(CNode* pPrev, CNode* pNext, const CString& newElement)
{
	CNode* pNode = new CNode{ pNext, pPrev, newElement };
	if (pPrev != nullptr)
		pPrev->pNext = pNode;
	else
		m_pNodeHead = pNode;
	if (pNext != nullptr)
		pNext->pPrev = pNode;
	else
		m_pNodeTail = pNode;
	++m_nCount;
	return PositionOf(pNode);
}

// A POSITION is the address of its node, under a type that only this list can look into.
CStringList::CNode* CStringList::NodeAt(POSITION position)
{
	ASSERT(position != nullptr);
	return reinterpret_cast<CNode*>(position);
}

POSITION CStringList::PositionOf(CNode* pNode)
{
	return reinterpret_cast<POSITION>(pNode);
}
