#include "notewnd/NoteLinks.h"

#include "notewnd/NoteHost.h"

namespace vesk {

namespace {

bool Contains(const Rect& rect, QPoint at) {
    return at.x() >= rect.left && at.x() < rect.right && at.y() >= rect.top && at.y() < rect.bottom;
}

}  // namespace

bool IsOverLink(const std::vector<LinkRecord>& links, QPoint at) {
    for (const LinkRecord& link : links) {
        if (at.y() < link.rect.top) {
            return false;
        }
        if (Contains(link.rect, at)) {
            return true;
        }
    }
    return false;
}

void OpenLinksAt(std::vector<LinkRecord>& links, QPoint at, NoteHost& host) {
    for (LinkRecord& link : links) {
        if (at.y() < link.rect.top) {
            return;
        }
        if (!Contains(link.rect, at)) {
            continue;
        }
        if (link.text.starts_with(u"www.")) {
            link.text.insert(0, u"http://");
        }
        host.OpenLink(link.text);
    }
}

}  // namespace vesk
