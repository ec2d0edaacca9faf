#pragma once

#include <QPoint>
#include <vector>

#include "notewnd/TextLayout.h"

namespace vesk {

class NoteHost;

// Whether a link drawn in the last paint lies under the point.
bool IsOverLink(const std::vector<LinkRecord>& links, QPoint at);

// Opens every link under the point through the host. A link that starts
// with "www." gets "http://" in front, which it keeps. The links are in
// drawing order, so the first one wholly below the point ends the search.
void OpenLinksAt(std::vector<LinkRecord>& links, QPoint at, NoteHost& host);

}  // namespace vesk
