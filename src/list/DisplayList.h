#pragma once

#include <QtGlobal>

// The list of strips on the screen.
namespace MainM {

// Brings the screen up to date with the tables: orders the projects by time
// left, replaces every strip with a new one and places the button bar.
// Indexes held by windows (a strip's SuperID) are valid only until the next
// rebuild.
void DisplayList();

// Refreshes TodayInt and every DaysToGo and orders Projects by DaysToGo,
// equal ones keeping their order.
void SortList();
qint32 FirstDay(); // the smaller of 0 and the least DaysToGo
qint32 LastDay();  // the greatest DaysToGo

// Rebuilds the list when the date has changed since the last rebuild, unless
// a modal window is open (its indexes must stay valid); called once a minute.
void CheckDate();

} // namespace MainM
