#include <QDesktopServices>
#include <QDir>
#include <QTest>
#include <QUrl>

#include "PlatformTestSupport.h"
#include "platform/DesktopLinkOpener.h"

namespace vesk::platform::test {

// Stands in for the desktop's programs: QDesktopServices hands every URL of
// the registered schemes here instead of launching anything.
class LinkOpenerTest : public QObject {
    Q_OBJECT

public slots:
    void Record(const QUrl& url) { opened_.push_back(url); }

private slots:
    void initTestCase() {
        for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(scheme, this, "Record");
    }
    void cleanupTestCase() {
        for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(scheme);
    }

    void linksOpenAsTypedAndBrokenOnesOpenNothing() {
        DesktopLinkOpener opener;
        QVERIFY(!opener.OpenLink("http://exa mple.com/"));
        QVERIFY(opened_.empty());
        QVERIFY(opener.OpenLink("http://www.example.com/a page?q=1"));
        QVERIFY(opener.OpenLink("https://example.com/100%/x#top"));
        QVERIFY(opener.OpenLink("mailto:someone@example.com"));
        QCOMPARE(opened_.size(), 3);
        QCOMPARE(opened_[0].toString(), "http://www.example.com/a page?q=1");
        QCOMPARE(opened_[1].toString(), "https://example.com/100%25/x#top");
        QCOMPARE(opened_[2].toString(), "mailto:someone@example.com");
    }

    void filesOpenByTheirWholeName() {
        opened_.clear();
        DesktopLinkOpener opener;
        QVERIFY(opener.OpenFile("/opt/vesk notes/help #2/how?to use.html"));
        QVERIFY(opener.OpenFile("help/howtouse.html"));
        QCOMPARE(opened_.size(), 2);
        QCOMPARE(opened_[0].toLocalFile(), "/opt/vesk notes/help #2/how?to use.html");
        QCOMPARE(opened_[1].toLocalFile(), QDir::current().absoluteFilePath("help/howtouse.html"));
    }

private:
    static constexpr const char* kSchemes[] = {"http", "https", "mailto", "file"};
    std::vector<QUrl> opened_;
};

static RegisterTest<LinkOpenerTest> registration;

}  // namespace vesk::platform::test

#include "LinkOpenerTest.moc"
