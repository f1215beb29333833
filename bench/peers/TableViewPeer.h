// The same sheet in the toolkit's own table view with a table model, painted at the grid's size,
// so that the grid's paint has a yardstick. Only this folder may include the toolkit.
#pragma once

#include <memory>

class TableViewPeer
{
public:
	TableViewPeer();
	~TableViewPeer();
	TableViewPeer(const TableViewPeer&) = delete;
	TableViewPeer& operator=(const TableViewPeer&) = delete;

	// Paints the whole visible part of the table into an image of the view's size.
	void PaintAll();
	int GetViewportWidth() const;
	int GetViewportHeight() const;

private:
	struct Impl;
	std::unique_ptr<Impl> m_pImpl;
};
