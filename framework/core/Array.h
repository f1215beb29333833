// CArray: the growable array of values under the framework's typed arrays (CStringArray,
// CObArray, CWordArray, CPtrArray). Elements are held by value; pointers are not owned.
#pragma once

#include "framework/core/Diagnostics.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Object.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
	int GetSize() const
	{
		return static_cast<int>(m_data.size());
	}

	int GetCount() const
	{
		return GetSize();
	}

	int GetUpperBound() const
	{
		return GetSize() - 1;
	}

	BOOL IsEmpty() const
	{
		return m_data.empty();
	}

	// Growth is left to std::vector, so nGrowBy is accepted and not needed.
	void SetSize(int nNewSize, [[maybe_unused]] int nGrowBy = -1)
	{
		Resize(std::max(nNewSize, 0));
	}

	void RemoveAll()
	{
		m_data.clear();
	}

	void FreeExtra()
	{
		m_data.shrink_to_fit();
	}

	TYPE GetAt(int nIndex) const
	{
		return m_data[Checked(nIndex)];
	}

	void SetAt(int nIndex, ARG_TYPE newElement)
	{
		m_data[Checked(nIndex)] = newElement;
	}

	TYPE& ElementAt(int nIndex)
	{
		return m_data[Checked(nIndex)];
	}

	TYPE operator[](int nIndex) const
	{
		return GetAt(nIndex);
	}

	TYPE& operator[](int nIndex)
	{
		return ElementAt(nIndex);
	}

	const TYPE* GetData() const
	{
		return m_data.data();
	}

	TYPE* GetData()
	{
		return m_data.data();
	}

	int Add(ARG_TYPE newElement)
	{
		TYPE element(newElement);	// may refer to an element the growth moves
		const int nIndex = GetSize();
		Resize(nIndex + 1);
		m_data[static_cast<size_t>(nIndex)] = element;
		return nIndex;
	}

	// Returns the index of the first element appended.
	int Append(const CArray& src)
	{
		const int nOldSize = GetSize();
		const std::vector<TYPE> elements(src.m_data);	// src may be this array
		Resize(nOldSize + static_cast<int>(elements.size()));
		std::copy(elements.begin(), elements.end(), m_data.begin() + nOldSize);
		return nOldSize;
	}

	void Copy(const CArray& src)
	{
		if (&src != this)
			m_data = src.m_data;
	}

	void SetAtGrow(int nIndex, ARG_TYPE newElement)
	{
		ASSERT(nIndex >= 0);
		TYPE element(newElement);
		if (nIndex >= GetSize())
			Resize(nIndex + 1);
		m_data[static_cast<size_t>(nIndex)] = element;
	}

	// An index past the end grows the array first, as on Windows.
	void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1)
	{
		ASSERT(nIndex >= 0 && nCount >= 0);
		TYPE element(newElement);
		if (nIndex >= GetSize())
		{
			Resize(nIndex + nCount);
			std::fill(m_data.begin() + nIndex, m_data.end(), element);
			return;
		}
		try
		{
			m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), element);
		}
		catch (const std::bad_alloc&)
		{
			AfxThrowMemoryException();
		}
		catch (const std::length_error&)
		{
			AfxThrowMemoryException();
		}
	}

	// A count running past the end removes up to the end.
	void RemoveAt(int nIndex, int nCount = 1)
	{
		ASSERT(nIndex >= 0 && nIndex <= GetSize() && nCount >= 0);
		nCount = std::min(nCount, GetSize() - nIndex);
		m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
	}

private:
	size_t Checked(int nIndex) const
	{
		ASSERT(nIndex >= 0 && nIndex < GetSize());
		return static_cast<size_t>(nIndex);
	}

	void Resize(int nNewSize)
	{
		try
		{
			m_data.resize(static_cast<size_t>(nNewSize));
		}
		catch (const std::bad_alloc&)
		{
			AfxThrowMemoryException();
		}
		catch (const std::length_error&)
		{
			AfxThrowMemoryException();
		}
	}

	std::vector<TYPE> m_data;
};
