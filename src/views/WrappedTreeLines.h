#pragma once

class QTreeView;

// Lets the lines of a one-column tree wrap instead of ending in "...": each
// line wraps at the view's right edge, and a line nested so deep that less
// than a narrow column is left keeps that column, the view then scrolling
// sideways to it. The tree's column and row heights follow the view's width.
void WrapTreeLines(QTreeView* tree);
