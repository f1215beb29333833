// The standard cursors of the Windows platform and the Qt shapes that show them.
#include "framework/ui/backend/qt/AppCursors.h"

namespace
{

HCURSOR__ s_cursors[] = {
	{ 32512, Qt::ArrowCursor },
	{ 32513, Qt::IBeamCursor },
	{ 32514, Qt::WaitCursor },
	{ 32515, Qt::CrossCursor },
	{ 32516, Qt::UpArrowCursor },
	{ 32642, Qt::SizeFDiagCursor },
	{ 32643, Qt::SizeBDiagCursor },
	{ 32644, Qt::SizeHorCursor },
	{ 32645, Qt::SizeVerCursor },
	{ 32646, Qt::SizeAllCursor },
	{ 32648, Qt::ForbiddenCursor },
	{ 32650, Qt::BusyCursor },
	{ 32651, Qt::WhatsThisCursor },
};

}

HCURSOR StandardCursor(UINT nResourceID)
{
	for (HCURSOR__& cursor : s_cursors)
	{
		if (cursor.nResourceID == nResourceID)
		{
			return &cursor;
		}
	}
	return nullptr;
}
